#pragma once

#include "KaloProgressBar.h"
#include "KaloRangeGeometry.h"

// A rotary knob on the progress bar's range: a circle with an indicator line (or an image of
// the image list) set by dragging around the centre. With the default angles the minimum lies
// at the lower left, the maximum at the lower right, and the value grows clockwise over the top.
class TRELLIS_API KaloSpinButton : public KaloProgressBar {
public:
    void SetAngles(float start, float end);
    void GetAngles(float* start, float* end) const;
    // Font for hosts that label the knob; stored like every control's font.
    void SetFont(CFont* font, int redraw);

    // Paints the whole knob onto dc through an off-screen buffer.
    void DrawButton(CDC* dc);

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);

private:
    void DrawDial(CDC* dc, const CRect& client);

    int m_dragging = 0;
    float m_endAngle = KaloKnobEndAngle;
    float m_startAngle = KaloKnobStartAngle;

    DECLARE_MESSAGE_MAP()
};
