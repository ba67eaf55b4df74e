// Halo texts rendered once into transparent bitmaps and afterwards only copied. A window
// title is drawn at every repaint of the banner, and the progress window changes its title
// at every step of an extraction: through GDI+ a halo text costs seven string draws, a
// cached one a single image copy.
#pragma once

#include "GdipHandles.h"

#include <functional>
#include <map>
#include <string>
#include <utility>

class HaloTextCache {
public:
    // Draws the text at (x, y) with an unbounded layout on `graphics`.
    using Renderer = std::function<void(Gdiplus::GpGraphics* graphics, float x, float y)>;

    // Copies the text's bitmap to (x, y), rendering it with `render` first when the text is
    // new for this font. False when no bitmap could be made; the caller then draws directly.
    bool Draw(Gdiplus::GpGraphics* graphics, const std::string& text, Gdiplus::GpFont* font, float x, float y,
              const Renderer& render);
    size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        GdipImage bitmap;
        int width = 0;
        int height = 0;
    };
    Entry Render(Gdiplus::GpGraphics* graphics, const std::string& text, Gdiplus::GpFont* font,
                 const Renderer& render) const;

    std::map<std::pair<Gdiplus::GpFont*, std::string>, Entry> entries_;
};
