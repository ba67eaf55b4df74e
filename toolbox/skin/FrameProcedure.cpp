#include "FrameProcedure.h"

#include "HitTester.h"
#include "SkinEngine.h"
#include "WindowProps.h"

namespace {

// Fires once, 100 ms after an activation change, to repaint the side strips the system may
// have drawn over in between.
constexpr UINT_PTR kSideStripTimer = 5566;

LRESULT Forward(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPrevious(previous, window, message, wParam, lParam);
}

// Keeps the minimized flag and the maximize buttons in step with the window, whichever way
// it was minimized, restored or maximized; then lays the frame out for the new size.
void OnSize(SkinEngine& engine, HWND window, WPARAM kind) {
    WriteProp(window, skinprop::Minimized, kind == SIZE_MINIMIZED ? 1 : 0);
    if (kind == SIZE_MINIMIZED)
        return;
    if (kind == SIZE_MAXIMIZED || kind == SIZE_RESTORED)
        engine.SetMaximizeState(window, kind == SIZE_MAXIMIZED);
    engine.Painter().RebuildFrameCache(window, false);
    InvalidateRect(window, nullptr, FALSE);
    engine.Tabs().PlacePage(window);
}

LRESULT OnSystemCommand(SkinEngine& engine, WNDPROC previous, HWND window, WPARAM wParam, LPARAM lParam) {
    // The low four bits carry flags (a caption double-click sets some).
    switch (wParam & 0xFFF0) {
    case SC_MINIMIZE:
        WriteProp(window, skinprop::Minimized, 1);
        break;
    case SC_RESTORE:
        WriteProp(window, skinprop::Minimized, 0);
        engine.SetMaximizeState(window, false);
        break;
    case SC_MAXIMIZE:
        engine.SetMaximizeState(window, true);
        break;
    default: {
        LRESULT result = Forward(previous, window, WM_SYSCOMMAND, wParam, lParam);
        engine.Painter().PaintSideStrips(window);
        return result;
    }
    }
    return Forward(previous, window, WM_SYSCOMMAND, wParam, lParam);
}

} // namespace

void SubclassWithFrameProcedure(HWND window) {
    SubclassOnce(window, &SkinFrameProcedure);
}

LRESULT CALLBACK SkinFrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = PreviousProcedure(window);
    SkinEngine* engine = SkinEngine::Instance();
    if (!engine)
        return Forward(previous, window, message, wParam, lParam);
    const FramePainter& painter = engine->Painter();
    switch (message) {
    case WM_DESTROY:
        return Forward(engine->Detach(window), window, message, wParam, lParam);
    case WM_SIZE:
        OnSize(*engine, window, wParam);
        return Forward(previous, window, message, wParam, lParam);
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_NCACTIVATE:
    case 0xAE: { // undocumented non-client theme repaint
        LRESULT result = Forward(previous, window, message, wParam, lParam);
        painter.PaintSideStrips(window);
        if (message != 0xAE)
            SetTimer(window, kSideStripTimer, 100, nullptr);
        return result;
    }
    case WM_PAINT:
        painter.Paint(window);
        return 0;
    case WM_ERASEBKGND:
        painter.EraseBackground(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_NCCREATE:
        painter.PaintSideStrips(window);
        return 1;
    case WM_NCCALCSIZE: {
        if (wParam) {
            // The whole window rectangle stays client area.
            painter.PaintSideStrips(window);
            return 1;
        }
        LRESULT result = Forward(previous, window, message, wParam, lParam);
        painter.PaintSideStrips(window);
        return result;
    }
    case WM_NCPAINT:
        painter.PaintSideStrips(window);
        return 0;
    case WM_TIMER:
        if (wParam != kSideStripTimer)
            return Forward(previous, window, message, wParam, lParam);
        painter.PaintSideStrips(window);
        KillTimer(window, kSideStripTimer);
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(engine->Resources().clientBrush.get());
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSELEAVE:
        if (engine->Tracker().HandleMouse(window, message, lParam))
            return 0;
        return Forward(previous, window, message, wParam, lParam);
    case WM_NCHITTEST:
        if (int zone = SizingZone(window, lParam))
            return zone;
        return Forward(previous, window, message, wParam, lParam);
    case WM_SETTEXT: {
        // The banner shows the title: it follows every change.
        LRESULT result = Forward(previous, window, message, wParam, lParam);
        painter.RedrawTitle(window);
        return result;
    }
    case WM_NCLBUTTONDOWN:
        // The default handler would start a second sizing loop once the first has ended.
        if (StartEdgeSizing(window, wParam, lParam))
            return 0;
        return Forward(previous, window, message, wParam, lParam);
    case WM_SETCURSOR:
        if (SetZoneCursor(window, wParam, lParam))
            return 1;
        return Forward(previous, window, message, wParam, lParam);
    case WM_GETMINMAXINFO:
        ApplySizeLimits(window, lParam);
        return Forward(previous, window, message, wParam, lParam);
    case WM_SYSCOMMAND:
        return OnSystemCommand(*engine, previous, window, wParam, lParam);
    case WM_DRAWITEM:
        if (engine->Children().HandleDrawItem(lParam))
            return TRUE;
        return Forward(previous, window, message, wParam, lParam);
    default:
        return Forward(previous, window, message, wParam, lParam);
    }
}
