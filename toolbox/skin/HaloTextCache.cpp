#include "HaloTextCache.h"

#include "MemoryCanvas.h"
#include "SkinHelpers.h"

#include <algorithm>
#include <cmath>

namespace {

const uint32_t kHaloColour = 0x5A000000;
const uint32_t kTextColour = 0xFFFFFFFF;
// Translucent, so that the halo's coverage comes from the same path as the halo's drawing.
const uint32_t kHaloCoverage = 0xFEFFFFFF;
const int kHaloOffsets[6][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {1, -1}, {1, 0}, {1, 1}};
const int kMargin = 2;          // the halo reaches one pixel out, antialiasing one more
const size_t kMostKept = 256;   // then everything is dropped and rendered anew
const int kFallbackSize = 1024; // for a DC without a bitmap to measure

// A 32-bit top-down DIB selected into its own memory DC.
class Scratch {
public:
    Scratch(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<uint32_t*>(bits);
        if (dc_ && bitmap_)
            previous_ = SelectObject(dc_, bitmap_.get());
    }
    ~Scratch() {
        if (previous_)
            SelectObject(dc_, previous_);
        if (dc_)
            DeleteDC(dc_);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    bool Valid() const { return previous_ && bits_; }
    HDC Dc() const { return dc_; }
    uint32_t& At(int x, int y) { return bits_[static_cast<size_t>(y) * width_ + x]; }

private:
    int width_;
    HDC dc_;
    GdiBitmap bitmap_;
    uint32_t* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

void DrawString(HDC dc, const std::wstring& text, Gdiplus::GpFont* font, Gdiplus::GpStringFormat* format,
                const Gdiplus::RectF& placed, uint32_t colour) {
    GdipGraphics graphics = GraphicsOn(dc);
    GdipBrush brush = MakeSolidFill(colour);
    if (!graphics || !brush)
        return;
    Gdip().GdipDrawString(graphics.get(), text.c_str(), -1, font, &placed, format, brush.get());
    Gdip().GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync);
}

// How much of each pixel `text` covers, 0 to 255, row by row, drawn in white through `colour`'s
// alpha. GDI+ takes different paths for an opaque and a translucent brush, and the opaque one
// depends on the kind of bitmap it draws on: with `like`, the text is drawn on a bitmap
// compatible with that DC, as the direct drawing there would be.
std::vector<uint8_t> Coverage(HDC like, const std::wstring& text, Gdiplus::GpFont* font,
                              Gdiplus::GpStringFormat* format, const Gdiplus::RectF& placed, int width,
                              int height, uint32_t colour) {
    Scratch read(width, height);
    if (!read.Valid())
        return {};
    if (like) {
        MemoryCanvas target(like, width, height);
        if (!target.Valid())
            return {};
        const RECT all{0, 0, width, height};
        FillRect(target.DC(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        DrawString(target.DC(), text, font, format, placed, colour);
        BitBlt(read.Dc(), 0, 0, width, height, target.DC(), 0, 0, SRCCOPY);
    } else {
        DrawString(read.Dc(), text, font, format, placed, colour);
    }
    GdiFlush();
    const unsigned alpha = colour >> 24;
    std::vector<uint8_t> coverage(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned green = (read.At(x, y) >> 8) & 0xFF;
            coverage[static_cast<size_t>(y) * width + x] =
                static_cast<uint8_t>(std::min(255u, (green * 255 + alpha / 2) / alpha));
        }
    return coverage;
}

SIZE DcSize(HDC dc) {
    BITMAP bitmap{};
    HGDIOBJ selected = GetCurrentObject(dc, OBJ_BITMAP);
    if (!selected || !GetObjectA(selected, sizeof bitmap, &bitmap) || bitmap.bmWidth <= 1)
        return {kFallbackSize, kFallbackSize};
    return {bitmap.bmWidth, bitmap.bmHeight};
}

// Where the scratch starts before the layout's whole-pixel origin, and how long it is, along
// one axis. GDI+ may draw outside a bounded layout (a centred line that does not fit), so
// that gets room of its own size on either side; an unbounded one gets the whole DC.
HaloTextCache::Span SpanOf(float size, int origin, LONG dcExtent) {
    if (size > 0) {
        const int extent = static_cast<int>(std::ceil(size)) + 1;
        return {extent + kMargin, 3 * extent + 2 * kMargin};
    }
    return {std::max(origin, 0) + kMargin,
            std::max<int>(dcExtent - origin, 1) + std::max(origin, 0) + 2 * kMargin};
}

// Premultiplied `colour` at `coverage` (0 to 255) over `under`.
void Over(float under[4], uint32_t colour, unsigned coverage) {
    const float alpha = static_cast<float>(colour >> 24) / 255.0f * static_cast<float>(coverage) / 255.0f;
    for (int channel = 0; channel < 3; ++channel) {
        const float value = static_cast<float>((colour >> (16 - 8 * channel)) & 0xFF) / 255.0f;
        under[channel] = value * alpha + under[channel] * (1.0f - alpha);
    }
    under[3] = alpha + under[3] * (1.0f - alpha);
}

uint32_t Packed(const float pixel[4]) {
    auto byte = [](float value) {
        return static_cast<uint32_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255));
    };
    return byte(pixel[3]) << 24 | byte(pixel[0]) << 16 | byte(pixel[1]) << 8 | byte(pixel[2]);
}

// Text is drawn differently on a DIB and on a device bitmap, and by colour depth.
int BitmapKind(HDC dc) {
    DIBSECTION section{};
    HGDIOBJ selected = GetCurrentObject(dc, OBJ_BITMAP);
    const bool dib = selected && GetObjectA(selected, sizeof section, &section) == sizeof section;
    return GetDeviceCaps(dc, BITSPIXEL) * 2 + (dib ? 1 : 0);
}

std::string KeyOf(const std::wstring& text, Gdiplus::GpFont* font, Gdiplus::GpStringFormat* format,
                  const Gdiplus::RectF& layout, int width, int height, int bitmapKind) {
    std::string key(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    const void* pointers[] = {font, format};
    const float box[] = {layout.X, layout.Y, layout.Width, layout.Height};
    const int size[] = {width, height, bitmapKind};
    key.append(reinterpret_cast<const char*>(pointers), sizeof pointers);
    key.append(reinterpret_cast<const char*>(box), sizeof box);
    key.append(reinterpret_cast<const char*>(size), sizeof size);
    return key;
}

} // namespace

void HaloTextCache::Draw(HDC dc, Gdiplus::GpGraphics* graphics, const std::wstring& text,
                         Gdiplus::GpFont* font, Gdiplus::GpStringFormat* format, Gdiplus::RectF layout) {
    if (text.empty() || !font || !dc)
        return;
    const int originX = static_cast<int>(std::floor(layout.X));
    const int originY = static_cast<int>(std::floor(layout.Y));
    const bool bounded = layout.Width > 0 && layout.Height > 0;
    const SIZE dcSize = bounded ? SIZE{0, 0} : DcSize(dc);
    const Span across = SpanOf(layout.Width, originX, dcSize.cx);
    const Span down = SpanOf(layout.Height, originY, dcSize.cy);
    const std::string key = KeyOf(text, font, format, layout, across.length, down.length, BitmapKind(dc));
    auto kept = kept_.find(key);
    if (kept == kept_.end()) {
        if (kept_.size() >= kMostKept)
            kept_.clear();
        kept = kept_.emplace(key, Render(dc, text, font, format, layout, across, down)).first;
    }
    if (graphics)
        Gdip().GdipFlush(graphics, Gdiplus::FlushIntentionSync);
    Compose(dc, originX + kept->second.left, originY + kept->second.top, kept->second);
}

// The text's coverage is drawn once, white on black; the halo and the text are then laid
// over each other from it, in the order the direct drawing would paint them, around the
// covered pixels only.
HaloTextCache::Rendered HaloTextCache::Render(HDC like, const std::wstring& text, Gdiplus::GpFont* font,
                                              Gdiplus::GpStringFormat* format, Gdiplus::RectF layout,
                                              Span across, Span down) {
    Rendered rendered;
    const int width = across.length, height = down.length;
    const Gdiplus::RectF placed(layout.X - std::floor(layout.X) + static_cast<float>(across.before),
                                layout.Y - std::floor(layout.Y) + static_cast<float>(down.before),
                                layout.Width, layout.Height);
    const std::vector<uint8_t> halo =
        Coverage(nullptr, text, font, format, placed, width, height, kHaloCoverage);
    const std::vector<uint8_t> body = Coverage(like, text, font, format, placed, width, height, 0xFFFFFFFF);
    if (halo.empty() || body.empty())
        return rendered;
    auto at = [&](const std::vector<uint8_t>& coverage, int x, int y) -> unsigned {
        return x < 0 || y < 0 || x >= width || y >= height ? 0 : coverage[static_cast<size_t>(y) * width + x];
    };
    auto covered = [&](int x, int y) { return at(halo, x, y) | at(body, x, y); };
    RECT ink{width, height, -1, -1};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (covered(x, y))
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x),
                       std::max<LONG>(ink.bottom, y)};
    if (ink.right < 0)
        return rendered;
    // The halo reaches one pixel beyond the ink.
    rendered.left = static_cast<int>(ink.left) - 1 - across.before;
    rendered.top = static_cast<int>(ink.top) - 1 - down.before;
    rendered.width = static_cast<int>(ink.right - ink.left) + 3;
    rendered.height = static_cast<int>(ink.bottom - ink.top) + 3;
    rendered.pixels.reserve(static_cast<size_t>(rendered.width) * rendered.height);
    for (int y = static_cast<int>(ink.top) - 1; y <= ink.bottom + 1; ++y) {
        for (int x = static_cast<int>(ink.left) - 1; x <= ink.right + 1; ++x) {
            float pixel[4] = {0, 0, 0, 0};
            for (const auto& offset : kHaloOffsets)
                Over(pixel, kHaloColour, at(halo, x - offset[0], y - offset[1]));
            Over(pixel, kTextColour, at(body, x, y));
            rendered.pixels.push_back(Packed(pixel));
        }
    }
    return rendered;
}

// Reads what is under the text, lays the text over it and puts it back: the DC's clipping
// applies to the copy back as it would to the drawing itself.
void HaloTextCache::Compose(HDC dc, int x, int y, const Rendered& rendered) {
    if (rendered.pixels.empty())
        return;
    Scratch under(rendered.width, rendered.height);
    if (!under.Valid() || !BitBlt(under.Dc(), 0, 0, rendered.width, rendered.height, dc, x, y, SRCCOPY))
        return;
    GdiFlush();
    for (int row = 0; row < rendered.height; ++row) {
        for (int column = 0; column < rendered.width; ++column) {
            const uint32_t text = rendered.pixels[static_cast<size_t>(row) * rendered.width + column];
            const uint32_t keep = 255 - (text >> 24);
            uint32_t& pixel = under.At(column, row);
            uint32_t blended = 0;
            for (int shift = 0; shift <= 16; shift += 8) {
                const uint32_t value =
                    ((text >> shift) & 0xFF) + (((pixel >> shift) & 0xFF) * keep + 127) / 255;
                blended |= std::min<uint32_t>(value, 255) << shift;
            }
            pixel = blended;
        }
    }
    BitBlt(dc, x, y, rendered.width, rendered.height, under.Dc(), 0, 0, SRCCOPY);
}
