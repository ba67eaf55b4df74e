#pragma once

#include "TrellisExport.h"

#include <windows.h>

// Geometry and colours of the range controls (scroll bar, slider, progress bar, knob) as pure
// functions, so each mapping can be checked without a window. An empty range (max <= min) is
// never divided by.

// Offset of the scroll thumb's leading edge along a bar `length` pixels long with arrow areas of
// `arrow` pixels at both ends: the thumb's centre follows (pos - min) / (max - min) along the
// track; an empty range puts the thumb at the track start. The thumb stays inside the track.
TRELLIS_API int KaloScrollThumbOffset(int length, int arrow, int thumb, int pos, int min, int max);

// Length of the filled part of a progress bar `length` pixels long.
TRELLIS_API int KaloProgressFillLength(int length, int pos, int min, int max);

// The blended bar colour: from 10% of the way from back towards text at min to text at max.
TRELLIS_API COLORREF KaloProgressBlend(COLORREF back, COLORREF text, int pos, int min, int max);

// Image of an image list of `count` images that shows pos: (pos - min) * (count - 1) / (max -
// min), kept within the list; -1 when the list is empty.
TRELLIS_API int KaloProgressImageIndex(int pos, int min, int max, int count);

// The side of the slider's hourglass thumb: the larger side of the thumb rectangle, at most 9.
TRELLIS_API int KaloSliderThumbSize(const RECT& thumb);

// The hourglass's closed five-point outline on an s x s square centred on the thumb rectangle:
// top-left, bottom-right, bottom-left, top-right, top-left.
TRELLIS_API void KaloSliderHourglass(const RECT& thumb, int size, POINT points[5]);

// Thumb colour of a disabled slider: components above 128 halved, the others doubled.
TRELLIS_API COLORREF KaloSliderDisabledColor(COLORREF text);

// Default knob angles in radians: the minimum at the lower left, the maximum at the lower right.
constexpr float KaloKnobStartAngle = -0.785398f;
constexpr float KaloKnobEndAngle = 3.926991f;

// The knob position for the mouse at (dx, dy) from the centre (screen axes, y down). False
// (position untouched) at the exact centre or when the angles enclose nothing.
TRELLIS_API bool KaloKnobDragPosition(int dx, int dy, float start, float end, int min, int max, int* pos);

// Angle (radians, counter-clockwise from 3 o'clock, y up) at which the knob shows pos: the
// inverse of the drag mapping, so the indicator sits where a drag to it would set the value.
TRELLIS_API float KaloKnobIndicatorAngle(int pos, int min, int max, float start, float end);

// End point of the indicator line: from the client centre at radius half the client height.
TRELLIS_API POINT KaloKnobIndicatorEnd(const RECT& client, float angle);
