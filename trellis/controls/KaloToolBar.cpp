#include "KaloToolBar.h"

#include "KaloPanelPaint.h"

BEGIN_MESSAGE_MAP(KaloToolBar, CWnd)
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

BOOL KaloToolBar::Create(const char* name, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(AfxRegisterWndClass(0), name, WS_CHILD, rect, parent, id);
}

void KaloToolBar::Draw(CDC* dc) {
    CRect client;
    GetClientRect(client);
    KaloPaintFramedPanel(dc, client, GetBackColor(), GetBorderColor());
}

BOOL KaloToolBar::OnEraseBkgnd(CDC* dc) {
    Draw(dc);
    return TRUE;
}

LRESULT KaloToolBar::OnPrintClient(WPARAM dc, LPARAM) {
    return KaloPrintClient(dc, [this](CDC* target) { Draw(target); });
}
