#include "GalleryWindow.h"

#include "GalleryPainter.h"

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr int kClientWidth = 1000;
constexpr int kClientHeight = 720;

} // namespace

BEGIN_MESSAGE_MAP(GalleryWindow, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
END_MESSAGE_MAP()

GalleryWindow::GalleryWindow(bool settingsFound, UINT closeAfterMs)
    : m_settingsFound(settingsFound), m_closeAfterMs(closeAfterMs) {}

BOOL GalleryWindow::CreateGallery() {
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const LPCSTR windowClass =
        AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    return CreateEx(0, windowClass, "Trellis gallery", style, 4, 4, frame.right - frame.left,
                    frame.bottom - frame.top, nullptr, nullptr);
}

int GalleryWindow::OnCreate(LPCREATESTRUCT) {
    if (m_closeAfterMs) {
        SetTimer(kCloseTimer, m_closeAfterMs);
    }
    return 0;
}

void GalleryWindow::OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    DBLBufferCDC buffer;
    if (!buffer.Create(&paint, client)) {
        GalleryPainter(paint).Paint(client, m_settingsFound);
        return;
    }
    GalleryPainter(buffer).Paint(client, m_settingsFound);
}

BOOL GalleryWindow::OnEraseBkgnd(CDC*) {
    // Every pixel is painted through the buffer: erasing first would only flicker.
    return TRUE;
}

void GalleryWindow::OnTimer(UINT_PTR id) {
    if (id == kCloseTimer) {
        KillTimer(kCloseTimer);
        PostMessage(WM_CLOSE);
    }
}
