#include "CoreImageDesc.h"

bool operator==(const CoreImageDesc& a, const CoreImageDesc& b) {
    return a.Size == b.Size && a.Width == b.Width && a.Height == b.Height &&
           a.BytesPerLine == b.BytesPerLine && a.BitsPerPixel == b.BitsPerPixel && a.RedMask == b.RedMask &&
           a.GreenMask == b.GreenMask && a.BlueMask == b.BlueMask && a.AlphaMask == b.AlphaMask &&
           a.BytesPerColorMapEntry == b.BytesPerColorMapEntry && a.ColorMapEntries == b.ColorMapEntries &&
           a.ColorMap == b.ColorMap && a.Pixels == b.Pixels;
}
