#include "CreationHook.h"
#include "DyingWindow.h"
#include "HandleMaps.h"

namespace {

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

WNDPROC CurrentProcedure(HWND handle) {
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(handle, GWLP_WNDPROC));
}

HWND HandleOf(const CWnd* wnd) {
    return wnd ? wnd->m_hWnd : nullptr;
}

} // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
ON_WM_CTLCOLOR()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace {

thread_local std::vector<HWND> silencedAncestors;

} // namespace

DyingWindowScope::DyingWindowScope(HWND dying) : m_mark(silencedAncestors.size()) {
    for (HWND ancestor = ::GetAncestor(dying, GA_PARENT);
         ancestor && ancestor != ::GetDesktopWindow() && (::GetWindowLongPtrA(dying, GWL_STYLE) & WS_CHILD);
         dying = ancestor, ancestor = ::GetAncestor(ancestor, GA_PARENT))
        silencedAncestors.push_back(ancestor);
}

DyingWindowScope::~DyingWindowScope() {
    silencedAncestors.resize(m_mark);
}

bool DyingWindowScope::Silenced(HWND window) {
    for (HWND silenced : silencedAncestors)
        if (silenced == window)
            return true;
    return false;
}

CWnd::~CWnd() {
    if (m_hWnd) {
        DyingWindowScope dying(m_hWnd);
        DestroyWindow();
    }
    if (m_hWnd)
        Detach();
}

CWnd* CWnd::FromHandle(HWND handle) {
    return WndHandleMap().FromHandle<CWnd>(handle);
}

CWnd* CWnd::FromHandlePermanent(HWND handle) {
    return WndHandleMap().FindPermanent(handle);
}

void CWnd::DeleteTempMap() {
    WndHandleMap().DeleteTemporary();
}

// ---- creation and attachment ----

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  CCreateContext*) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param) {
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, HandleOf(parent),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU idOrMenu, LPVOID param) {
    if (m_hWnd)
        return FALSE;
    CREATESTRUCTA cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = style;
    cs.x = x, cs.y = y, cs.cx = width, cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = idOrMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs))
        return FALSE;
    AfxEnsureCommonControls();
    HWND created;
    {
        CreationHook hook(this, ExpectedWindow::ForClass(cs.hwndParent, cs.hInstance, cs.lpszClass));
        created = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx,
                                    cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    }
    // A window whose WM_CREATE failed was destroyed and detached already.
    return created != nullptr && m_hWnd == created;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return cs.lpszClass != nullptr;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd)
        return FALSE;
    HWND handle = m_hWnd;
    BOOL destroyed = ::DestroyWindow(handle);
    // A window that was only attached never routes WM_NCDESTROY to us: let go here.
    if (m_hWnd == handle && !::IsWindow(handle))
        Detach();
    return destroyed;
}

BOOL CWnd::Attach(HWND handle) {
    if (!handle || m_hWnd || FromHandlePermanent(handle))
        return FALSE;
    m_hWnd = handle;
    WndHandleMap().SetPermanent(handle, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND handle = m_hWnd;
    if (handle)
        WndHandleMap().RemovePermanent(handle, this);
    m_hWnd = nullptr;
    return handle;
}

void CWnd::InstallProcedure() {
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    m_pfnSuper = previous == &AfxWndProc ? nullptr : previous;
}

BOOL CWnd::SubclassWindow(HWND handle) {
    if (!::IsWindow(handle) || !Attach(handle))
        return FALSE;
    PreSubclassWindow();
    InstallProcedure();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    HWND control = parent ? ::GetDlgItem(parent->m_hWnd, static_cast<int>(id)) : nullptr;
    return control && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
    if (!m_hWnd || CurrentProcedure(m_hWnd) != &AfxWndProc)
        return nullptr;
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(m_pfnSuper ? m_pfnSuper : &::DefWindowProcA));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

void CWnd::FinishDestruction() {
    if (CurrentProcedure(m_hWnd) == &AfxWndProc && m_pfnSuper)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}

// ---- dispatch ----

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        *result = 0;
        return OnCommand(wParam, lParam);
    }
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        return header && OnNotify(wParam, lParam, result);
    }
    UINT key = IsCtlColorMessage(message) ? WM_CTLCOLOR : message;
    return DispatchToMap(key, 0, 0, AFX_MSG_ARGS{message, wParam, lParam, 0}, result);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG* current = GetCurrentMessage();
    return DefWindowProc(current->message, current->wParam, current->lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    // Menu and accelerator commands carry no control and count as plain commands.
    UINT code = control ? HIWORD(wParam) : 0;
    if (control && control != m_hWnd) {
        CWnd* child = FromHandlePermanent(control);
        LRESULT ignored = 0;
        if (child && child->OnChildNotify(WM_COMMAND, wParam, lParam, &ignored))
            return TRUE;
    }
    return OnCmdMsg(id, code, wParam, lParam);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom && header->hwndFrom != m_hWnd) {
        CWnd* child = FromHandlePermanent(header->hwndFrom);
        if (child && child->OnChildNotify(WM_NOTIFY, wParam, lParam, result))
            return TRUE;
    }
    UINT id = static_cast<UINT>(header->idFrom);
    *result = 0;
    return DispatchToMap(WM_NOTIFY, header->code, id, AFX_MSG_ARGS{WM_NOTIFY, wParam, lParam, id}, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    LRESULT ignored = 0;
    if (!result)
        result = &ignored;
    UINT reflected = WM_REFLECT_BASE + message;
    switch (message) {
    case WM_COMMAND:
        return DispatchToMap(reflected, HIWORD(wParam), 0, AFX_MSG_ARGS{reflected, wParam, lParam, 0},
                             result);
    case WM_NOTIFY: {
        UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
        return DispatchToMap(reflected, code, 0, AFX_MSG_ARGS{reflected, wParam, lParam, 0}, result);
    }
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return OnWndMsg(reflected, wParam, lParam, result);
    default:
        break;
    }
    if (IsCtlColorMessage(message)) {
        // The control learns the kind of control colour request in lParam.
        reflected = WM_REFLECT_BASE + WM_CTLCOLOR;
        LPARAM kind = static_cast<LPARAM>(message - WM_CTLCOLORMSGBOX);
        return DispatchToMap(reflected, 0, 0, AFX_MSG_ARGS{reflected, wParam, kind, 0}, result);
    }
    return FALSE;
}

BOOL CWnd::ReflectLastMsg(HWND child, LRESULT* result) {
    CWnd* wnd = FromHandlePermanent(child);
    return wnd && wnd->SendChildNotifyLastMsg(result);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* result) {
    const MSG* current = GetCurrentMessage();
    LRESULT ignored = 0;
    return OnChildNotify(current->message, current->wParam, current->lParam, result ? result : &ignored);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

// ---- default handlers that reflect ----

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT item) {
    if (!ReflectLastMsg(item->hwndItem))
        Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT item) {
    // The item names no window: find the control by its ID (menus have none).
    HWND control = item->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID));
    if (!control || !ReflectLastMsg(control))
        Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT item) {
    LRESULT result = 0;
    if (ReflectLastMsg(item->hwndItem, &result))
        return static_cast<int>(result);
    return static_cast<int>(Default());
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT item) {
    if (!ReflectLastMsg(item->hwndItem))
        Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* wnd, UINT) {
    LRESULT result = 0;
    if (wnd && ReflectLastMsg(wnd->m_hWnd, &result))
        return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {
    const MSG* current = GetCurrentMessage();
    HWND bar = reinterpret_cast<HWND>(current->lParam);
    if (!bar || !ReflectLastMsg(bar))
        Default();
}

void CWnd::OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar) {
    OnHScroll(code, pos, scrollBar);
}

// ---- geometry and state ----

void CWnd::GetClientRect(LPRECT rect) const {
    ::GetClientRect(m_hWnd, rect);
}

void CWnd::GetWindowRect(LPRECT rect) const {
    ::GetWindowRect(m_hWnd, rect);
}

void CWnd::ClientToScreen(LPPOINT point) const {
    ::ClientToScreen(m_hWnd, point);
}

void CWnd::ClientToScreen(LPRECT rect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ScreenToClient(LPPOINT point) const {
    ::ScreenToClient(m_hWnd, point);
}

void CWnd::ScreenToClient(LPRECT rect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const {
    ::MapWindowPoints(m_hWnd, HandleOf(to), points, count);
}

void CWnd::MapWindowPoints(CWnd* to, LPRECT rect) const {
    ::MapWindowPoints(m_hWnd, HandleOf(to), reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, HandleOf(insertAfter), x, y, cx, cy, flags);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
    HWND owner = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (GetStyle() & WS_CHILD)
        owner = ::GetParent(m_hWnd);
    RECT area;
    if (owner)
        ::GetWindowRect(owner, &area);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT self;
    ::GetWindowRect(m_hWnd, &self);
    POINT topLeft{area.left + ((area.right - area.left) - (self.right - self.left)) / 2,
                  area.top + ((area.bottom - area.top) - (self.bottom - self.top)) / 2};
    if (GetStyle() & WS_CHILD)
        ::ScreenToClient(owner, &topLeft);
    ::SetWindowPos(m_hWnd, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}

BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}

BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}

BOOL CWnd::IsZoomed() const {
    return ::IsZoomed(m_hWnd);
}

BOOL CWnd::IsChild(const CWnd* wnd) const {
    return wnd && ::IsChild(m_hWnd, wnd->m_hWnd);
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
}

namespace {

BOOL ModifyLong(HWND wnd, int index, DWORD remove, DWORD add, UINT flags) {
    DWORD old = static_cast<DWORD>(::GetWindowLongPtrA(wnd, index));
    DWORD updated = (old & ~remove) | add;
    if (updated == old)
        return FALSE;
    ::SetWindowLongPtrA(wnd, index, static_cast<LONG_PTR>(updated));
    if (flags)
        ::SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
    return ModifyLong(m_hWnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
    return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

int CWnd::SetWindowRgn(HRGN region, BOOL redraw) {
    return ::SetWindowRgn(m_hWnd, region, redraw);
}

// ---- painting ----

void CWnd::Invalidate(BOOL erase) {
    ::InvalidateRect(m_hWnd, nullptr, erase);
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) {
    ::InvalidateRect(m_hWnd, rect, erase);
}

void CWnd::InvalidateRgn(CRgn* region, BOOL erase) {
    ::InvalidateRgn(m_hWnd, region ? static_cast<HRGN>(*region) : nullptr, erase);
}

void CWnd::ValidateRect(LPCRECT rect) {
    ::ValidateRect(m_hWnd, rect);
}

void CWnd::UpdateWindow() {
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT rect, CRgn* region, UINT flags) {
    return ::RedrawWindow(m_hWnd, rect, region ? static_cast<HRGN>(*region) : nullptr, flags);
}

void CWnd::SetRedraw(BOOL redraw) {
    ::SendMessageA(m_hWnd, WM_SETREDRAW, redraw, 0);
}

BOOL CWnd::GetUpdateRect(LPRECT rect, BOOL erase) {
    return ::GetUpdateRect(m_hWnd, rect, erase);
}

CDC* CWnd::GetDC() {
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC() {
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* dc) {
    return dc ? ::ReleaseDC(m_hWnd, dc->m_hDC) : 0;
}

// ---- text and font ----

void CWnd::SetWindowText(LPCSTR text) {
    ::SetWindowTextA(m_hWnd, text);
}

int CWnd::GetWindowText(LPSTR buffer, int maxCount) const {
    return ::GetWindowTextA(m_hWnd, buffer, maxCount);
}

int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLengthA(m_hWnd);
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    HFONT handle = font ? static_cast<HFONT>(*font) : nullptr;
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(handle), redraw);
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
}

HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(
        ::SendMessageA(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

// ---- relatives and children ----

CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* newParent) {
    return FromHandle(::SetParent(m_hWnd, HandleOf(newParent)));
}

CWnd* CWnd::GetOwner() const {
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    return FromHandle(owner ? owner : ::GetParent(m_hWnd));
}

CWnd* CWnd::GetTopLevelParent() const {
    return m_hWnd ? FromHandle(::GetAncestor(m_hWnd, GA_ROOT)) : nullptr;
}

CWnd* CWnd::GetWindow(UINT command) const {
    return FromHandle(::GetWindow(m_hWnd, command));
}

CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}

int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int id) {
    return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, id));
}

void CWnd::SetDlgItemText(int id, LPCSTR text) {
    ::SetDlgItemTextA(m_hWnd, id, text);
}

int CWnd::GetDlgItemText(int id, LPSTR buffer, int maxCount) const {
    return static_cast<int>(::GetDlgItemTextA(m_hWnd, id, buffer, maxCount));
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
    ::SetDlgItemInt(m_hWnd, id, value, isSigned);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}

void CWnd::CheckDlgButton(int id, UINT check) {
    ::CheckDlgButton(m_hWnd, id, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    return ::IsDlgButtonChecked(m_hWnd, id);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendDlgItemMessageA(m_hWnd, id, message, wParam, lParam);
}

// ---- messages, focus, input, timers ----

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL deep) {
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetNextWindow(child, GW_HWNDNEXT)) {
        ::SendMessageA(child, message, wParam, lParam);
        if (deep && ::GetTopWindow(child))
            FromHandle(child)->SendMessageToDescendants(message, wParam, lParam, deep);
    }
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}

CWnd* CWnd::SetCapture() {
    return FromHandle(::SetCapture(m_hWnd));
}

CWnd* CWnd::GetCapture() {
    return FromHandle(::GetCapture());
}

BOOL CWnd::SetForegroundWindow() {
    return ::SetForegroundWindow(m_hWnd);
}

CWnd* CWnd::SetActiveWindow() {
    return FromHandle(::SetActiveWindow(m_hWnd));
}

void CWnd::BringWindowToTop() {
    ::BringWindowToTop(m_hWnd);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback) {
    return ::SetTimer(m_hWnd, id, elapse, callback);
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    return ::KillTimer(m_hWnd, id);
}

void CWnd::DragAcceptFiles(BOOL accept) {
    ModifyStyleEx(accept ? 0 : WS_EX_ACCEPTFILES, accept ? WS_EX_ACCEPTFILES : 0);
}

// ---- scrolling ----

int CWnd::SetScrollPos(int bar, int pos, BOOL redraw) {
    return ::SetScrollPos(m_hWnd, bar, pos, redraw);
}

int CWnd::GetScrollPos(int bar) const {
    return ::GetScrollPos(m_hWnd, bar);
}

void CWnd::SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw) {
    ::SetScrollRange(m_hWnd, bar, minPos, maxPos, redraw);
}

void CWnd::GetScrollRange(int bar, LPINT minPos, LPINT maxPos) const {
    ::GetScrollRange(m_hWnd, bar, minPos, maxPos);
}

BOOL CWnd::SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw) {
    info->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, bar, info, redraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask) {
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    return ::GetScrollInfo(m_hWnd, bar, info);
}

void CWnd::ShowScrollBar(UINT bar, BOOL show) {
    ::ShowScrollBar(m_hWnd, static_cast<int>(bar), show);
}

void CWnd::ScrollWindow(int dx, int dy, LPCRECT scroll, LPCRECT clip) {
    ::ScrollWindow(m_hWnd, dx, dy, scroll, clip);
}
