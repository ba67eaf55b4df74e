#pragma once

#include "KaloControl.h"

// A plain themed panel: its back colour framed in its border colour. The base of the view's
// tool bar and left bar.
class TRELLIS_API KaloPanel : public CWnd, public KaloControl {
public:
    // A hidden child window of a class of its own.
    BOOL Create(const char* name, const RECT& rect, CWnd* parent, UINT id);
    void Draw(CDC* dc);

protected:
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnPrintClient(WPARAM dc, LPARAM flags);

    DECLARE_MESSAGE_MAP()
};
