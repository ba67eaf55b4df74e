#include "KaloComboEx.h"

#include "KaloComboBox.h"

BEGIN_MESSAGE_MAP(KaloComboEx, CComboBoxEx)
ON_WM_PAINT()
ON_WM_CTLCOLOR_REFLECT()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

void KaloComboEx::DrawFace(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, GetBackColor());
    dc->FillSolidRect(client.left, client.bottom - 1, client.Width(), 1, GetTextColor());
    KaloDrawDropArrow(dc, client, GetTextColor(), 1);
    if (GetFocus() == this) {
        dc->DrawFocusRect(&client);
    }
}

void KaloComboEx::OnPaint() {
    CPaintDC dc(this);
    DrawFace(&dc);
}

LRESULT KaloComboEx::OnPrintClient(WPARAM dc, LPARAM) {
    DrawFace(CDC::FromHandle(reinterpret_cast<HDC>(dc)));
    return 0;
}
