#pragma once

#include "KaloControl.h"

// The column down the left of a KaloView, beside its managed window.
// A plain themed panel: its back colour framed in its border colour.
class TRELLIS_API KaloLeftBar : public CWnd, public KaloControl {
public:
    // A hidden child window of a class of its own.
    BOOL Create(const char* name, const RECT& rect, CWnd* parent, UINT id);
    void Draw(CDC* dc);

protected:
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnPrintClient(WPARAM dc, LPARAM flags);

    DECLARE_MESSAGE_MAP()
};
