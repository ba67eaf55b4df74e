#include "HitTester.h"

#include "WindowProps.h"

#include <windowsx.h>

namespace {

constexpr int kCorner = 10;
constexpr int kEdge = 3;

} // namespace

int SizingZone(HWND window, LPARAM screenPoint) {
    // A maximized window fills the work area and is not sized at its edges.
    if (ReadProp(window, skinprop::SizeBox) != 1 || IsZoomed(window))
        return 0;
    // Signed: a monitor left of or above the primary one has negative coordinates.
    const int x = GET_X_LPARAM(screenPoint), y = GET_Y_LPARAM(screenPoint);
    RECT r{};
    GetWindowRect(window, &r);
    const bool nearLeft = x <= r.left + kCorner, nearRight = x >= r.right - kCorner;
    const bool nearTop = y <= r.top + kCorner, nearBottom = y >= r.bottom - kCorner;
    if (nearLeft && nearTop)
        return HTTOPLEFT;
    if (nearRight && nearTop)
        return HTTOPRIGHT;
    if (nearLeft && nearBottom)
        return HTBOTTOMLEFT;
    if (nearRight && nearBottom)
        return HTBOTTOMRIGHT;
    if (x <= r.left + kEdge)
        return HTLEFT;
    if (x >= r.right - kEdge)
        return HTRIGHT;
    if (y <= r.top + kEdge)
        return HTTOP;
    if (y >= r.bottom - kEdge)
        return HTBOTTOM;
    return 0;
}

bool StartEdgeSizing(HWND window, WPARAM hitCode, LPARAM screenPoint) {
    if (IsZoomed(window) || hitCode < HTLEFT || hitCode > HTBOTTOMRIGHT)
        return false;
    // The sizing edges WMSZ_LEFT..WMSZ_BOTTOMRIGHT follow the hit codes in the same order.
    const WPARAM edge = hitCode - HTLEFT + WMSZ_LEFT;
    SendMessageA(window, WM_SYSCOMMAND, SC_SIZE | edge, screenPoint);
    return true;
}

bool SetZoneCursor(HWND window, WPARAM cursorWindow, LPARAM hitCodeAndMessage) {
    if (reinterpret_cast<HWND>(cursorWindow) != window || IsZoomed(window))
        return false;
    LPCSTR shape = IDC_ARROW;
    switch (LOWORD(hitCodeAndMessage)) {
    case HTTOP:
    case HTBOTTOM:
        shape = IDC_SIZENS;
        break;
    case HTLEFT:
    case HTRIGHT:
        shape = IDC_SIZEWE;
        break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        shape = IDC_SIZENWSE;
        break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        shape = IDC_SIZENESW;
        break;
    default:
        break;
    }
    SetCursor(LoadCursorA(nullptr, shape));
    return true;
}

void ApplySizeLimits(HWND window, LPARAM minMaxInfo) {
    auto* info = reinterpret_cast<MINMAXINFO*>(minMaxInfo);
    RECT work{};
    if (!info || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        return;
    info->ptMaxSize = {work.right - work.left, work.bottom - work.top};
    info->ptMaxPosition = {work.left, work.top};
    info->ptMinTrackSize = {static_cast<LONG>(ReadProp(window, skinprop::MinWidth)),
                            static_cast<LONG>(ReadProp(window, skinprop::MinHeight))};
}
