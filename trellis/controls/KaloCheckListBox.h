#pragma once

#include "KaloControl.h"
#include "TrellisExport.h"

#include <afxwin.h>

// A checked list box in flat theme colours: each item's box is framed and filled grey, a
// checked one gets a red tick. Items are drawn in the control's text and back colours (the
// system's highlight colours when selected).
class TRELLIS_API KaloCheckListBox : public CCheckListBox, public KaloControl {
public:
    KaloCheckListBox() = default;

    void PreDrawItem(LPDRAWITEMSTRUCT item) override;
    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void DrawCheckBox(CDC* dc, const CRect& box, int check, BOOL enabled) override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    RECT m_itemRect{}; // the item being drawn, for the box's column
};
