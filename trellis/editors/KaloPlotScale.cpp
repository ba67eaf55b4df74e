#include "KaloPlotScale.h"

#include <algorithm>
#include <cmath>

namespace {

// Truncates toward zero into the 16-bit range; not-a-number counts as 0.
int ToPixel(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::trunc(std::min(32767.0, std::max(-32768.0, value))));
}

int ClampInside(int position, int extent) {
    return std::max(1, std::min(position, extent - 2));
}

} // namespace

bool KaloPlotScale::IsDefined() const {
    return std::isfinite(xMin) && std::isfinite(xMax) && std::isfinite(yMin) && std::isfinite(yMax) &&
           xMin != xMax && yMin != yMax && width > 0 && height > 0;
}

float KaloPlotScale::ValueAt(int column) const {
    return static_cast<float>(column) / static_cast<float>(width) * (xMax - xMin) + xMin;
}

int KaloPlotScale::Column(float x) const {
    return ToPixel(static_cast<double>(x - xMin) / static_cast<double>(xMax - xMin) * width);
}

double KaloPlotScale::RowValue(float v) const {
    const double span = static_cast<double>(yMax) - yMin;
    return v * (height - 1) / span - height * static_cast<double>(yMin) / span;
}

int KaloPlotScale::BarRow(float v) const {
    return ToPixel(RowValue(v));
}

int KaloPlotScale::CurveRow(float y) const {
    return ToPixel(height - 1.0 - std::trunc(RowValue(y)));
}

int KaloPlotScale::VerticalBarColumn(float x) const {
    return ClampInside(Column(x), width);
}

int KaloPlotScale::HorizontalBarRow(float v) const {
    return ClampInside(BarRow(v), height);
}
