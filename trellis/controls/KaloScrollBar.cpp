#include "KaloScrollBar.h"

#include "KaloRangeGeometry.h"

BEGIN_MESSAGE_MAP(KaloScrollBar, CScrollBar)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, Mouse, OnLButtonDown)
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

void KaloScrollBar::DrawSB(CDC* dc) {
    CDC* target = dc ? dc : GetDC();
    if (!target) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    CBrush border(GetBorderColor());
    target->FillSolidRect(&client, GetBackColor());
    target->FrameRect(&client, &border);

    SCROLLINFO info{};
    info.cbSize = sizeof info;
    GetScrollInfo(&info, SIF_ALL);
    CRect thumb = client;
    if (GetStyle() & SBS_VERT) {
        const int arrow = GetSystemMetrics(SM_CYVSCROLL);
        const int size = GetSystemMetrics(SM_CYVTHUMB);
        thumb.top =
            client.top + KaloScrollThumbOffset(client.Height(), arrow, size, info.nPos, info.nMin, info.nMax);
        thumb.bottom = thumb.top + size;
    } else {
        const int arrow = GetSystemMetrics(SM_CXHSCROLL);
        const int size = GetSystemMetrics(SM_CXHTHUMB);
        thumb.left =
            client.left + KaloScrollThumbOffset(client.Width(), arrow, size, info.nPos, info.nMin, info.nMax);
        thumb.right = thumb.left + size;
    }
    target->FrameRect(&thumb, &border);
    if (!dc) {
        ReleaseDC(target);
    }
}

void KaloScrollBar::OnPaint() {
    CPaintDC dc(this);
    DrawSB(&dc);
}

LRESULT KaloScrollBar::OnPrintClient(WPARAM dc, LPARAM) {
    DrawSB(CDC::FromHandle(reinterpret_cast<HDC>(dc)));
    return 0;
}

void KaloScrollBar::OnLButtonDown(UINT, CPoint) {
    Default();
    DrawSB(nullptr);
}

void KaloScrollBar::OnLButtonUp(UINT, CPoint) {
    // Switching drawing back on shows a window: only a visible bar is switched.
    const bool visible = IsWindowVisible() != FALSE;
    if (visible) {
        SetRedraw(FALSE);
    }
    Default();
    if (visible) {
        SetRedraw(TRUE);
    }
    DrawSB(nullptr);
}

void KaloScrollBar::OnMouseMove(UINT, CPoint) {
    Default();
}
