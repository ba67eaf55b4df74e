#include "KaloProgressBar.h"

#include "DBLBufferCDC.h"
#include "KaloRangeGeometry.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(KaloProgressBar, CWnd)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

BOOL KaloProgressBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    LPCSTR windowClass = AfxRegisterWndClass(0);
    return windowClass && CWnd::Create(windowClass, nullptr, style, rect, parent, id);
}

void KaloProgressBar::SetRange(int min, int max) {
    if (max <= min) {
        return;
    }
    m_min = min;
    m_max = max;
    if (m_hWnd) {
        Invalidate();
    }
}

void KaloProgressBar::GetRange(int& min, int& max) {
    min = m_min;
    max = m_max;
}

int KaloProgressBar::GetPos() {
    return m_pos;
}

void KaloProgressBar::SetPos(int pos) {
    m_pos = std::clamp(pos, m_min, m_max);
    if (m_hWnd) {
        Invalidate();
    }
}

HBRUSH KaloProgressBar::CtlColor(CDC* dc, UINT ctlColor) {
    return KaloControl::CtlColor(dc, ctlColor);
}

void KaloProgressBar::DrawDecorations(CDC* dc, const CRect& client) {
    if (GetStyle() & KaloProgressFrame) {
        CBrush border(GetBorderColor());
        dc->FrameRect(&client, &border);
    }
    if (GetFocus() == this) {
        dc->DrawFocusRect(&client);
    }
}

int KaloProgressBar::ImageIndex() const {
    if (!(GetStyle() & KaloProgressImages)) {
        return NoImageMode;
    }
    return m_images ? KaloProgressImageIndex(m_pos, m_min, m_max, m_images->GetImageCount()) : -1;
}

void KaloProgressBar::DrawImage(CDC* dc, const CRect& client, int index, DWORD mode) {
    dc->FillSolidRect(&client, GetBackColor());
    m_images->Draw(dc, index, CPoint(0, 0), mode);
}

void KaloProgressBar::DrawBar(CDC* dc, const CRect& client) {
    dc->FillSolidRect(&client, GetBackColor());
    const DWORD style = GetStyle();
    const COLORREF bar = (style & KaloProgressBlended)
                             ? KaloProgressBlend(GetBackColor(), GetTextColor(), m_pos, m_min, m_max)
                             : GetTextColor();
    CRect filled = client;
    if (style & KaloProgressVertical) {
        filled.top = client.bottom - KaloProgressFillLength(client.Height(), m_pos, m_min, m_max);
    } else {
        filled.right = client.left + KaloProgressFillLength(client.Width(), m_pos, m_min, m_max);
    }
    dc->FillSolidRect(&filled, bar);
}

void KaloProgressBar::DrawProgress(CDC* dc) {
    const int index = ImageIndex();
    if (index == -1) {
        return; // image mode without images: nothing to show
    }
    CRect client;
    GetClientRect(&client);
    DBLBufferCDC buffer;
    if (!buffer.Create(dc, client)) {
        return;
    }
    if (index == NoImageMode) {
        DrawBar(&buffer, client);
    } else {
        DrawImage(&buffer, client, index, KaloImageList::DrawOwnMask);
    }
    DrawDecorations(&buffer, client);
}

void KaloProgressBar::OnPaint() {
    CPaintDC dc(this);
    DrawProgress(&dc);
}

BOOL KaloProgressBar::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void KaloProgressBar::OnKillFocus(CWnd*) {
    Invalidate();
}

void KaloProgressBar::TakeFocus() {
    if (GetFocus() != this) {
        SetFocus();
        Invalidate();
    }
}

void KaloProgressBar::OnLButtonDown(UINT, CPoint) {
    TakeFocus();
    Default();
}
