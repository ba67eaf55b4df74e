#include "KaloHoverTracker.h"

bool KaloHoverTracker::Inside(CWnd& wnd, POINT client) const {
    RECT area;
    wnd.GetClientRect(&area);
    return PtInRect(&area, client) != FALSE;
}

void KaloHoverTracker::Enter(CWnd& wnd, DWORD& flags) {
    if (flags & m_overBit) {
        return;
    }
    flags |= m_overBit;
    wnd.Invalidate(FALSE);
    if (!m_timer) {
        m_timer = wnd.SetTimer(kTimerId, kPeriod);
    }
}

void KaloHoverTracker::Leave(CWnd& wnd, DWORD& flags) {
    if (m_timer) {
        wnd.KillTimer(m_timer);
        m_timer = 0;
    }
    if (flags & m_overBit) {
        flags &= ~m_overBit;
        wnd.Invalidate(FALSE);
    }
}

void KaloHoverTracker::CheckCursor(CWnd& wnd, DWORD& flags) {
    POINT cursor;
    GetCursorPos(&cursor);
    wnd.ScreenToClient(&cursor);
    if (!Inside(wnd, cursor)) {
        Leave(wnd, flags);
    }
}

bool KaloHoverTracker::Track(CWnd& wnd, DWORD& flags, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: {
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (Inside(wnd, point)) {
            Enter(wnd, flags);
        }
        CheckCursor(wnd, flags);
        return false;
    }
    case WM_TIMER:
        if (wParam != kTimerId) {
            return false;
        }
        CheckCursor(wnd, flags);
        return true;
    case WM_LBUTTONUP: {
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (!Inside(wnd, point)) {
            Leave(wnd, flags);
        }
        return false;
    }
    case WM_DESTROY:
        Leave(wnd, flags);
        return false;
    default:
        return false;
    }
}
