#include "HaloTextCache.h"

#include "SkinHelpers.h"

#include <cmath>

namespace {

// Room around the measured text for its one-pixel halo and glyph overhangs.
constexpr int kMargin = 2;
// Titles repeat (the progress window's run from 0% to 100%); anything beyond that is dropped
// all at once rather than tracked by age.
constexpr size_t kMostEntries = 256;

} // namespace

bool HaloTextCache::Draw(Gdiplus::GpGraphics* graphics, const std::string& text, Gdiplus::GpFont* font,
                         float x, float y, const Renderer& render) {
    const auto key = std::make_pair(font, text);
    auto found = entries_.find(key);
    if (found == entries_.end()) {
        Entry entry = Render(graphics, text, font, render);
        if (!entry.bitmap)
            return false;
        if (entries_.size() >= kMostEntries)
            entries_.clear();
        found = entries_.emplace(key, std::move(entry)).first;
    }
    const Entry& entry = found->second;
    return Gdip().GdipDrawImageRect(graphics, entry.bitmap.get(), x - kMargin, y - kMargin,
                                    float(entry.width), float(entry.height)) == Gdiplus::Ok;
}

HaloTextCache::Entry HaloTextCache::Render(Gdiplus::GpGraphics* graphics, const std::string& text,
                                           Gdiplus::GpFont* font, const Renderer& render) const {
    Entry entry;
    const std::wstring wide = ToWide(text.c_str());
    const Gdiplus::RectF unbounded(0, 0, 0, 0);
    Gdiplus::RectF bounds;
    if (Gdip().GdipMeasureString(graphics, wide.c_str(), -1, font, &unbounded, nullptr, &bounds, nullptr,
                                 nullptr) != Gdiplus::Ok)
        return entry;
    entry.width = static_cast<int>(std::ceil(bounds.Width)) + 2 * kMargin;
    entry.height = static_cast<int>(std::ceil(bounds.Height)) + 2 * kMargin;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdip().GdipCreateBitmapFromScan0(entry.width, entry.height, 0, PixelFormat32bppPARGB, nullptr,
                                         &bitmap) != Gdiplus::Ok)
        return entry;
    GdipImage owned(bitmap);
    Gdiplus::GpGraphics* canvas = nullptr;
    if (Gdip().GdipGetImageGraphicsContext(bitmap, &canvas) != Gdiplus::Ok)
        return entry;
    GdipGraphics ownedCanvas(canvas);
    Gdip().GdipGraphicsClear(canvas, 0);
    render(canvas, float(kMargin), float(kMargin));
    ownedCanvas.reset();
    entry.bitmap = std::move(owned);
    return entry;
}
