#include "KaloRedrawSwitch.h"

void KaloRedrawSwitch::Set(HWND window, bool on) {
    if (!window) {
        return;
    }
    if (on) {
        if (m_switchedOff) {
            m_switchedOff = false;
            SendMessageA(window, WM_SETREDRAW, TRUE, 0);
        }
        return;
    }
    if (!m_switchedOff && IsWindowVisible(window)) {
        m_switchedOff = true;
        SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    }
}
