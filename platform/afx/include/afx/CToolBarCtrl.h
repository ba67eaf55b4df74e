// The common-control tool bar.
#pragma once

#include "afx/CImageList.h"
#include "afx/CWnd.h"

class AFX_API CToolBarCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL AddButtons(int count, const TBBUTTON* buttons);
    int AddBitmap(int count, CBitmap* bitmap);
    BOOL SetButtonSize(CSize size) {
        return static_cast<BOOL>(SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy)));
    }
    BOOL SetBitmapSize(CSize size) {
        return static_cast<BOOL>(SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy)));
    }
    HIMAGELIST SetImageList(CImageList* list);
    int GetButtonCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }
    BOOL GetItemRect(int index, LPRECT rect) const {
        return static_cast<BOOL>(
            SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
    }
    BOOL CheckButton(int id, BOOL check = TRUE) {
        return static_cast<BOOL>(SendMessage(TB_CHECKBUTTON, static_cast<WPARAM>(id), MAKELPARAM(check, 0)));
    }
    BOOL EnableButton(int id, BOOL enable = TRUE) {
        return static_cast<BOOL>(
            SendMessage(TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(enable, 0)));
    }
    BOOL IsButtonChecked(int id) const {
        return static_cast<BOOL>(SendMessage(TB_ISBUTTONCHECKED, static_cast<WPARAM>(id)));
    }
    void AutoSize() { SendMessage(TB_AUTOSIZE); }
};
