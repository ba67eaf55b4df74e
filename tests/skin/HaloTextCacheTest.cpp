// Kept halo text looks as the seven string draws it replaces, on a device bitmap and a DIB:
// over a coloured background, bounded and unbounded, clipped, with double-byte text; and a
// kept text draws the same again.
#include "HaloTextCache.h"
#include "MemoryCanvas.h"
#include "SkinHelpers.h"
#include "SkinTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const int kWidth = 160;
const int kHeight = 48;

// A bitmap like the screen's, as the skin's frame caches are, or a 32-bit DIB (a bitmap
// compatible with a DC holding one): GDI+ draws text differently on the two. Two bands of
// colour under the text.
class TargetCanvas : public MemoryCanvas {
public:
    explicit TargetCanvas(HDC like) : MemoryCanvas(like, kWidth, kHeight) {
        const RECT top{0, 0, kWidth, 24}, bottom{0, 24, kWidth, kHeight};
        FillRect(DC(), &top, GdiBrush(CreateSolidBrush(RGB(48, 96, 160))).get());
        FillRect(DC(), &bottom, GdiBrush(CreateSolidBrush(RGB(220, 200, 40))).get());
    }
    std::vector<uint32_t> Words() const {
        PixelCanvas copy(kWidth, kHeight);
        BitBlt(copy.Dc(), 0, 0, kWidth, kHeight, DC(), 0, 0, SRCCOPY);
        return copy.Words();
    }
};

void DrawDirectly(const TargetCanvas& canvas, const std::wstring& text, Gdiplus::GpFont* font,
                  Gdiplus::GpStringFormat* format, Gdiplus::RectF layout) {
    GdipGraphics graphics = GraphicsOn(canvas.DC());
    GdipBrush halo = MakeSolidFill(0x5A000000), white = MakeSolidFill(0xFFFFFFFF);
    for (int dx : {-1, 1})
        for (int dy : {-1, 0, 1}) {
            Gdiplus::RectF shifted(layout.X + dx, layout.Y + dy, layout.Width, layout.Height);
            Gdip().GdipDrawString(graphics.get(), text.c_str(), -1, font, &shifted, format, halo.get());
        }
    Gdip().GdipDrawString(graphics.get(), text.c_str(), -1, font, &layout, format, white.get());
    Gdip().GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync);
}

// The largest difference of the two pixels' channels.
int MostApart(uint32_t one, uint32_t other) {
    int most = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        most = std::max(most, std::abs(static_cast<int>((one >> shift) & 0xFF) -
                                       static_cast<int>((other >> shift) & 0xFF)));
    return most;
}

class HaloTextCacheTest : public SkinTest {};

TEST_F(HaloTextCacheTest, KeptTextLooksAsTheStringDrawsItReplaces) {
    const SkinResources& resources = engine_->Resources();
    struct Case {
        const wchar_t* text;
        Gdiplus::GpFont* font;
        Gdiplus::GpStringFormat* format;
        Gdiplus::RectF layout;
        bool clipped;
    };
    const Case cases[] = {
        {L"42%", resources.captionFont.get(), nullptr, {28, 9, 0, 0}, false},
        {L"tumbra\u5e38\u7528\u5de5\u5177\u7bb1", resources.captionFont.get(), nullptr, {8, 18, 0, 0}, false},
        {L"\u7b2c1\u5173", resources.labelFont.get(), resources.centredFormat.get(), {10, 20, 60, 16}, false},
        {L"a label far too long for its box",
         resources.labelFont.get(),
         resources.leftFormat.get(),
         {4, 4, 50, 16},
         false},
        {L"clipped by the DC", resources.labelFont.get(), nullptr, {4, 16, 0, 0}, true},
    };
    HaloTextCache cache;
    HDC screen = GetDC(nullptr);
    PixelCanvas dibLike(1, 1);
    for (bool dib : {false, true})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.text, c.text + wcslen(c.text)) +
                         (dib ? " on a DIB" : " on a device bitmap"));
            // Drawn three times: once the way the skin always drew it, then through the cache
            // when new (rendered and kept) and when kept.
            HDC like = dib ? dibLike.Dc() : screen;
            TargetCanvas direct(like), kept(like), again(like);
            DIBSECTION section{};
            ASSERT_EQ(dib, GetObjectA(GetCurrentObject(direct.DC(), OBJ_BITMAP), sizeof section, &section) ==
                               sizeof section);
            for (const TargetCanvas* canvas : {&direct, &kept, &again}) {
                if (c.clipped)
                    IntersectClipRect(canvas->DC(), 0, 0, kWidth, 22);
            }
            DrawDirectly(direct, c.text, c.font, c.format, c.layout);
            for (const TargetCanvas* canvas : {&kept, &again}) {
                GdipGraphics graphics = GraphicsOn(canvas->DC());
                cache.Draw(canvas->DC(), graphics.get(), c.text, c.font, c.format, c.layout);
            }
            const std::vector<uint32_t> expected = direct.Words(), first = kept.Words(),
                                        second = again.Words();
            int differing = 0, changed = 0;
            for (size_t i = 0; i < expected.size(); ++i) {
                differing += MostApart(expected[i], first[i]) > 2;
                changed += first[i] != (i / kWidth < 24 ? 0x3060A0u : 0xDCC828u);
            }
            EXPECT_EQ(0, differing);
            EXPECT_GT(changed, 20); // the text was drawn at all
            EXPECT_EQ(first, second);
        }
    ReleaseDC(nullptr, screen);
}

} // namespace
