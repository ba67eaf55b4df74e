#pragma once

#include "TrellisExport.h"

#include "CoreImageDesc.h"

#include <cstdint>

// The image viewer's renderer: source pixels described by a CoreImageDesc in, 32-bit
// top-down 0x00RRGGBB pixels out. No window, no GDI: plain buffers.

// Where and how to sample: the displayed rectangle in the output, the source point at its
// top-left and the source distance per output pixel, both in 16.16 fixed point.
struct KaloRenderArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int32_t panX = 0;
    int32_t panY = 0;
    int32_t stepX = 0x10000;
    int32_t stepY = 0x10000;
};

// A 32-bit top-down output buffer, width words per row.
struct KaloRenderTarget {
    uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

enum class KaloRenderResult {
    Rendered,
    NoImage,     // no pixels, or a descriptor that cannot be read safely
    NoAlphaMask, // an alpha view of an image without an alpha mask
};

// The descriptor of a 32-bit buffer of 0xAARRGGBB words, rows packed.
TRELLIS_API CoreImageDesc KaloDescribeArgb32(int width, int height, uint32_t* pixels);

// Whether the pixels can be read without leaving the buffer the descriptor describes: pixels
// present, width and height in 1..32767, 8, 16, 24 or 32 bits per pixel, rows at least as
// long as their pixels.
TRELLIS_API bool KaloImageDescReadable(const CoreImageDesc& desc);

// Shift and width of a mask's run of set bits (both 0 for an empty mask).
TRELLIS_API void KaloMaskRun(uint32_t mask, int& shift, int& bits);

// The raw value of source pixel (x, y), little-endian as stored; the caller keeps x and y
// inside a readable image.
TRELLIS_API uint32_t KaloReadSourcePixel(const CoreImageDesc& desc, int x, int y);

// Renders the area into the target (clipped to it); pixels of the target outside the area
// are left alone. Colour: each channel extracted with its mask and scaled to 8 bits. Alpha
// view: the alpha channel as grey. Source positions past the image's edge stay on its edge.
TRELLIS_API KaloRenderResult KaloRenderImage(const CoreImageDesc& desc, const KaloRenderArea& area,
                                             bool alphaView, const KaloRenderTarget& target);
