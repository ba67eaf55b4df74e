#pragma once

#include "KaloControl.h"
#include "KaloEdit.h"
#include "KaloRedrawSwitch.h"

#include <afxwin.h>

// KaloControl flags of KaloComboBox.
constexpr DWORD KaloComboRedrawOff = 0x1;
constexpr DWORD KaloComboNoUnderline = 0x2;
constexpr DWORD KaloComboTopLine = 0x4;
constexpr DWORD KaloComboBottomLine = 0x8;
constexpr DWORD KaloComboLeftLine = 0x10;
constexpr DWORD KaloComboRightLine = 0x20;
constexpr DWORD KaloComboItemDrawn = 0x80000000;

// An owner-drawn combo box with a flat face of its own. Every message after which the system
// would repaint the combo runs with drawing switched off, and the face is painted again
// afterwards, so the system's drawing never shows. The edit child of an editable combo is
// subclassed once by the embedded KaloEdit. Owner-draw requests are reflected, so the parent
// must be a layer window; the combo needs CBS_OWNERDRAWFIXED and CBS_HASSTRINGS.
class TRELLIS_API KaloComboBox : public CComboBox, public KaloControl {
public:
    KaloComboBox();

    void SetControlBrush(CBrush* brush) override;
    void SetControlFont(CFont* font) override;
    // Adds the text and gives the new item its data; the item's index or a CB_ERR code.
    int AddStringAndData(const char* text, DWORD_PTR data);
    void SetRedraw(int on);
    void SetOwnerDrawHeight(int height);
    KaloEdit* GetEditBox() { return &m_edit; }
    // The drop-down list's window (temporary wrapper), or null.
    CWnd* GetListBox() const;

    // Paints the face onto dc (null: a window context of its own); nothing while the combo is
    // hidden or its drawing is suspended.
    virtual void DoOnPaint(CDC* dc, int invalidate);
    BOOL DoOnEraseBkgnd(CDC* dc);

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override;
    int CompareItem(LPCOMPAREITEMSTRUCT item) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool IsDropDownList() const { return (GetStyle() & 0x3) == CBS_DROPDOWNLIST; }
    void SubclassEditChild();
    void PaintFace(CDC* dc, const CRect& client);
    void DrawDisabledFace(CDC* dc, const CRect& client);
    void DrawEdgeLines(CDC* dc, const CRect& client);
    LRESULT ChildColor(WPARAM dc);
    LRESULT QuietlyProcess(UINT message, WPARAM wParam, LPARAM lParam);

    KaloEdit m_edit;
    DWORD m_reserved[3] = {};
    int m_itemHeight = 16;
    KaloRedrawSwitch m_redraw;

    DECLARE_MESSAGE_MAP()
};

// Draws the four-row drop arrow whose top row spans [right - 2 - 7 - inset, right - 2 - inset)
// at half the height minus 2: the combo box uses inset 0, the extended combo box inset 1.
TRELLIS_API void KaloDrawDropArrow(CDC* dc, const CRect& client, COLORREF color, int inset);
