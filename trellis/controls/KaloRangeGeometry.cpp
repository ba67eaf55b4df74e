#include "KaloRangeGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

// (pos - min) / (max - min) in [0, 1]; 0 for an empty range.
double Fraction(int pos, int min, int max) {
    if (max <= min) {
        return 0.0;
    }
    const double f = (static_cast<double>(pos) - min) / (static_cast<double>(max) - min);
    return std::clamp(f, 0.0, 1.0);
}

} // namespace

int KaloScrollThumbOffset(int length, int arrow, int thumb, int pos, int min, int max) {
    int centre = arrow;
    if (max > min) {
        const long long track = static_cast<long long>(length) - 2LL * arrow;
        const long long span = static_cast<long long>(max) - min;
        const long long along = std::clamp(static_cast<long long>(pos) - min, 0LL, span);
        centre = arrow + static_cast<int>(track * along / span);
    }
    const int offset = std::max(centre - thumb / 2, arrow);
    return std::min(offset, length - arrow - thumb);
}

int KaloProgressFillLength(int length, int pos, int min, int max) {
    return static_cast<int>(length * Fraction(pos, min, max));
}

COLORREF KaloProgressBlend(COLORREF back, COLORREF text, int pos, int min, int max) {
    const double t = 0.1 + 0.9 * Fraction(pos, min, max);
    auto mix = [t](int b, int f) { return static_cast<BYTE>(b * (1.0 - t) + f * t); };
    return RGB(mix(GetRValue(back), GetRValue(text)), mix(GetGValue(back), GetGValue(text)),
               mix(GetBValue(back), GetBValue(text)));
}

int KaloProgressImageIndex(int pos, int min, int max, int count) {
    if (count <= 0) {
        return -1;
    }
    if (max <= min) {
        return 0;
    }
    const long long index =
        (static_cast<long long>(pos) - min) * (count - 1) / (static_cast<long long>(max) - min);
    return static_cast<int>(std::clamp(index, 0LL, static_cast<long long>(count - 1)));
}

int KaloSliderThumbSize(const RECT& thumb) {
    return static_cast<int>(std::min<LONG>(std::max(thumb.right - thumb.left, thumb.bottom - thumb.top), 9));
}

void KaloSliderHourglass(const RECT& thumb, int size, POINT points[5]) {
    const int left = (thumb.left + thumb.right) / 2 - size / 2;
    const int top = (thumb.top + thumb.bottom) / 2 - size / 2;
    const int right = left + size - 1;
    const int bottom = top + size - 1;
    points[0] = {left, top};
    points[1] = {right, bottom};
    points[2] = {left, bottom};
    points[3] = {right, top};
    points[4] = {left, top};
}

COLORREF KaloSliderDisabledColor(COLORREF text) {
    auto fade = [](int c) { return static_cast<BYTE>(c > 128 ? c / 2 : std::min(c * 2, 255)); };
    return RGB(fade(GetRValue(text)), fade(GetGValue(text)), fade(GetBValue(text)));
}

bool KaloKnobDragPosition(int dx, int dy, float start, float end, int min, int max, int* pos) {
    if ((dx == 0 && dy == 0) || end == start) {
        return false;
    }
    // Counter-clockwise from 3 o'clock with y up, taken in [-pi/2, 3pi/2).
    double angle = std::atan2(-static_cast<double>(dy), static_cast<double>(dx));
    if (angle < -Pi / 2) {
        angle += 2 * Pi;
    }
    if (angle > end) {
        angle = end;
    }
    if (angle < start) {
        angle = start;
    }
    const double fraction = 1.0 - (angle - start) / (static_cast<double>(end) - start);
    *pos = min + static_cast<int>(fraction * (static_cast<double>(max) - min));
    return true;
}

float KaloKnobIndicatorAngle(int pos, int min, int max, float start, float end) {
    return static_cast<float>(end - (static_cast<double>(end) - start) * Fraction(pos, min, max));
}

POINT KaloKnobIndicatorEnd(const RECT& client, float angle) {
    const double cx = (client.left + client.right) / 2.0;
    const double cy = (client.top + client.bottom) / 2.0;
    const double radius = (client.bottom - client.top) / 2.0;
    return {static_cast<LONG>(std::lround(cx + radius * std::cos(angle))),
            static_cast<LONG>(std::lround(cy - radius * std::sin(angle)))};
}
