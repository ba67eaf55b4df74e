#include <afxcmn.h>

BOOL CToolBarCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, style, rect, parent, id))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBarCtrl::AddButtons(int count, const TBBUTTON* buttons) {
    return static_cast<BOOL>(
        SendMessage(TB_ADDBUTTONSA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buttons)));
}

int CToolBarCtrl::AddBitmap(int count, CBitmap* bitmap) {
    TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(bitmap ? static_cast<HBITMAP>(*bitmap) : nullptr)};
    return static_cast<int>(
        SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&add)));
}

HIMAGELIST CToolBarCtrl::SetImageList(CImageList* list) {
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
}
