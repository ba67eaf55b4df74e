#include "KaloRedrawGuard.h"

namespace {

// Drawing switched off clears the visible style bit, so the bit tells whether drawing is on.
bool DrawingOn(HWND window) {
    return window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

} // namespace

KaloRedrawGuard::KaloRedrawGuard(HWND window, bool invalidate)
    : m_window(window), m_invalidate(invalidate), m_active(DrawingOn(window)) {
    if (m_active) {
        SendMessageA(m_window, WM_SETREDRAW, FALSE, 0);
    }
}

KaloRedrawGuard::~KaloRedrawGuard() {
    if (!m_active || !IsWindow(m_window)) {
        return;
    }
    SendMessageA(m_window, WM_SETREDRAW, TRUE, 0);
    if (m_invalidate) {
        InvalidateRect(m_window, nullptr, TRUE);
    }
}
