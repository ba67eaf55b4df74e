#pragma once

#include "MathcoreExport.h"

#include <cstdint>

// Description of an image in memory: how to find and decode its pixels.
struct CoreImageDesc {
    uint32_t Size = sizeof(CoreImageDesc);
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t BytesPerLine = 0;
    int32_t BitsPerPixel = 0;
    uint32_t RedMask = 0;
    uint32_t GreenMask = 0;
    uint32_t BlueMask = 0;
    uint32_t AlphaMask = 0;
    uint16_t BytesPerColorMapEntry = 0;
    uint16_t ColorMapEntries = 0;
    uint8_t* ColorMap = nullptr;
    uint8_t* Pixels = nullptr;
};

// Field-by-field equality (pointers compared by address).
MATHCORE_API bool operator==(const CoreImageDesc& a, const CoreImageDesc& b);
inline bool operator!=(const CoreImageDesc& a, const CoreImageDesc& b) {
    return !(a == b);
}
