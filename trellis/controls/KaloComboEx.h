#pragma once

#include "KaloControl.h"

#include <afxcmn.h>

// The extended combo box with a flat face: back colour, a bottom line and the drop arrow in the
// text colour. The colour message reaches it only when its parent is a layer window.
class TRELLIS_API KaloComboEx : public CComboBoxEx, public KaloControl {
public:
    // Paints the face onto any context.
    void DrawFace(CDC* dc);

protected:
    void OnPaint();
    LRESULT OnPrintClient(WPARAM dc, LPARAM flags);

    DECLARE_MESSAGE_MAP()
};
