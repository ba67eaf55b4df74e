#include "HandleMaps.h"

#include <afxcmn.h>

BOOL CComboBoxEx::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    // Its class is not among those a program registers at start-up.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_USEREX_CLASSES};
    ::InitCommonControlsEx(&classes);
    return CWnd::Create(WC_COMBOBOXEXA, nullptr, style, rect, parent, id);
}

HIMAGELIST CComboBoxEx::SetImageList(CImageList* list) {
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
}

CEdit* CComboBoxEx::GetEditCtrl() const {
    return WndHandleMap().FromHandle<CEdit>(reinterpret_cast<HWND>(SendMessage(CBEM_GETEDITCONTROL)));
}

CComboBox* CComboBoxEx::GetComboBoxCtrl() const {
    return WndHandleMap().FromHandle<CComboBox>(reinterpret_cast<HWND>(SendMessage(CBEM_GETCOMBOCONTROL)));
}
