// Edge sizing of attached windows without a system frame: the engine's own hit zones along
// the edges and corners, the cursors over them, starting the system's sizing, and size limits.
#pragma once

#include <windows.h>

// WM_NCHITTEST: the sizing code for a screen point on a sizable window that is not maximized,
// 0 when there is none.
int SizingZone(HWND window, LPARAM screenPoint);
// WM_NCLBUTTONDOWN on a sizing zone of a window that is not zoomed starts system sizing there
// and answers true once the sizing has ended.
bool StartEdgeSizing(HWND window, WPARAM hitCode, LPARAM screenPoint);
// WM_SETCURSOR: sets the cursor for the zone and answers true, or false to leave it to the
// window's previous procedure (a child's cursor, a zoomed window).
bool SetZoneCursor(HWND window, WPARAM cursorWindow, LPARAM hitCodeAndMessage);
// WM_GETMINMAXINFO: maximized to the work area, never smaller than the window's minimum size.
void ApplySizeLimits(HWND window, LPARAM minMaxInfo);
