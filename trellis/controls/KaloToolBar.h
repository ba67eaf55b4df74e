#pragma once

#include "KaloControl.h"

// The strip along the top of a KaloView, where a host puts its tool buttons.
// A plain themed panel: its back colour framed in its border colour.
class TRELLIS_API KaloToolBar : public CWnd, public KaloControl {
public:
    // A hidden child window of a class of its own.
    BOOL Create(const char* name, const RECT& rect, CWnd* parent, UINT id);
    void Draw(CDC* dc);

protected:
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnPrintClient(WPARAM dc, LPARAM flags);

    DECLARE_MESSAGE_MAP()
};
