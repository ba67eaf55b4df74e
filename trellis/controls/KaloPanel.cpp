#include "KaloPanel.h"

#include "KaloPanelPaint.h"

BEGIN_MESSAGE_MAP(KaloPanel, CWnd)
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

BOOL KaloPanel::Create(const char* name, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(AfxRegisterWndClass(0), name, WS_CHILD, rect, parent, id);
}

void KaloPanel::Draw(CDC* dc) {
    CRect client;
    GetClientRect(client);
    KaloPaintFramedPanel(dc, client, GetBackColor(), GetBorderColor());
}

BOOL KaloPanel::OnEraseBkgnd(CDC* dc) {
    Draw(dc);
    return TRUE;
}

LRESULT KaloPanel::OnPrintClient(WPARAM dc, LPARAM) {
    return KaloPrintClient(dc, [this](CDC* target) { Draw(target); });
}
