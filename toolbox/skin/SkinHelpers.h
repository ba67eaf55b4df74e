// Small bridges between the engine's ANSI/GDI world and GDI+: colours, fonts, wide text,
// images, icons and bitmaps built from embedded file bytes.
#pragma once

#include "GdipHandles.h"

#include <cstddef>
#include <string>

struct Bytes {
    const unsigned char* data = nullptr;
    size_t size = 0;
};

// GDI+ colour from a COLORREF (0x00BBGGRR) and an alpha byte.
constexpr ARGB MakeArgb(COLORREF colour, BYTE alpha) {
    return (ARGB(alpha) << 24) | (ARGB(GetRValue(colour)) << 16) | (ARGB(GetGValue(colour)) << 8) |
           ARGB(GetBValue(colour));
}

GdipBrush MakeSolidFill(ARGB argb);

// A GDI+ font of the family, or of a family that can stand in for it: the family of the font
// GDI picks for that name (GDI honours font substitutes, GDI+ does not), then the generic
// sans-serif family.
// Empty only when none of them exists.
GdipFont MakeFont(const char* family, float size, int style, Gdiplus::Unit unit);

// UTF-16 from text in the ANSI code page.
std::wstring ToWide(const char* text);

// An image read from a copy of the bytes in a fixed global block; the block is handed back
// in `block` and must outlive the image. Null (and no block) when the bytes are no image.
Gdiplus::GpImage* LoadImageFromBytes(Bytes bytes, HGLOBAL* block);

struct IcoImage {
    OwnedIcon icon;
    int width = 0;
    int height = 0;
};

// The icon of directory entry `index` of an ICO file; empty when the entry, its offset or
// its size do not lie inside the bytes, or the system cannot build the icon.
IcoImage IconFromIcoBytes(Bytes bytes, int index);

// A device-dependent bitmap from the bytes of a BMP file; empty for a malformed file.
GdiBitmap BitmapFromBmpBytes(Bytes bytes);
