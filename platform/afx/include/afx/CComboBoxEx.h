// The common-control extended combo box (items with images).
#pragma once

#include "afx/CComboBox.h"
#include "afx/CEdit.h"
#include "afx/CImageList.h"

class AFX_API CComboBoxEx : public CComboBox {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int InsertItem(const COMBOBOXEXITEMA* item) {
        return static_cast<int>(SendMessage(CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item)));
    }
    int DeleteItem(int index) {
        return static_cast<int>(SendMessage(CBEM_DELETEITEM, static_cast<WPARAM>(index)));
    }
    HIMAGELIST SetImageList(CImageList* list);
    CEdit* GetEditCtrl() const;
    CComboBox* GetComboBoxCtrl() const;
};
