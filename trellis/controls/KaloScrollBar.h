#pragma once

#include "KaloControl.h"

#include <afxwin.h>

// A scroll bar drawn as two flat frames: the bar and its thumb. The system's own scroll loop
// runs on button-down; the bar repaints itself afterwards.
class TRELLIS_API KaloScrollBar : public CScrollBar, public KaloControl {
public:
    // Draws onto dc, or onto a window context of its own when dc is null.
    void DrawSB(CDC* dc);

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    LRESULT OnPrintClient(WPARAM dc, LPARAM flags);

    DECLARE_MESSAGE_MAP()
};
