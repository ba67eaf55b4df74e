#include <afxwin.h>

struct CCheckListBox::ItemState {
    DWORD_PTR data = 0;
    int check = 0;
    BOOL enabled = TRUE;
};

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BOOL CCheckListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    style = (style & ~LBS_OWNERDRAWVARIABLE) | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    return CListBox::Create(style, rect, parent, id);
}

CCheckListBox::ItemState* CCheckListBox::StateOf(int index, bool create) const {
    LRESULT data = SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index));
    if (data == LB_ERR)
        return nullptr;
    ItemState* state = reinterpret_cast<ItemState*>(data);
    if (!state && create) {
        state = new ItemState;
        ::SendMessageA(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(state));
    }
    return state;
}

void CCheckListBox::SetCheck(int index, int check) {
    if (ItemState* state = StateOf(index, true)) {
        state->check = check;
        CRect rect;
        GetItemRect(index, &rect);
        InvalidateRect(&rect, FALSE);
    }
}

int CCheckListBox::GetCheck(int index) const {
    const ItemState* state = StateOf(index, false);
    return state ? state->check : 0;
}

void CCheckListBox::Enable(int index, BOOL enabled) {
    if (ItemState* state = StateOf(index, true))
        state->enabled = enabled;
}

BOOL CCheckListBox::IsEnabled(int index) const {
    const ItemState* state = StateOf(index, false);
    return state ? state->enabled : TRUE;
}

DWORD_PTR CCheckListBox::GetItemData(int index) const {
    const ItemState* state = StateOf(index, false);
    return state ? state->data : 0;
}

int CCheckListBox::SetItemData(int index, DWORD_PTR data) {
    ItemState* state = StateOf(index, true);
    if (!state)
        return LB_ERR;
    state->data = data;
    return 0;
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT item) {
    CClientDC dc(this);
    CFont* previous = dc.SelectObject(GetFont());
    TEXTMETRICA metrics{};
    dc.GetTextMetrics(&metrics);
    if (previous)
        dc.SelectObject(previous);
    item->itemHeight =
        static_cast<UINT>(metrics.tmHeight > CheckBoxWidth() ? metrics.tmHeight : CheckBoxWidth());
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT item) {
    if (static_cast<int>(item->itemID) < 0)
        return;
    CDC* dc = CDC::FromHandle(item->hDC);
    bool selected = (item->itemState & ODS_SELECTED) != 0;
    COLORREF oldText = dc->SetTextColor(::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    COLORREF oldBack = dc->SetBkColor(::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    char text[256] = {};
    if (GetTextLen(static_cast<int>(item->itemID)) < static_cast<int>(sizeof text))
        GetText(static_cast<int>(item->itemID), text);
    dc->ExtTextOut(item->rcItem.left + 2, item->rcItem.top, ETO_OPAQUE, &item->rcItem, text,
                   static_cast<UINT>(lstrlenA(text)), nullptr);
    if (item->itemState & ODS_FOCUS)
        dc->DrawFocusRect(&item->rcItem);
    dc->SetTextColor(oldText);
    dc->SetBkColor(oldBack);
}

void CCheckListBox::DrawCheckBox(CDC* dc, const CRect& box, int check, BOOL enabled) {
    UINT state = DFCS_BUTTONCHECK | (check ? DFCS_CHECKED : 0) | (enabled ? 0 : DFCS_INACTIVE);
    CRect frame = box;
    dc->DrawFrameControl(&frame, DFC_BUTTON, state);
}

void CCheckListBox::PreDrawItem(LPDRAWITEMSTRUCT item) {
    CDC* dc = CDC::FromHandle(item->hDC);
    int width = CheckBoxWidth();
    if (static_cast<int>(item->itemID) >= 0 && (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        const ItemState* state = reinterpret_cast<const ItemState*>(item->itemData);
        int top = item->rcItem.top + (item->rcItem.bottom - item->rcItem.top - (width - 2)) / 2;
        CRect box(item->rcItem.left + 1, top, item->rcItem.left + width - 1, top + width - 2);
        dc->FillSolidRect(
            CRect(item->rcItem.left, item->rcItem.top, item->rcItem.left + width, item->rcItem.bottom),
            ::GetSysColor(COLOR_WINDOW));
        DrawCheckBox(dc, box, state ? state->check : 0, state ? state->enabled : TRUE);
    }
    // The item itself sees its own data and the area right of the box.
    DRAWITEMSTRUCT shifted = *item;
    shifted.rcItem.left += width;
    const ItemState* state = reinterpret_cast<const ItemState*>(item->itemData);
    shifted.itemData = state ? state->data : 0;
    DrawItem(&shifted);
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_DRAWITEM) {
        PreDrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    }
    if (message == WM_DELETEITEM) {
        // The item's state goes with it, whatever DeleteItem overrides do.
        DELETEITEMSTRUCT* item = reinterpret_cast<DELETEITEMSTRUCT*>(lParam);
        ItemState* state = reinterpret_cast<ItemState*>(item->itemData);
        item->itemData = state ? state->data : 0;
        DeleteItem(item);
        delete state;
        *result = TRUE;
        return TRUE;
    }
    return CListBox::OnChildNotify(message, wParam, lParam, result);
}

void CCheckListBox::Toggle(int index) {
    if (!IsEnabled(index))
        return;
    bool threeState = m_nStyle == BS_AUTO3STATE || m_nStyle == BS_3STATE;
    int check = GetCheck(index);
    SetCheck(index, threeState ? (check + 1) % 3 : !check);
    CWnd* parent = GetParent();
    if (parent)
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                            reinterpret_cast<LPARAM>(m_hWnd));
}

void CCheckListBox::OnLButtonDown(UINT, CPoint point) {
    BOOL outside = TRUE;
    UINT index = ItemFromPoint(point, outside);
    CRect rect;
    if (!outside && GetItemRect(static_cast<int>(index), &rect) != LB_ERR &&
        point.x < rect.left + CheckBoxWidth())
        Toggle(static_cast<int>(index));
    Default();
}

void CCheckListBox::OnLButtonDblClk(UINT flags, CPoint point) {
    OnLButtonDown(flags, point);
}

void CCheckListBox::OnKeyDown(UINT key, UINT, UINT) {
    if (key == VK_SPACE && GetCurSel() >= 0)
        Toggle(GetCurSel());
    Default();
}
