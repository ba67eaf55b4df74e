#include "KaloCheckListBox.h"

#include "GdiScoped.h"
#include "KaloTheme.h"

namespace {

const int kBlack = 0, kGrey128 = 4, kRed = 10;

} // namespace

// The reflected control colour is the shared answer of the mix-in.
BEGIN_MESSAGE_MAP(KaloCheckListBox, CCheckListBox)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

void KaloCheckListBox::PreDrawItem(LPDRAWITEMSTRUCT item) {
    m_itemRect = item->rcItem;
    CCheckListBox::PreDrawItem(item);
}

void KaloCheckListBox::DrawCheckBox(CDC* dc, const CRect& box, int check, BOOL) {
    HDC hdc = dc->GetSafeHdc();
    // The column beside the text is part of the flat item, not the system's window colour.
    const RECT column{m_itemRect.left, m_itemRect.top, box.right + 1, m_itemRect.bottom};
    ScopedGdiObject<HBRUSH> back(CreateSolidBrush(GetBackColor()));
    FillRect(hdc, &column, back.Get());
    ScopedGdiObject<HBRUSH> fill(CreateSolidBrush(GetKaloColor(kGrey128)));
    FillRect(hdc, &box, fill.Get());
    ScopedGdiObject<HBRUSH> frame(CreateSolidBrush(GetKaloColor(kBlack)));
    FrameRect(hdc, &box, frame.Get());
    if (!check) {
        return;
    }
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 2, GetKaloColor(kRed)));
    ScopedSelection selected(hdc, pen.Get());
    const int width = box.Width(), height = box.Height();
    const POINT tick[] = {{box.left + width / 5, box.top + height / 2},
                          {box.left + width * 2 / 5, box.bottom - height / 4},
                          {box.right - width / 5, box.top + height / 5}};
    Polyline(hdc, tick, 3);
}

void KaloCheckListBox::DrawItem(LPDRAWITEMSTRUCT item) {
    if (static_cast<int>(item->itemID) < 0) {
        return;
    }
    HDC dc = item->hDC;
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    ::SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetTextColor());
    ::SetBkColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHT) : GetBackColor());
    CFont* font = GetControlFont();
    ScopedSelection fontSelected(dc, font ? font->GetSafeHandle() : nullptr);
    char text[256] = {};
    const int index = static_cast<int>(item->itemID);
    if (GetTextLen(index) < static_cast<int>(sizeof text)) {
        GetText(index, text);
    }
    ExtTextOutA(dc, item->rcItem.left + 2, item->rcItem.top, ETO_OPAQUE, &item->rcItem, text,
                static_cast<UINT>(lstrlenA(text)), nullptr);
    if (item->itemState & ODS_FOCUS) {
        DrawFocusRect(dc, &item->rcItem);
    }
}
