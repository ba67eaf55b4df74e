#pragma once

#include "TrellisExport.h"

// The function drawer's mapping between values and pixels of a w × h client area (origin at
// the top left). Every pixel result is clamped to the 16-bit range GDI coordinates keep.
struct TRELLIS_API KaloPlotScale {
    float xMin = 0;
    float xMax = 1;
    float yMin = 0;
    float yMax = 1;
    int width = 0;
    int height = 0;

    // Equal or non-finite bounds leave the scale undefined: nothing is plotted then.
    bool IsDefined() const;
    // The x value plotted in pixel column c.
    float ValueAt(int column) const;
    // (x - xMin) / (xMax - xMin) × w, truncated.
    int Column(float x) const;
    // h - 1 - trunc(y × (h - 1) / (yMax - yMin) - h × yMin / (yMax - yMin)): larger values higher.
    int CurveRow(float y) const;
    // trunc(v × (h - 1) / (yMax - yMin) - h × yMin / (yMax - yMin)), measured from the top.
    int BarRow(float v) const;
    // Marker positions stay on the inside of the frame: 1 .. extent - 2.
    int VerticalBarColumn(float x) const;
    int HorizontalBarRow(float v) const;

private:
    // v × (h - 1) / (yMax - yMin) - h × yMin / (yMax - yMin), before truncation.
    double RowValue(float v) const;
};
