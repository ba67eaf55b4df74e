#pragma once

#include "KaloControl.h"

#include <afxwin.h>

// A list box in the theme's colours with the flat border. The colour message reaches it only
// when its parent is a layer window.
class TRELLIS_API KaloListBox : public CListBox, public KaloControl {
public:
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()
};
