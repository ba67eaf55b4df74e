#include "FrameProcedure.h"

#include "SkinEngine.h"
#include "WindowProps.h"

namespace {

// Fires once, 100 ms after an activation change, to repaint the side strips the system may
// have drawn over in between.
constexpr UINT_PTR kSideStripTimer = 5566;

LRESULT Forward(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                    : DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

void SubclassWithFrameProcedure(HWND window) {
    if (ReadProp(window, skinprop::WndProc))
        return;
    LONG_PTR previous =
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinFrameProcedure));
    WriteProp(window, skinprop::WndProc, previous);
}

// Caption-button, hit-testing, sizing and child-button messages (mouse, WM_NCHITTEST,
// WM_NCLBUTTONDOWN, WM_SETCURSOR, WM_GETMINMAXINFO, WM_SYSCOMMAND, WM_DRAWITEM) reach the
// previous procedure through the default branch until their handlers are added here.
LRESULT CALLBACK SkinFrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(ReadProp(window, skinprop::WndProc));
    SkinEngine* engine = SkinEngine::Instance();
    if (!engine)
        return Forward(previous, window, message, wParam, lParam);
    const FramePainter& painter = engine->Painter();
    switch (message) {
    case WM_DESTROY:
        return Forward(engine->Detach(window), window, message, wParam, lParam);
    case WM_SIZE:
        if (!ReadProp(window, skinprop::Minimized)) {
            painter.RebuildFrameCache(window, false);
            InvalidateRect(window, nullptr, FALSE);
        }
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
    default:
        return Forward(previous, window, message, wParam, lParam);
    }
}
