#include "KaloSlider.h"

#include "DBLBufferCDC.h"
#include "GdiScoped.h"
#include "KaloRangeGeometry.h"

#include <cstdio>
#include <utility>

namespace {

// The vertical slider is drawn as the horizontal one with x and y exchanged.
RECT Swapped(const RECT& r, bool swap) {
    return swap ? RECT{r.top, r.left, r.bottom, r.right} : r;
}

POINT Swapped(POINT p, bool swap) {
    return swap ? POINT{p.y, p.x} : p;
}

} // namespace

BEGIN_MESSAGE_MAP(KaloSlider, CSliderCtrl)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

void KaloSlider::ShowRange(int show) {
    ModifyFlags(show ? KaloSliderShowRange : 0, show ? 0 : KaloSliderShowRange);
    if (m_hWnd) {
        Invalidate();
    }
}

void KaloSlider::DrawLinear(CDC* dc, int enabled, bool vertical) {
    CRect client;
    GetClientRect(&client);
    CRect thumb;
    GetThumbRect(&thumb);
    CRect channel;
    GetChannelRect(&channel);
    // Trackbars report a vertical channel in horizontal form: bring both into that form.
    const RECT hThumb = Swapped(thumb, vertical);
    const RECT hChannel =
        (vertical && channel.Height() > channel.Width()) ? Swapped(channel, true) : RECT(channel);
    const int s = KaloSliderThumbSize(hThumb);
    const int centre = (hChannel.top + hChannel.bottom) / 2;

    const HDC hdc = dc->GetSafeHdc();
    CFont* font = GetControlFont();
    ScopedSelection withFont(hdc, font ? font->GetSafeHandle() : nullptr);
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, GetTextColor()));
    ScopedSelection withPen(hdc, pen.Get());
    dc->FillSolidRect(&client, GetBackColor());
    dc->SetTextColor(GetTextColor());
    dc->SetBkColor(GetBackColor());
    dc->SetBkMode(TRANSPARENT);

    if (GetFlags() & KaloSliderShowRange) {
        char low[16], high[16];
        std::snprintf(low, sizeof low, "%d", GetRangeMin());
        std::snprintf(high, sizeof high, "%d", GetRangeMax());
        RECT labels = Swapped(
            RECT{hChannel.left, hChannel.top, hChannel.right, Swapped(client, vertical).bottom}, vertical);
        const UINT lowAlign = vertical ? DT_TOP : DT_LEFT | DT_BOTTOM;
        const UINT highAlign = vertical ? DT_BOTTOM : DT_RIGHT | DT_BOTTOM;
        const UINT side = vertical ? DT_RIGHT : 0;
        dc->DrawText(low, -1, &labels, lowAlign | side | DT_SINGLELINE | DT_NOPREFIX);
        dc->DrawText(high, -1, &labels, highAlign | side | DT_SINGLELINE | DT_NOPREFIX);
        if ((GetStyle() & TBS_NOTICKS) == 0) {
            for (int x : {hChannel.left + s / 2, hChannel.right - s / 2 - 1}) {
                const RECT tick = Swapped(RECT{x, centre - s / 2, x + 1, centre}, vertical);
                dc->FillSolidRect(&tick, GetTextColor());
            }
        }
    }
    const int lineLength = (hChannel.right - hChannel.left) - s;
    if (lineLength > 0) {
        const RECT line = Swapped(
            RECT{hChannel.left + s / 2, centre, hChannel.left + s / 2 + lineLength, centre + 1}, vertical);
        dc->FillSolidRect(&line, GetTextColor());
    }

    POINT outline[5];
    KaloSliderHourglass(hThumb, s, outline);
    for (POINT& p : outline) {
        p = Swapped(p, vertical);
    }
    ScopedGdiObject<HBRUSH> fill(
        CreateSolidBrush(enabled ? GetTextColor() : KaloSliderDisabledColor(GetTextColor())));
    ScopedSelection withFill(hdc, fill.Get());
    dc->Polygon(outline, 5);
}

void KaloSlider::DrawHorzSlider(CDC* dc, int enabled) {
    DrawLinear(dc, enabled, false);
}

void KaloSlider::DrawVertSlider(CDC* dc, int enabled) {
    DrawLinear(dc, enabled, true);
}

void KaloSlider::Draw(CDC* dc, int enabled) {
    CRect client;
    GetClientRect(&client);
    DBLBufferCDC buffer;
    if (!buffer.Create(dc, client)) {
        return;
    }
    if (GetStyle() & TBS_VERT) {
        DrawVertSlider(&buffer, enabled);
    } else {
        DrawHorzSlider(&buffer, enabled);
    }
}

void KaloSlider::DrawSlider(int enabled) {
    CDC* dc = GetDC();
    if (!dc) {
        return;
    }
    Draw(dc, enabled);
    ReleaseDC(dc);
    ValidateRect(nullptr);
}

void KaloSlider::OnPaint() {
    CPaintDC dc(this);
    Draw(&dc, IsWindowEnabled());
}

BOOL KaloSlider::OnEraseBkgnd(CDC*) {
    return TRUE;
}

LRESULT KaloSlider::OnPrintClient(WPARAM dc, LPARAM) {
    Draw(CDC::FromHandle(reinterpret_cast<HDC>(dc)), IsWindowEnabled());
    return 0;
}
