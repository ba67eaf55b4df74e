#pragma once

#include "TrellisExport.h"

#include <windows.h>

#include <cstdint>

// A device-independent section bitmap (bottom-up rows, RGB colour table of full length and
// all zero for 8 bits or fewer); null when the system refuses it.
TRELLIS_API HBITMAP KaloCtlCreateBitmap(int width, int height, int bitCount);

// A 32-bit top-down DIB section (rows from the top, 0x00RRGGBB words) and its pixels; null
// (and *bits null) when the system refuses it.
TRELLIS_API HBITMAP KaloCtlCreateDib32(int width, int height, uint32_t** bits);

// Copies a block from src to dest, leaving dest unchanged wherever the source pixel has the
// key colour. The source is only read.
TRELLIS_API void KaloCtlTransparentBlt(HDC dest, int xDest, int yDest, int width, int height, HDC src,
                                       int xSrc, int ySrc, COLORREF key);

// Blends a block of src over dest with constant opacity alpha (0: dest only, 255: src only),
// pixel by pixel through the contexts: meant for small images.
TRELLIS_API void KaloCtlAlphaBlend(HDC dest, int xDest, int yDest, int width, int height, HDC src, int xSrc,
                                   int ySrc, int alpha);
