#include "GalleryPage.h"

BEGIN_MESSAGE_MAP(GalleryPage, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL GalleryPage::CreatePage(CWnd* parent, const CRect& rect) {
    const LPCSTR windowClass = AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    if (!CreateEx(0, windowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, parent, 0)) {
        return FALSE;
    }
    if (!CreateControls()) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

int GalleryPage::OnCreate(LPCREATESTRUCT) {
    return 0;
}

void GalleryPage::OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    DBLBufferCDC buffer;
    if (!buffer.Create(&paint, client)) {
        PaintPage(paint, client);
        return;
    }
    PaintPage(buffer, client);
}

BOOL GalleryPage::OnEraseBkgnd(CDC*) {
    // The whole page is painted through the buffer.
    return TRUE;
}

void GalleryPage::PaintPage(CDC& dc, const CRect& client) {
    dc.FillSolidRect(&client, GetKaloColor(ZC_DIALOGBACKLIGHT));
}

void GalleryPage::Label(CDC& dc, int x, int y, const char* text) {
    CFont* previous = dc.SelectObject(GetKaloFont(0));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetKaloColor(ZC_CONTROLTEXT));
    dc.TextOut(x, y, text, static_cast<int>(strlen(text)));
    dc.SelectObject(previous);
}
