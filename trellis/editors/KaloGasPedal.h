#pragma once

#include "KaloProgressBar.h"

// A progress bar the user sets by dragging along it, like a slider without a thumb: the
// pointer's x (or, with the vertical style, y with the top as the maximum) maps onto the
// range. The value is read and set with the progress bar's own calls.
class TRELLIS_API KaloGasPedal : public KaloProgressBar {
public:
    // KaloControl flag bit: the pointer is being dragged.
    static const DWORD Dragging = 0x1;

    KaloGasPedal();
    ~KaloGasPedal() override;

    // The position for a pointer at `point` in a client area of `size` with the range lo..hi;
    // FALSE for an empty client area, which has no positions to map onto.
    static BOOL PositionAt(const POINT& point, const SIZE& size, int lo, int hi, bool vertical,
                           int* position);

protected:
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* window);

    DECLARE_MESSAGE_MAP()
};
