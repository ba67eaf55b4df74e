// An owner-drawn list box with a check box before each item. The check state lives with
// each item; GetItemData/SetItemData reach the caller's own item data beside it.
#pragma once

#include "afx/CListBox.h"

#ifndef CLBN_CHKCHANGE
#define CLBN_CHKCHANGE 40 // sent to the parent in WM_COMMAND when a click or space changes a check
#endif

class AFX_API CCheckListBox : public CListBox {
public:
    // Adds LBS_OWNERDRAWFIXED and LBS_HASSTRINGS, which the list needs.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE or BS_AUTO3STATE.
    void SetCheckStyle(UINT style) { m_nStyle = style; }
    UINT GetCheckStyle() const { return m_nStyle; }
    void SetCheck(int index, int check);
    int GetCheck(int index) const;
    void Enable(int index, BOOL enabled = TRUE);
    BOOL IsEnabled(int index) const;
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);

    // Draws the check box, then the item (through DrawItem) to its right.
    virtual void PreDrawItem(LPDRAWITEMSTRUCT item);
    virtual void DrawCheckBox(CDC* dc, const CRect& box, int check, BOOL enabled);
    void MeasureItem(LPMEASUREITEMSTRUCT item) override;
    // The item's text in the system's list colours.
    void DrawItem(LPDRAWITEMSTRUCT item) override;

    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    int CheckBoxWidth() const { return 15; }

    DECLARE_MESSAGE_MAP()

private:
    struct ItemState;
    ItemState* StateOf(int index, bool create) const;
    void Toggle(int index);

    UINT m_nStyle = BS_AUTOCHECKBOX;
};
