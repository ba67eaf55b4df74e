// Message maps: static tables that route a window message, command or notification to a
// member function. Each entry holds a small dispatcher instantiated for the exact handler,
// so a handler with the wrong signature fails to compile instead of misreading arguments.
#pragma once

#include "afx/AfxApi.h"
#include "afx/CPoint.h"

#include <commctrl.h>

#include <tuple>
#include <type_traits>

class CCmdTarget;
class CDC;
class CWnd;
class CScrollBar;

// Messages a parent hands back to the child control that caused them.
#define WM_REFLECT_BASE 0xBC00
// Control-colour entries use the old combined message; the dispatcher maps each
// WM_CTLCOLORxxx message onto it and passes the kind (CTLCOLOR_xxx).
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

struct AFX_MSG_ARGS {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT id; // control ID of a command or notification
};

// Returns whether the message was handled; the answer to the sender goes to *result.
using AFX_PMSGTHUNK = BOOL (*)(CCmdTarget* target, const AFX_MSG_ARGS& args, LRESULT* result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message, WM_COMMAND, WM_NOTIFY or a reflected one
    UINT nCode;    // notification code of a command or notification
    UINT nID;      // first control ID
    UINT nLastID;  // last control ID of a range
    AFX_PMSGTHUNK pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Wrappers for handles arriving in message parameters (temporary unless owned).
AFX_API CWnd* AfxWndFromHandle(HWND handle);
AFX_API CDC* AfxDCFromHandle(HDC handle);
AFX_API CScrollBar* AfxScrollBarFromHandle(HWND handle);

namespace afxmsg {

template <class M> struct Handler;
template <class C, class R, class... A> struct Handler<R (C::*)(A...)> {
    using Class = C;
    template <size_t I> using Param = std::tuple_element_t<I, std::tuple<A...>>;
};

// The handler may be declared in any base of the map's class T, a second base (a mix-in)
// included: the target is cast to T, which knows all of its bases.
template <class T> T* Self(CCmdTarget* target) {
    return static_cast<T*>(target);
}

template <auto M, size_t I> using Param = typename Handler<decltype(M)>::template Param<I>;

// Stores a handler's return value as the message's answer (0 for void handlers).
template <class F> BOOL Answer(LRESULT* result, F&& call) {
    using R = decltype(call());
    if constexpr (std::is_void_v<R>) {
        *result = 0;
        call();
    } else if constexpr (std::is_pointer_v<R>) {
        *result = reinterpret_cast<LRESULT>(call());
    } else {
        *result = static_cast<LRESULT>(call());
    }
    return TRUE;
}

inline CPoint PointOf(LPARAM lParam) {
    return CPoint(static_cast<DWORD>(lParam));
}

inline CWnd* WndOf(WPARAM handle) {
    return AfxWndFromHandle(reinterpret_cast<HWND>(handle));
}

inline CDC* DcOf(WPARAM handle) {
    return AfxDCFromHandle(reinterpret_cast<HDC>(handle));
}

#define AFX_THUNK(name, ...)                                                                                 \
    template <class T, auto M> BOOL name(CCmdTarget* target, const AFX_MSG_ARGS& m, LRESULT* result) {       \
        T* self = Self<T>(target);                                                                           \
        (void)m;                                                                                             \
        return Answer(result, [&] { return (self->*M)(__VA_ARGS__); });                                      \
    }

AFX_THUNK(NoArgs)
AFX_THUNK(PointerArg, reinterpret_cast<Param<M, 0>>(m.lParam))
AFX_THUNK(IdAndPointer, static_cast<int>(m.wParam), reinterpret_cast<Param<M, 1>>(m.lParam))
AFX_THUNK(HandleArg, reinterpret_cast<Param<M, 0>>(m.wParam))
AFX_THUNK(DcArg, DcOf(m.wParam))
AFX_THUNK(Size, static_cast<UINT>(m.wParam), static_cast<short>(LOWORD(m.lParam)),
          static_cast<short>(HIWORD(m.lParam)))
AFX_THUNK(Move, static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam)))
AFX_THUNK(Mouse, static_cast<UINT>(m.wParam), PointOf(m.lParam))
AFX_THUNK(MouseWheel, GET_KEYSTATE_WPARAM(m.wParam), GET_WHEEL_DELTA_WPARAM(m.wParam), PointOf(m.lParam))
AFX_THUNK(Key, static_cast<UINT>(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam))
AFX_THUNK(WndArg, WndOf(m.wParam))
AFX_THUNK(WndFromLParam, WndOf(static_cast<WPARAM>(m.lParam)))
AFX_THUNK(Timer, static_cast<UINT_PTR>(m.wParam))
AFX_THUNK(Scroll, LOWORD(m.wParam), HIWORD(m.wParam),
          AfxScrollBarFromHandle(reinterpret_cast<HWND>(m.lParam)))
AFX_THUNK(ScrollReflect, LOWORD(m.wParam), HIWORD(m.wParam))
AFX_THUNK(CtlColor, DcOf(m.wParam), WndOf(static_cast<WPARAM>(m.lParam)), m.message - WM_CTLCOLORMSGBOX)
AFX_THUNK(PointArg, PointOf(m.lParam))
AFX_THUNK(FlagAndPointer, static_cast<BOOL>(m.wParam), reinterpret_cast<Param<M, 1>>(m.lParam))
AFX_THUNK(SetCursor, WndOf(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam))
AFX_THUNK(WndAndPoint, WndOf(m.wParam), PointOf(m.lParam))
AFX_THUNK(Flag, static_cast<BOOL>(m.wParam))
AFX_THUNK(ShowWindow, static_cast<BOOL>(m.wParam), static_cast<UINT>(m.lParam))
AFX_THUNK(Activate, LOWORD(m.wParam), WndOf(static_cast<WPARAM>(m.lParam)),
          static_cast<BOOL>(HIWORD(m.wParam)))
AFX_THUNK(MouseActivate, WndOf(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam))
AFX_THUNK(NcMouse, static_cast<UINT>(m.wParam), PointOf(m.lParam))
AFX_THUNK(SysCommand, static_cast<UINT>(m.wParam), m.lParam)
AFX_THUNK(Message, m.wParam, m.lParam)
AFX_THUNK(CommandRange, m.id)
AFX_THUNK(Notify, reinterpret_cast<NMHDR*>(m.lParam), result)
AFX_THUNK(NotifyRange, m.id, reinterpret_cast<NMHDR*>(m.lParam), result)

#undef AFX_THUNK

// Handlers whose own answer decides whether the message counts as handled.
template <class T, auto M> BOOL CtlColorReflect(CCmdTarget* target, const AFX_MSG_ARGS& m, LRESULT* result) {
    HBRUSH brush = (Self<T>(target)->*M)(DcOf(m.wParam), static_cast<UINT>(m.lParam));
    *result = reinterpret_cast<LRESULT>(brush);
    return brush != nullptr;
}

template <class T, auto M> BOOL CommandEx(CCmdTarget* target, const AFX_MSG_ARGS&, LRESULT* result) {
    *result = 0;
    return (Self<T>(target)->*M)();
}

template <class T, auto M> BOOL NotifyEx(CCmdTarget* target, const AFX_MSG_ARGS& m, LRESULT* result) {
    *result = 0;
    return (Self<T>(target)->*M)(m.id, reinterpret_cast<NMHDR*>(m.lParam), result);
}

template <class T, auto M> BOOL NotifyReflectEx(CCmdTarget* target, const AFX_MSG_ARGS& m, LRESULT* result) {
    *result = 0;
    return (Self<T>(target)->*M)(reinterpret_cast<NMHDR*>(m.lParam), result);
}

} // namespace afxmsg

// Owner-draw requests answer TRUE once a handler has run.
namespace afxmsg {
template <class T, auto M> BOOL OwnerDraw(CCmdTarget* target, const AFX_MSG_ARGS& m, LRESULT* result) {
    (Self<T>(target)->*M)(static_cast<int>(m.wParam), reinterpret_cast<Param<M, 1>>(m.lParam));
    *result = TRUE;
    return TRUE;
}

template <class T, auto M> BOOL OwnerDrawReflect(CCmdTarget* target, const AFX_MSG_ARGS& m, LRESULT* result) {
    (Self<T>(target)->*M)(reinterpret_cast<Param<M, 0>>(m.lParam));
    *result = TRUE;
    return TRUE;
}
} // namespace afxmsg

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* GetThisMessageMap();                                                            \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                                      \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                                        \
        using ThisClass = theClass;                                                                          \
        using TheBaseClass = baseClass;                                                                      \
        static_assert(std::is_base_of<TheBaseClass, ThisClass>::value,                                       \
                      "the map's base must be a base class");                                                \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    { 0, 0, 0, 0, nullptr }                                                                                  \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries};                               \
    return &map;                                                                                             \
    }

#define AFX_ENTRY(message, code, id, lastId, thunk, fn)                                                      \
    {static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(lastId),  \
     &afxmsg::thunk<ThisClass, &ThisClass::fn>},
#define AFX_MSG_ENTRY(message, thunk, fn) AFX_ENTRY(message, 0, 0, 0, thunk, fn)

// Window messages
#define ON_WM_NCCREATE() AFX_MSG_ENTRY(WM_NCCREATE, PointerArg, OnNcCreate)
#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, PointerArg, OnCreate)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, NoArgs, OnDestroy)
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, NoArgs, OnNcDestroy)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, NoArgs, OnClose)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, NoArgs, OnPaint)
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, NoArgs, OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, DcArg, OnEraseBkgnd)
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, Size, OnSize)
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, Move, OnMove)
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, Mouse, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, Mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, Mouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, Mouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY(WM_RBUTTONUP, Mouse, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MSG_ENTRY(WM_RBUTTONDBLCLK, Mouse, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MSG_ENTRY(WM_MBUTTONDOWN, Mouse, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MSG_ENTRY(WM_MBUTTONUP, Mouse, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_MSG_ENTRY(WM_MBUTTONDBLCLK, Mouse, OnMButtonDblClk)
#define ON_WM_MOUSEWHEEL() AFX_MSG_ENTRY(WM_MOUSEWHEEL, MouseWheel, OnMouseWheel)
#define ON_WM_MOUSEHOVER() AFX_MSG_ENTRY(WM_MOUSEHOVER, Mouse, OnMouseHover)
#define ON_WM_MOUSELEAVE() AFX_MSG_ENTRY(WM_MOUSELEAVE, NoArgs, OnMouseLeave)
#define ON_WM_MOUSEACTIVATE() AFX_MSG_ENTRY(WM_MOUSEACTIVATE, MouseActivate, OnMouseActivate)
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, Key, OnKeyDown)
#define ON_WM_KEYUP() AFX_MSG_ENTRY(WM_KEYUP, Key, OnKeyUp)
#define ON_WM_SYSKEYDOWN() AFX_MSG_ENTRY(WM_SYSKEYDOWN, Key, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_MSG_ENTRY(WM_SYSKEYUP, Key, OnSysKeyUp)
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, Key, OnChar)
#define ON_WM_SYSCHAR() AFX_MSG_ENTRY(WM_SYSCHAR, Key, OnSysChar)
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, WndArg, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, WndArg, OnKillFocus)
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY(WM_CAPTURECHANGED, WndFromLParam, OnCaptureChanged)
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, NoArgs, OnCancelMode)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, Timer, OnTimer)
#define ON_WM_HSCROLL() AFX_MSG_ENTRY(WM_HSCROLL, Scroll, OnHScroll)
#define ON_WM_VSCROLL() AFX_MSG_ENTRY(WM_VSCROLL, Scroll, OnVScroll)
#define ON_WM_CTLCOLOR() AFX_MSG_ENTRY(WM_CTLCOLOR, CtlColor, OnCtlColor)
#define ON_WM_DRAWITEM() AFX_MSG_ENTRY(WM_DRAWITEM, OwnerDraw, OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_MSG_ENTRY(WM_MEASUREITEM, OwnerDraw, OnMeasureItem)
#define ON_WM_COMPAREITEM() AFX_MSG_ENTRY(WM_COMPAREITEM, IdAndPointer, OnCompareItem)
#define ON_WM_DELETEITEM() AFX_MSG_ENTRY(WM_DELETEITEM, OwnerDraw, OnDeleteItem)
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, PointArg, OnNcHitTest)
#define ON_WM_NCCALCSIZE() AFX_MSG_ENTRY(WM_NCCALCSIZE, FlagAndPointer, OnNcCalcSize)
#define ON_WM_NCACTIVATE() AFX_MSG_ENTRY(WM_NCACTIVATE, Flag, OnNcActivate)
#define ON_WM_NCMOUSEMOVE() AFX_MSG_ENTRY(WM_NCMOUSEMOVE, NcMouse, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_MSG_ENTRY(WM_NCLBUTTONDOWN, NcMouse, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_MSG_ENTRY(WM_NCLBUTTONUP, NcMouse, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_MSG_ENTRY(WM_NCLBUTTONDBLCLK, NcMouse, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_MSG_ENTRY(WM_NCRBUTTONDOWN, NcMouse, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_MSG_ENTRY(WM_NCRBUTTONUP, NcMouse, OnNcRButtonUp)
#define ON_WM_SETCURSOR() AFX_MSG_ENTRY(WM_SETCURSOR, SetCursor, OnSetCursor)
#define ON_WM_CONTEXTMENU() AFX_MSG_ENTRY(WM_CONTEXTMENU, WndAndPoint, OnContextMenu)
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, NoArgs, OnGetDlgCode)
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, Flag, OnEnable)
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, ShowWindow, OnShowWindow)
#define ON_WM_ACTIVATE() AFX_MSG_ENTRY(WM_ACTIVATE, Activate, OnActivate)
#define ON_WM_WINDOWPOSCHANGING() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, PointerArg, OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, PointerArg, OnWindowPosChanged)
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, PointerArg, OnGetMinMaxInfo)
#define ON_WM_HELPINFO() AFX_MSG_ENTRY(WM_HELPINFO, PointerArg, OnHelpInfo)
#define ON_WM_DROPFILES() AFX_MSG_ENTRY(WM_DROPFILES, HandleArg, OnDropFiles)
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, SysCommand, OnSysCommand)
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, NoArgs, OnSysColorChange)

// Messages a parent reflects back to the control that sent them
#define ON_WM_CTLCOLOR_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, CtlColorReflect, CtlColor)
#define ON_WM_DRAWITEM_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, OwnerDrawReflect, DrawItem)
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, OwnerDrawReflect, MeasureItem)
#define ON_WM_COMPAREITEM_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM, PointerArg, CompareItem)
#define ON_WM_DELETEITEM_REFLECT()                                                                           \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, OwnerDrawReflect, DeleteItem)
#define ON_WM_HSCROLL_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, ScrollReflect, HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, ScrollReflect, VScroll)

// Any message, answered by LRESULT fn(WPARAM, LPARAM)
#define ON_MESSAGE(message, fn) AFX_MSG_ENTRY(message, Message, fn)

// Commands and control notifications
#define ON_COMMAND(id, fn) AFX_ENTRY(WM_COMMAND, 0, id, id, NoArgs, fn)
#define ON_COMMAND_RANGE(id, lastId, fn) AFX_ENTRY(WM_COMMAND, 0, id, lastId, CommandRange, fn)
#define ON_CONTROL(code, id, fn) AFX_ENTRY(WM_COMMAND, code, id, id, NoArgs, fn)
#define ON_CONTROL_RANGE(code, id, lastId, fn) AFX_ENTRY(WM_COMMAND, code, id, lastId, CommandRange, fn)
#define ON_CONTROL_REFLECT(code, fn) AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, NoArgs, fn)
#define ON_CONTROL_REFLECT_EX(code, fn) AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, CommandEx, fn)
#define ON_NOTIFY(code, id, fn) AFX_ENTRY(WM_NOTIFY, code, id, id, Notify, fn)
#define ON_NOTIFY_RANGE(code, id, lastId, fn) AFX_ENTRY(WM_NOTIFY, code, id, lastId, NotifyRange, fn)
#define ON_NOTIFY_EX(code, id, fn) AFX_ENTRY(WM_NOTIFY, code, id, id, NotifyEx, fn)
#define ON_NOTIFY_REFLECT(code, fn) AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, Notify, fn)
#define ON_NOTIFY_REFLECT_EX(code, fn) AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, NotifyReflectEx, fn)

#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_EN_HSCROLL(id, fn) ON_CONTROL(EN_HSCROLL, id, fn)
#define ON_EN_VSCROLL(id, fn) ON_CONTROL(EN_VSCROLL, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DBLCLK(id, fn) ON_CONTROL(CBN_DBLCLK, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)
#define ON_LBN_SELCANCEL(id, fn) ON_CONTROL(LBN_SELCANCEL, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_STN_DBLCLK(id, fn) ON_CONTROL(STN_DBLCLK, id, fn)
