#include "KaloSplitBar.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(KaloSplitBar, CWnd)
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CAPTURECHANGED()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

KaloSplitBar::KaloSplitBar(DWORD dragStyle) : m_dragStyle(static_cast<int>(dragStyle)) {}

KaloSplitBar::~KaloSplitBar() {
    DestroyWindow();
}

BOOL KaloSplitBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    CRect place(rect);
    if (IsVertical()) {
        place.right = place.left + m_size;
    } else {
        place.bottom = place.top + m_size;
    }
    LPCSTR className = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW);
    return CWnd::Create(className, "", style, place, parent, id);
}

void KaloSplitBar::SetSize(int size) {
    m_size = size;
    if (!m_hWnd) {
        return;
    }
    CRect place = PlaceInParent();
    if (IsVertical()) {
        place.right = place.left + size;
    } else {
        place.bottom = place.top + size;
    }
    MoveWindow(place);
}

CRect KaloSplitBar::PlaceInParent() const {
    CRect place;
    GetWindowRect(place);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void KaloSplitBar::Notify(UINT code) {
    HWND parent = ::GetParent(m_hWnd);
    NMHDR header{};
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    header.code = code;
    ::SendMessageA(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void KaloSplitBar::InvertOutline(const RECT* rect, const RECT* last) {
    HWND parent = ::GetParent(m_hWnd);
    HDC dc = ::GetDC(parent);
    if (!dc) {
        return;
    }
    CDC wrapper;
    wrapper.Attach(dc);
    const SIZE one{1, 1};
    wrapper.DrawDragRect(rect, one, last, one);
    wrapper.Detach();
    ::ReleaseDC(parent, dc);
}

void KaloSplitBar::StartDrag() {
    if (!IsLive()) {
        m_lastDragRect = PlaceInParent();
        InvertOutline(&m_lastDragRect, nullptr);
    }
    Notify(KALO_SPLIT_STARTED);
}

CRect KaloSplitBar::DragTarget(CPoint point) const {
    HWND parent = ::GetParent(m_hWnd);
    ::MapWindowPoints(m_hWnd, parent, &point, 1);
    RECT client{};
    ::GetClientRect(parent, &client);
    const int half = m_size / 2;
    if (IsVertical()) {
        const int left = std::max(0, std::min<int>(point.x + half, client.right - half - 1));
        return CRect(left, 0, left + m_size, client.bottom);
    }
    const int top = std::max(0, std::min<int>(point.y + half, client.bottom - half - 1));
    return CRect(0, top, client.right, top + m_size);
}

void KaloSplitBar::Drag(CPoint point) {
    const CRect target = DragTarget(point);
    if (!IsLive()) {
        InvertOutline(&target, &m_lastDragRect);
        m_lastDragRect = target;
    }
    MoveWindow(target, FALSE);
    if (IsLive()) {
        Notify(KALO_SPLIT_MOVED);
    }
}

void KaloSplitBar::EndDrag(CPoint) {
    if (!IsLive()) {
        InvertOutline(nullptr, &m_lastDragRect);
    }
    Notify(KALO_SPLIT_ENDED);
    const UINT redraw = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
    ::RedrawWindow(::GetParent(m_hWnd), nullptr, nullptr, redraw);
    RedrawWindow(nullptr, nullptr, redraw);
}

void KaloSplitBar::AbandonDrag() {
    if (!IsDragging()) {
        return;
    }
    ModifyFlags(0, KALO_SPLIT_DRAGGING);
    if (!IsLive()) {
        InvertOutline(nullptr, &m_lastDragRect);
    }
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
}

BOOL KaloSplitBar::OnSetCursor(CWnd*, UINT, UINT) {
    LPCSTR cursor = nullptr;
    if (m_dragStyle & KALO_SPLIT_CURSOR_NS) {
        cursor = IDC_SIZENS;
    } else if (IsVertical()) {
        cursor = IDC_SIZEWE;
    }
    if (!cursor) {
        return static_cast<BOOL>(Default());
    }
    ::SetCursor(::LoadCursorA(nullptr, cursor));
    return TRUE;
}

void KaloSplitBar::OnLButtonDown(UINT, CPoint point) {
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    if (::DragDetect(m_hWnd, screen)) {
        Notify(KALO_SPLIT_STARTED);
        ModifyFlags(KALO_SPLIT_DRAGGING, 0);
        SetCapture();
        StartDrag();
    }
    Default();
}

void KaloSplitBar::OnMouseMove(UINT, CPoint point) {
    if (IsDragging()) {
        Drag(point);
    }
    Default();
}

void KaloSplitBar::OnLButtonUp(UINT, CPoint point) {
    if (IsDragging()) {
        ModifyFlags(0, KALO_SPLIT_DRAGGING);
        ::ReleaseCapture();
        Notify(KALO_SPLIT_ENDED);
        EndDrag(point);
    }
    Default();
}

// A drag whose capture is taken away (another window, a menu) ends where the bar stands, so
// the parent never waits for an end that cannot come.
void KaloSplitBar::OnCaptureChanged(CWnd* wnd) {
    if (IsDragging() && (!wnd || wnd->GetSafeHwnd() != m_hWnd)) {
        ModifyFlags(0, KALO_SPLIT_DRAGGING);
        Notify(KALO_SPLIT_ENDED);
        EndDrag(CPoint(0, 0));
    }
    Default();
}

void KaloSplitBar::OnDestroy() {
    AbandonDrag();
    Default();
}

void KaloSplitBar::Draw(CDC* dc) {
    CRect client;
    GetClientRect(client);
    dc->FillSolidRect(client, GetBackColor());
}

void KaloSplitBar::OnPaint() {
    CPaintDC dc(this);
    Draw(&dc);
}

BOOL KaloSplitBar::OnEraseBkgnd(CDC*) {
    return TRUE;
}

LRESULT KaloSplitBar::OnPrintClient(WPARAM dc, LPARAM) {
    CDC wrapper;
    wrapper.Attach(reinterpret_cast<HDC>(dc));
    Draw(&wrapper);
    wrapper.Detach();
    return 0;
}
