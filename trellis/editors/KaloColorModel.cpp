#include "KaloColorModel.h"

#include <algorithm>
#include <cmath>

namespace {

float HueToChannel(float low, float high, float hue) {
    if (hue < 0) {
        hue += 1;
    }
    if (hue > 1) {
        hue -= 1;
    }
    if (hue * 6 < 1) {
        return low + (high - low) * hue * 6;
    }
    if (hue * 2 < 1) {
        return high;
    }
    if (hue * 3 < 2) {
        return low + (high - low) * (2.0f / 3 - hue) * 6;
    }
    return low;
}

} // namespace

float KaloClampUnit(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    return std::min(1.0f, std::max(0.0f, value));
}

KaloHsl KaloRgbToHsl(const KaloRgb& rgb) {
    const float high = std::max({rgb.red, rgb.green, rgb.blue});
    const float low = std::min({rgb.red, rgb.green, rgb.blue});
    KaloHsl hsl;
    hsl.lightness = (high + low) / 2;
    const float spread = high - low;
    if (spread <= 0) {
        return hsl; // a grey: no hue, no saturation
    }
    hsl.saturation = hsl.lightness <= 0.5f ? spread / (high + low) : spread / (2 - high - low);
    float sixths;
    if (high == rgb.red) {
        sixths = (rgb.green - rgb.blue) / spread;
    } else if (high == rgb.green) {
        sixths = 2 + (rgb.blue - rgb.red) / spread;
    } else {
        sixths = 4 + (rgb.red - rgb.green) / spread;
    }
    if (sixths < 0) {
        sixths += 6;
    }
    hsl.hue = sixths / 6;
    return hsl;
}

KaloRgb KaloHslToRgb(const KaloHsl& hsl) {
    const float l = hsl.lightness;
    const float s = hsl.saturation;
    if (s <= 0) {
        return {l, l, l};
    }
    const float high = l <= 0.5f ? l * (1 + s) : l + s - l * s;
    const float low = 2 * l - high;
    return {HueToChannel(low, high, hsl.hue + 1.0f / 3), HueToChannel(low, high, hsl.hue),
            HueToChannel(low, high, hsl.hue - 1.0f / 3)};
}

int KaloUnitToByte(float value) {
    return static_cast<int>(KaloClampUnit(value) * 255);
}

DWORD KaloPackArgb(const KaloRgb& rgb, float alpha) {
    return static_cast<DWORD>(KaloUnitToByte(alpha)) << 24 |
           static_cast<DWORD>(KaloUnitToByte(rgb.red)) << 16 |
           static_cast<DWORD>(KaloUnitToByte(rgb.green)) << 8 | static_cast<DWORD>(KaloUnitToByte(rgb.blue));
}

COLORREF KaloPureHue(int index) {
    const KaloRgb rgb = KaloHslToRgb({index / 255.0f, 1, 0.5f});
    return RGB(static_cast<int>(std::lround(rgb.red * 255)), static_cast<int>(std::lround(rgb.green * 255)),
               static_cast<int>(std::lround(rgb.blue * 255)));
}

KaloProductTable::KaloProductTable() {
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            m_products[a][b] = static_cast<BYTE>(a * b / 255);
        }
    }
}
