#pragma once

#include "KaloControl.h"

#include <afxcmn.h>

// KaloControl flag of KaloSlider: write the range's ends beside the channel.
constexpr DWORD KaloSliderShowRange = 0x1;

// A trackbar drawn as a thin channel line with an hourglass thumb and optional range labels.
class TRELLIS_API KaloSlider : public CSliderCtrl, public KaloControl {
public:
    // Draws onto a window context of its own through an off-screen buffer.
    void DrawSlider(int enabled);
    void ShowRange(int show);

    // The drawing itself, onto any context: horizontal, and the same mirrored across the diagonal.
    void DrawHorzSlider(CDC* dc, int enabled);
    void DrawVertSlider(CDC* dc, int enabled);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnPrintClient(WPARAM dc, LPARAM flags);

private:
    void Draw(CDC* dc, int enabled);
    void DrawLinear(CDC* dc, int enabled, bool vertical);

    DECLARE_MESSAGE_MAP()
};
