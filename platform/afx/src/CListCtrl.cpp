#include <afxcmn.h>

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_LISTVIEWA, nullptr, style, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, LPCSTR heading, int format, int width) {
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT | LVCF_FMT | (width >= 0 ? LVCF_WIDTH : 0);
    info.fmt = format;
    info.cx = width;
    info.pszText = const_cast<LPSTR>(heading);
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::InsertItem(int item, LPCSTR text, int image) {
    LVITEMA info{};
    info.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
    info.iItem = item;
    info.pszText = const_cast<LPSTR>(text);
    info.iImage = image;
    return InsertItem(&info);
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCSTR text) {
    LVITEMA info{};
    info.iSubItem = subItem;
    info.pszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::GetItemText(int item, int subItem, LPSTR buffer, int length) const {
    LVITEMA info{};
    info.iSubItem = subItem;
    info.pszText = buffer;
    info.cchTextMax = length;
    return static_cast<int>(
        SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
    LVITEMA info{};
    info.mask = LVIF_PARAM;
    info.iItem = item;
    info.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&info)));
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
    LVITEMA info{};
    info.mask = LVIF_PARAM;
    info.iItem = item;
    SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    return static_cast<DWORD_PTR>(info.lParam);
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    LVITEMA info{};
    info.state = state;
    info.stateMask = mask;
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
}

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const {
    rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(
        SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(rect)));
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
    LVHITTESTINFO info{};
    info.pt = point;
    int item = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (flags)
        *flags = info.flags;
    return item;
}

HIMAGELIST CListCtrl::SetImageList(CImageList* list, int kind) {
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(kind),
                    reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
}

CImageList* CListCtrl::CreateDragImage(int item, LPPOINT upperLeft) {
    HIMAGELIST image = reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_CREATEDRAGIMAGE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(upperLeft)));
    if (!image)
        return nullptr;
    CImageList* list = new CImageList;
    list->Attach(image);
    return list;
}
