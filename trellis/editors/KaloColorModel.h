#pragma once

#include "TrellisExport.h"

#include <windows.h>

// The colour picker's model: unit-range RGB and HSL (hue 0 = red, round the circle back to
// red at 1) and the conversions between them.
struct KaloRgb {
    float red = 0;
    float green = 0;
    float blue = 0;
};

struct KaloHsl {
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
};

// Clamps to 0..1; a value that is not a number becomes 0.
TRELLIS_API float KaloClampUnit(float value);
TRELLIS_API KaloHsl KaloRgbToHsl(const KaloRgb& rgb);
TRELLIS_API KaloRgb KaloHslToRgb(const KaloHsl& hsl);
// 0xAARRGGBB, each channel × 255 truncated (channels are expected in 0..1).
TRELLIS_API DWORD KaloPackArgb(const KaloRgb& rgb, float alpha);
// A unit channel as a byte (× 255 truncated), as the sliders and fields show it.
TRELLIS_API int KaloUnitToByte(float value);
// The pure hue (full saturation, lightness 0.5) of hue index / 255.
TRELLIS_API COLORREF KaloPureHue(int index);

// The 256 × 256 table of a × b / 255 (truncated) from which the colour box is built without
// arithmetic per pixel beyond two look-ups.
class TRELLIS_API KaloProductTable {
public:
    KaloProductTable();
    BYTE At(int a, int b) const { return m_products[a][b]; }

private:
    BYTE m_products[256][256];
};
