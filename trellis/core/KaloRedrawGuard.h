#pragma once

#include "TrellisExport.h"

#include <windows.h>

// Switches a window's drawing off for one scope, so that the system's own painting of a
// change never shows, and back on afterwards only when this guard switched it off. Turning
// drawing on makes a window visible, so a hidden window is never touched, and a guard inside
// another (drawing already off) leaves the outer one in charge. With `invalidate` the window
// is invalidated once drawing is back on.
class TRELLIS_API KaloRedrawGuard {
public:
    explicit KaloRedrawGuard(HWND window, bool invalidate = true);
    ~KaloRedrawGuard();
    KaloRedrawGuard(const KaloRedrawGuard&) = delete;
    KaloRedrawGuard& operator=(const KaloRedrawGuard&) = delete;

    // True when this guard switched drawing off (the window was visible).
    bool Active() const { return m_active; }

private:
    HWND m_window;
    bool m_invalidate;
    bool m_active;
};
