#pragma once

#include <windows.h>

// The lasting form of the redraw guard, for a control's own SetRedraw: drawing is switched off
// only on a window that shows, and switched on again only by the switch that turned it off, so a
// hidden control stays hidden.
class KaloRedrawSwitch {
public:
    void Set(HWND window, bool on);

private:
    bool m_switchedOff = false;
};
