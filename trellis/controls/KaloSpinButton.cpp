#include "KaloSpinButton.h"

#include "DBLBufferCDC.h"
#include "GdiScoped.h"

BEGIN_MESSAGE_MAP(KaloSpinButton, KaloProgressBar)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

void KaloSpinButton::SetAngles(float start, float end) {
    m_startAngle = start;
    m_endAngle = end;
    if (m_hWnd) {
        Invalidate();
    }
}

void KaloSpinButton::GetAngles(float* start, float* end) const {
    *start = m_startAngle;
    *end = m_endAngle;
}

void KaloSpinButton::SetFont(CFont* font, int redraw) {
    SetControlFont(font);
    if (m_hWnd && redraw) {
        Invalidate();
    }
}

void KaloSpinButton::DrawDial(CDC* dc, const CRect& client) {
    dc->FillSolidRect(&client, GetBackColor());
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, GetTextColor()));
    CBrush* brush = GetControlBrush();
    const HGDIOBJ fill = brush ? brush->GetSafeHandle() : GetStockObject(NULL_BRUSH);
    ScopedSelection withPen(dc->GetSafeHdc(), pen.Get());
    ScopedSelection withBrush(dc->GetSafeHdc(), fill);
    dc->Ellipse(&client);
    const POINT tip =
        KaloKnobIndicatorEnd(client, KaloKnobIndicatorAngle(m_pos, m_min, m_max, m_startAngle, m_endAngle));
    dc->MoveTo(client.CenterPoint());
    dc->LineTo(tip);
}

void KaloSpinButton::DrawButton(CDC* dc) {
    const int index = ImageIndex();
    if (index == -1) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    DBLBufferCDC buffer;
    if (!buffer.Create(dc, client)) {
        return;
    }
    if (index == NoImageMode) {
        DrawDial(&buffer, client);
    } else {
        DrawImage(&buffer, client, index, KaloImageList::DrawGlobalMask);
    }
    DrawDecorations(&buffer, client);
}

void KaloSpinButton::OnPaint() {
    CPaintDC dc(this);
    DrawButton(&dc);
}

void KaloSpinButton::OnLButtonDown(UINT flags, CPoint point) {
    TakeFocus();
    SetCapture();
    m_dragging = 1;
    KaloProgressBar::OnLButtonDown(flags, point);
}

void KaloSpinButton::OnLButtonUp(UINT, CPoint) {
    if (m_dragging) {
        m_dragging = 0;
        ReleaseCapture();
    }
    Default();
}

void KaloSpinButton::OnMouseMove(UINT, CPoint point) {
    if (m_dragging) {
        CRect client;
        GetClientRect(&client);
        const CPoint centre = client.CenterPoint();
        int pos = m_pos;
        if (KaloKnobDragPosition(point.x - centre.x, point.y - centre.y, m_startAngle, m_endAngle, m_min,
                                 m_max, &pos)) {
            SetPos(pos);
            UpdateWindow();
        }
    }
    Default();
}
