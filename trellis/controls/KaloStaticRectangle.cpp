#include "KaloStaticRectangle.h"

#include "DBLBufferCDC.h"
#include "KaloPanelPaint.h"

BEGIN_MESSAGE_MAP(KaloStaticRectangle, CStatic)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

void KaloStaticRectangle::Draw(CDC* dc) {
    CRect client;
    GetClientRect(client);
    KaloPaintFramedPanel(dc, client, GetBackColor(), GetBorderColor());
}

int KaloStaticRectangle::OnCreate(LPCREATESTRUCT) {
    return Default() == -1 ? -1 : 0;
}

void KaloStaticRectangle::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(client);
    DBLBufferCDC buffer;
    if (buffer.Create(&dc, client)) {
        Draw(&buffer);
    } else {
        Draw(&dc);
    }
}

BOOL KaloStaticRectangle::OnEraseBkgnd(CDC*) {
    return TRUE;
}

LRESULT KaloStaticRectangle::OnPrintClient(WPARAM dc, LPARAM) {
    return KaloPrintClient(dc, [this](CDC* target) { Draw(target); });
}
