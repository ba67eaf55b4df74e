// The skin's text over its dark halo: the text drawn six times in translucent black, shifted
// one pixel left or right and up to one pixel up or down, then once in white. Seven string
// draws cost about 1.6 ms under Wine, and a window repaints its texts at every size step and
// on every hover of a tab. Each text is rendered once per font, format, layout and kind of
// bitmap (two string draws give its coverage) and kept as a premultiplied image; drawing it
// again is one blend over the DC, about 0.2 ms. Rendering costs a little more than drawing
// directly, but a full rebuild and a repaint of one band then show the same pixels.
#pragma once

#include "GdipHandles.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class HaloTextCache {
public:
    // Along one axis: how far the scratch image reaches before the layout's whole-pixel
    // origin, and its length.
    struct Span {
        int before;
        int length;
    };

    // Draws `text` where GDI+ would lay it out in `layout` on `dc`; a zero width or height
    // leaves the layout unbounded. `graphics` is the GDI+ object on the same DC: it is
    // flushed first, so earlier drawing stays underneath.
    void Draw(HDC dc, Gdiplus::GpGraphics* graphics, const std::wstring& text, Gdiplus::GpFont* font,
              Gdiplus::GpStringFormat* format, Gdiplus::RectF layout);

private:
    struct Rendered {
        int left = 0; // from the layout's whole-pixel origin
        int top = 0;
        int width = 0;
        int height = 0;
        std::vector<uint32_t> pixels; // premultiplied 0xAARRGGBB, row by row from the top
    };

    static Rendered Render(HDC like, const std::wstring& text, Gdiplus::GpFont* font,
                           Gdiplus::GpStringFormat* format, Gdiplus::RectF layout, Span across, Span down);
    static void Compose(HDC dc, int x, int y, const Rendered& rendered);

    std::map<std::string, Rendered> kept_;
};
