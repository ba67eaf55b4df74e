#include "KaloListCtrl.h"

#include "KaloFlatBorder.h"
#include "KaloTheme.h"

namespace {

// Theme colours of the selection look.
constexpr int SelectionText = 9;
constexpr int SelectionBack = 4;

} // namespace

BEGIN_MESSAGE_MAP(KaloListCtrl, CListCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

KaloListCtrl::KaloListCtrl() {
    CBrush* back = GetKaloBrush(ZC_CONTROLBACK);
    SetColors(GetKaloColor(ZC_CONTROLTEXT), GetKaloColor(ZC_CONTROLBACK), GetKaloColor(ZC_CONTROLBACK),
              GetKaloColor(ZC_CONTROLBORDER), back, back);
}

void KaloListCtrl::SetTextColor(COLORREF color) {
    KaloControl::SetTextColor(color);
    if (m_hWnd) {
        CListCtrl::SetTextColor(color);
    }
}

void KaloListCtrl::SetBackColor(COLORREF color) {
    KaloControl::SetBackColor(color);
    if (m_hWnd) {
        CListCtrl::SetBkColor(color);
    }
}

void KaloListCtrl::SetColorCallbacks(KaloItemColorCallback text, KaloItemColorCallback back) {
    m_textCallback = text;
    m_backCallback = back;
}

void KaloListCtrl::SetSelectedTextColor(COLORREF) {
    m_selectedText = CLR_NONE;
}

void KaloListCtrl::SetSelectedBackColor(COLORREF) {
    m_selectedBack = CLR_NONE;
}

CImageList* KaloListCtrl::KaloCreateDragImage(int item) {
    if (item == -1) {
        CPoint cursor;
        GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        item = HitTest(cursor);
    }
    if (item < 0 || item >= GetItemCount()) {
        return nullptr;
    }
    CPoint corner;
    CImageList* image = CreateDragImage(item, &corner);
    if (image) {
        ImageList_SetBkColor(image->GetSafeHandle(), CLR_NONE);
    }
    return image;
}

LRESULT KaloListCtrl::PrePaintItem(NMLVCUSTOMDRAW* draw) {
    const DWORD_PTR data = draw->nmcd.lItemlParam;
    draw->clrText = GetTextColor();
    draw->clrTextBk = GetBackColor();
    if (m_textCallback) {
        const COLORREF text = m_textCallback(data);
        if (text != CLR_NONE) {
            draw->clrText = text;
        }
    }
    if (m_backCallback) {
        const COLORREF back = m_backCallback(data);
        if (back != CLR_NONE) {
            draw->clrTextBk = back;
        }
    }
    const int item = static_cast<int>(draw->nmcd.dwItemSpec);
    if (ThemeSelectionLook() && (GetItemState(item, LVIS_SELECTED) & LVIS_SELECTED)) {
        draw->clrText = GetKaloColor(SelectionText);
        draw->clrTextBk = GetKaloColor(SelectionBack);
        // The list view may paint its own highlight over ours (this platform's list view does
        // even without the focus): paint the label again afterwards.
        return CDRF_NOTIFYPOSTPAINT;
    }
    return CDRF_DODEFAULT;
}

void KaloListCtrl::PostPaintItem(NMLVCUSTOMDRAW* draw) {
    const int item = static_cast<int>(draw->nmcd.dwItemSpec);
    CRect label;
    if (!GetItemRect(item, &label, LVIR_LABEL)) {
        return;
    }
    char text[260] = "";
    GetItemText(item, 0, text, sizeof text);
    CDC* dc = CDC::FromHandle(draw->nmcd.hdc);
    dc->FillSolidRect(&label, GetKaloColor(SelectionBack));
    dc->SetTextColor(GetKaloColor(SelectionText));
    dc->SetBkMode(TRANSPARENT);
    CRect textRect = label;
    textRect.DeflateRect(2, 0);
    dc->DrawText(text, -1, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (GetItemState(item, LVIS_FOCUSED) & LVIS_FOCUSED) {
        const CSize extent = dc->GetTextExtent(text, static_cast<int>(strlen(text)));
        const CRect focus(textRect.left - 2, label.top, textRect.left + extent.cx + 5, label.bottom);
        dc->DrawFocusRect(&focus);
    }
}

void KaloListCtrl::OnCustomDraw(NMHDR* header, LRESULT* result) {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *result = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        *result = PrePaintItem(draw);
        break;
    case CDDS_ITEMPOSTPAINT:
        PostPaintItem(draw);
        *result = CDRF_DODEFAULT;
        break;
    default:
        *result = CDRF_DODEFAULT;
        break;
    }
}

BOOL KaloListCtrl::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, GetBackColor());
    return TRUE;
}

LRESULT KaloListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCPAINT) {
        const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
        return KaloDrawFlatBorder(*this, nullptr, GetBorderColor(), GetBackColor()) ? 0 : result;
    }
    return CListCtrl::WindowProc(message, wParam, lParam);
}
