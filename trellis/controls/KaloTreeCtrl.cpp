#include "KaloTreeCtrl.h"

#include "KaloFlatBorder.h"

BEGIN_MESSAGE_MAP(KaloTreeCtrl, CTreeCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

void KaloTreeCtrl::SetTextColor(COLORREF color) {
    KaloControl::SetTextColor(color);
    if (m_hWnd) {
        CTreeCtrl::SetTextColor(color);
    }
}

void KaloTreeCtrl::SetBackColor(COLORREF color) {
    KaloControl::SetBackColor(color);
    if (m_hWnd) {
        CTreeCtrl::SetBkColor(color);
    }
}

HTREEITEM KaloTreeCtrl::FindAmongSiblings(DWORD_PTR data, HTREEITEM first, int depth) {
    for (HTREEITEM item = first; item; item = GetNextSiblingItem(item)) {
        if (GetItemData(item) == data) {
            return item;
        }
        if (depth != 0) {
            const HTREEITEM child = GetChildItem(item);
            const HTREEITEM found =
                child ? FindAmongSiblings(data, child, depth == -1 ? -1 : depth - 1) : nullptr;
            if (found) {
                return found;
            }
        }
    }
    return nullptr;
}

HTREEITEM KaloTreeCtrl::DataFind(DWORD_PTR data, HTREEITEM start, int continueUpward, HTREEITEM stopAt,
                                 int depth) {
    HTREEITEM from = start ? start : GetRootItem();
    while (from) {
        if (const HTREEITEM found = FindAmongSiblings(data, from, depth)) {
            return found;
        }
        if (!continueUpward) {
            return nullptr;
        }
        // Climb to the nearest ancestor with a next sibling.
        HTREEITEM parent = GetParentItem(from);
        from = nullptr;
        while (parent && parent != stopAt) {
            from = GetNextSiblingItem(parent);
            if (from) {
                break;
            }
            parent = GetParentItem(parent);
        }
    }
    return nullptr;
}

void KaloTreeCtrl::OnCustomDraw(NMHDR* header, LRESULT* result) {
    auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *result = CDRF_NOTIFYITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT:
        if (draw->nmcd.uItemState & CDIS_SELECTED) {
            draw->clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
            draw->clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
        } else {
            draw->clrText = GetTextColor();
            draw->clrTextBk = GetBackColor();
        }
        break;
    default:
        break;
    }
    *result = CDRF_DODEFAULT;
}

BOOL KaloTreeCtrl::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, GetBackColor());
    // Setting a colour repaints the tree: only set what differs, or erasing would never end.
    if (static_cast<COLORREF>(SendMessage(TVM_GETBKCOLOR)) != GetBackColor()) {
        CTreeCtrl::SetBkColor(GetBackColor());
    }
    if (static_cast<COLORREF>(SendMessage(TVM_GETTEXTCOLOR)) != GetTextColor()) {
        CTreeCtrl::SetTextColor(GetTextColor());
    }
    return TRUE;
}

LRESULT KaloTreeCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCPAINT) {
        const LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
        return KaloDrawFlatBorder(*this, nullptr, GetBorderColor(), GetBackColor()) ? 0 : result;
    }
    return CTreeCtrl::WindowProc(message, wParam, lParam);
}
