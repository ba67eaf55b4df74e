// A window: its handle, its place in the window handle map, message dispatch through the
// message map, reflection of control notifications, and the calls made on a window.
#pragma once

#include "afx/CCmdTarget.h"
#include "afx/CDC.h"

struct CCreateContext; // document/view creation data; accepted and ignored by this layer

AFX_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

class AFX_API CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    // A window still alive when its object goes is destroyed first, so no message can reach
    // a deleted object.
    ~CWnd() override;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    static CWnd* FromHandle(HWND handle);
    static CWnd* FromHandlePermanent(HWND handle);
    static void DeleteTempMap();
    // The message being dispatched on this thread (the innermost one when nested).
    static const MSG* GetCurrentMessage();

    // Creation: C++ handlers see WM_NCCREATE and WM_CREATE of the new window.
    virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                        UINT id, CCreateContext* context = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    // Attaching to existing windows. Attach only maps the handle; SubclassWindow also routes
    // the window's messages through this object. Both fail when another object has the handle.
    BOOL Attach(HWND handle);
    HWND Detach();
    BOOL SubclassWindow(HWND handle);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Fails (and stays subclassed) when someone else subclassed the window after us.
    HWND UnsubclassWindow();

    // Dispatch
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Hands the current message to the permanent object of `child`; FALSE when it has none.
    static BOOL ReflectLastMsg(HWND child, LRESULT* result = nullptr);
    BOOL SendChildNotifyLastMsg(LRESULT* result = nullptr);
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Passes the current message on to the default procedure.
    LRESULT Default();

    // Geometry and state
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
    void MapWindowPoints(CWnd* to, LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void CenterWindow(CWnd* alternateOwner = nullptr);
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL IsChild(const CWnd* wnd) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // `flags` non-zero also applies the change with SetWindowPos.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    int SetWindowRgn(HRGN region, BOOL redraw);

    // Painting
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void InvalidateRgn(CRgn* region, BOOL erase = TRUE);
    void ValidateRect(LPCRECT rect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT rect = nullptr, CRgn* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void SetRedraw(BOOL redraw = TRUE);
    BOOL GetUpdateRect(LPRECT rect, BOOL erase = FALSE);
    // Temporary context wrappers; release with ReleaseDC.
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);

    // Text and font
    void SetWindowText(LPCSTR text);
    int GetWindowText(LPSTR buffer, int maxCount) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON icon, BOOL big);

    // Relatives and children
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* newParent);
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetWindow(UINT command) const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    void SetDlgItemText(int id, LPCSTR text);
    int GetDlgItemText(int id, LPSTR buffer, int maxCount) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Messages, focus, input, timers
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL deep = TRUE);
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    BOOL SetForegroundWindow();
    CWnd* SetActiveWindow();
    void BringWindowToTop();
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback = nullptr);
    BOOL KillTimer(UINT_PTR id);
    void DragAcceptFiles(BOOL accept = TRUE);

    // Scrolling
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
    int GetScrollPos(int bar) const;
    void SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(int bar, LPINT minPos, LPINT maxPos) const;
    BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL);
    void ShowScrollBar(UINT bar, BOOL show = TRUE);
    void ScrollWindow(int dx, int dy, LPCRECT scroll = nullptr, LPCRECT clip = nullptr);

    // Default handlers: the reflecting ones offer owner-draw, colour and scroll messages to
    // the control that caused them before falling back to the default procedure.
    void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
    void OnMeasureItem(int id, LPMEASUREITEMSTRUCT item);
    int OnCompareItem(int id, LPCOMPAREITEMSTRUCT item);
    void OnDeleteItem(int id, LPDELETEITEMSTRUCT item);
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    void OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar);

protected:
    WNDPROC m_pfnSuper = nullptr; // the procedure this object's window had before us

    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual void PreSubclassWindow();
    // Called after the window's last message (WM_NCDESTROY), when the object is detached.
    virtual void PostNcDestroy();

private:
    friend class WindowProcedure;
    friend class CreationHook;
    void InstallProcedure();
    void FinishDestruction();

    DECLARE_MESSAGE_MAP()
};
