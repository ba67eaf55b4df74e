#include "KaloCheckPainter.h"

#include "GdiScoped.h"
#include "KaloTheme.h"

namespace {

const int kBlack = 0, kGrey128 = 4, kGrey176 = 6, kGrey200 = 7, kWhite = 9;

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
}

void Frame(HDC dc, const RECT& rect, COLORREF color) {
    ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(color));
    FrameRect(dc, &rect, brush.Get());
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void FilledEllipse(HDC dc, const RECT& rect, int penColor, int fillColor) {
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, GetKaloColor(penColor)));
    ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(GetKaloColor(fillColor)));
    ScopedSelection penSelected(dc, pen.Get());
    ScopedSelection brushSelected(dc, brush.Get());
    Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void PaintPushLike(HDC dc, const RECT& client, const char* caption, const KaloCheckLook& look) {
    COLORREF text, back;
    if (!look.enabled) {
        back = GetKaloColor(ZC_D_BUTTONBACK);
        text = GetKaloColor(ZC_D_BUTTONBORDER);
    } else if (look.check) {
        text = GetKaloColor(kBlack);
        back = GetKaloColor(kWhite);
    } else {
        text = GetKaloColor(kWhite);
        back = GetKaloColor(kBlack);
    }
    Fill(dc, client, back);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    RECT area = client;
    DrawTextA(dc, caption, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    Frame(dc, client, look.active || !look.enabled ? text : back);
}

void PaintSquareBox(HDC dc, const RECT& box, const KaloCheckLook& look) {
    if (look.boxBitmap) {
        ScopedMemoryDC memory(dc);
        ScopedSelection selected(memory.Get(), look.boxBitmap);
        BitBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, memory.Get(), 0, 0,
               SRCCOPY);
        return;
    }
    Fill(dc, box, GetKaloColor(look.check == 2 ? kGrey128 : kBlack));
    if (look.check == 1) {
        ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, GetKaloColor(kWhite)));
        ScopedSelection selected(dc, pen.Get());
        Line(dc, box.left + 2, box.top + 2, box.right - 2, box.bottom - 2);
        Line(dc, box.left + 2, box.bottom - 3, box.right - 2, box.top + 1);
    }
    Frame(dc, box, GetKaloColor(kGrey200));
}

void PaintRoundBox(HDC dc, const RECT& box, const KaloCheckLook& look) {
    // A sunken ring: shadow up-left, light down-right, then the well itself.
    FilledEllipse(dc, RECT{box.left - 1, box.top - 1, box.right - 1, box.bottom - 1}, kGrey128, kGrey128);
    FilledEllipse(dc, RECT{box.left + 1, box.top + 1, box.right + 1, box.bottom + 1}, kWhite, kWhite);
    FilledEllipse(dc, box, kGrey176, kBlack);
    if (look.check) {
        FilledEllipse(dc, RECT{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3}, kWhite, kWhite);
    }
}

void PaintCaption(HDC dc, const RECT& client, const char* caption, COLORREF text, COLORREF back,
                  const KaloCheckLook& look) {
    RECT area = KaloCheckCaptionRect(client, look.box);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    DrawTextA(dc, caption, -1, &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (look.focused) {
        SIZE extent{};
        GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &extent);
        const int top = area.top + (area.bottom - area.top - extent.cy) / 2;
        RECT focus{area.left - 1, top - 1, area.left + extent.cx + 1, top + extent.cy + 1};
        DrawFocusRect(dc, &focus);
    }
}

} // namespace

RECT KaloCheckBoxRect(const RECT& client, SIZE box) {
    return RECT{client.left + 1, client.top + 1, client.left + 1 + box.cx, client.top + 1 + box.cy};
}

RECT KaloCheckCaptionRect(const RECT& client, SIZE box) {
    return RECT{KaloCheckBoxRect(client, box).right + 5, client.top, client.right, client.bottom};
}

void KaloPaintCheck(HDC dc, const RECT& client, const char* caption, HFONT font, COLORREF text, COLORREF back,
                    const KaloCheckLook& look) {
    ScopedSelection fontSelected(dc, font);
    if (look.shape == KaloCheckLook::PushLike) {
        PaintPushLike(dc, client, caption, look);
        return;
    }
    Fill(dc, client, back);
    const RECT box = KaloCheckBoxRect(client, look.box);
    if (look.shape == KaloCheckLook::Round) {
        // The square frame first: the ring covers it but at the box's corners.
        Frame(dc, box, GetKaloColor(kGrey200));
        PaintRoundBox(dc, box, look);
    } else {
        PaintSquareBox(dc, box, look);
    }
    PaintCaption(dc, client, caption, text, back, look);
}
