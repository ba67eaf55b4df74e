#pragma once

#include "TrellisExport.h"

#include <afxwin.h>

// The mouse-over state of a control, kept in one bit of its flags: set by a mouse move inside
// the client area, cleared when a 50 ms timer (id 2312) finds the cursor outside, when the
// left button is released outside, or when the window is destroyed. The timer catches a quick
// exit that sends no further mouse move. Each change invalidates the window.
class TRELLIS_API KaloHoverTracker {
public:
    static const UINT_PTR kTimerId = 2312;
    static const UINT kPeriod = 50;

    explicit KaloHoverTracker(DWORD overBit = 0x4) : m_overBit(overBit) {}

    // Feeds a message of the control's window procedure; true when it was the tracker's own
    // timer tick (nothing else needs to see it).
    bool Track(CWnd& wnd, DWORD& flags, UINT message, WPARAM wParam, LPARAM lParam);
    UINT_PTR TimerId() const { return m_timer; }

private:
    bool Inside(CWnd& wnd, POINT client) const;
    void Enter(CWnd& wnd, DWORD& flags);
    void Leave(CWnd& wnd, DWORD& flags);
    void CheckCursor(CWnd& wnd, DWORD& flags);

    DWORD m_overBit;
    UINT_PTR m_timer = 0;
};
