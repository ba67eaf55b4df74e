#pragma once

#include "KaloColorModel.h"

// The colour dialog's saturation/lightness box for one hue: a 256 × 256 off-screen image built
// from the product table, rebuilt only when the hue changes, so a drag inside the box costs one
// block transfer and the marker. The image is 32-bit: blitting a 24-bit one onto today's 32-bit
// surfaces converts every pixel, which made a drag step cost 9 plain transfers instead of 2.
class TRELLIS_API KaloColorBoxImage {
public:
    static const int Side = 256;

    KaloColorBoxImage();
    ~KaloColorBoxImage();
    KaloColorBoxImage(const KaloColorBoxImage&) = delete;
    KaloColorBoxImage& operator=(const KaloColorBoxImage&) = delete;

    // Rebuilds the image when the pure colour of `hue` differs from the one it shows.
    void SetHue(float hue);
    // The image with its top left at (x, y), in one transfer; FALSE when it could not be made.
    BOOL Draw(HDC dc, int x, int y) const;
    // The image's pixel: saturation grows to the right, lightness falls downwards.
    COLORREF At(int x, int y) const;

private:
    void Build(COLORREF pure);

    KaloProductTable m_table;
    HBITMAP m_bitmap = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_previous = nullptr;
    BYTE* m_bits = nullptr;
    COLORREF m_pure = CLR_INVALID;
};

// Draws the box inside `frame` for the current colour: the image one pixel inside, the cross
// marker at saturation and lightness (black with a white copy one pixel off), then the frame.
TRELLIS_API void KaloDrawColorBox(HDC dc, const RECT& frame, KaloColorBoxImage& image, const KaloHsl& hsl,
                                  HBRUSH frameBrush);
