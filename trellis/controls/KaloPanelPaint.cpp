#include "KaloPanelPaint.h"

void KaloPaintFramedPanel(CDC* dc, const RECT& area, COLORREF back, COLORREF border) {
    dc->FillSolidRect(&area, back);
    CBrush frame;
    if (frame.CreateSolidBrush(border)) {
        dc->FrameRect(&area, &frame);
    }
}
