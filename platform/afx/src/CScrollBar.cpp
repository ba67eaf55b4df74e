#include "HandleMaps.h"

CScrollBar* AfxScrollBarFromHandle(HWND handle) {
    return WndHandleMap().FromHandle<CScrollBar>(handle);
}

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("SCROLLBAR", nullptr, style, rect, parent, id);
}

int CScrollBar::GetScrollPos() const {
    return ::GetScrollPos(m_hWnd, SB_CTL);
}

int CScrollBar::SetScrollPos(int pos, BOOL redraw) {
    return ::SetScrollPos(m_hWnd, SB_CTL, pos, redraw);
}

void CScrollBar::GetScrollRange(LPINT minPos, LPINT maxPos) const {
    ::GetScrollRange(m_hWnd, SB_CTL, minPos, maxPos);
}

void CScrollBar::SetScrollRange(int minPos, int maxPos, BOOL redraw) {
    ::SetScrollRange(m_hWnd, SB_CTL, minPos, maxPos, redraw);
}

void CScrollBar::ShowScrollBar(BOOL show) {
    ::ShowScrollBar(m_hWnd, SB_CTL, show);
}

BOOL CScrollBar::EnableScrollBar(UINT arrowFlags) {
    return ::EnableScrollBar(m_hWnd, SB_CTL, arrowFlags);
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO info, BOOL redraw) {
    return CWnd::SetScrollInfo(SB_CTL, info, redraw);
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO info, UINT mask) {
    return CWnd::GetScrollInfo(SB_CTL, info, mask);
}

int CScrollBar::GetScrollLimit() {
    SCROLLINFO info{};
    if (!GetScrollInfo(&info, SIF_RANGE | SIF_PAGE))
        return 0;
    return info.nMax - (info.nPage ? static_cast<int>(info.nPage) - 1 : 0);
}
