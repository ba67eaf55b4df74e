#pragma once

#include "KaloControl.h"

// A static drawn as a framed area: back colour inside a one-pixel border colour frame.
class TRELLIS_API KaloStaticRectangle : public CStatic, public KaloControl {
public:
    void Draw(CDC* dc);

protected:
    int OnCreate(LPCREATESTRUCT create);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnPrintClient(WPARAM dc, LPARAM flags);

    DECLARE_MESSAGE_MAP()
};
