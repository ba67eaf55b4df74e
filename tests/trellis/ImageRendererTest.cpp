// The image renderer on raw buffers: every pixel layout, zoom 1 and 2, the alpha view and
// the descriptors it must refuse. No window is involved.
#include <KaloImageRenderer.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Layout {
    const char* name;
    int bits;
    uint32_t red, green, blue, alpha;
};

// A 2 x 2 image whose four pixels are given as raw values in the layout.
struct TinyImage {
    std::vector<uint8_t> bytes;
    CoreImageDesc desc;

    TinyImage(const Layout& layout, const uint32_t (&raw)[4], int padding = 0) {
        const int size = layout.bits / 8;
        desc.Width = desc.Height = 2;
        desc.BitsPerPixel = layout.bits;
        desc.BytesPerLine = 2 * size + padding;
        desc.RedMask = layout.red;
        desc.GreenMask = layout.green;
        desc.BlueMask = layout.blue;
        desc.AlphaMask = layout.alpha;
        bytes.assign(static_cast<size_t>(desc.BytesPerLine) * 2, 0xEE);
        for (int i = 0; i < 4; ++i) {
            uint8_t* at = bytes.data() + (i / 2) * desc.BytesPerLine + (i % 2) * size;
            for (int b = 0; b < size; ++b) {
                at[b] = static_cast<uint8_t>(raw[i] >> (8 * b));
            }
        }
        desc.Pixels = bytes.data();
    }
};

std::vector<uint32_t> Render(const CoreImageDesc& desc, int zoomedSize, int32_t step, bool alpha,
                             KaloRenderResult* result = nullptr) {
    std::vector<uint32_t> out(static_cast<size_t>(zoomedSize) * zoomedSize, 0xDEADBEEF);
    KaloRenderArea area;
    area.width = area.height = zoomedSize;
    area.stepX = area.stepY = step;
    const KaloRenderResult r = KaloRenderImage(desc, area, alpha, {out.data(), zoomedSize, zoomedSize});
    if (result) {
        *result = r;
    }
    return out;
}

} // namespace

TEST(ImageRenderer, EveryLayoutGivesTheSameColoursAtZoomOneAndTwo) {
    // The same four colours in each layout: red, green, blue, white (full alpha) ...
    const Layout layouts[] = {
        {"32 ARGB", 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000},
        {"32 ABGR", 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000},
        {"24 RGB", 24, 0xFF0000, 0xFF00, 0xFF, 0},
        {"16 565", 16, 0xF800, 0x07E0, 0x001F, 0},
        {"16 1555", 16, 0x7C00, 0x03E0, 0x001F, 0x8000},
        {"8 332", 8, 0xE0, 0x1C, 0x03, 0},
    };
    const uint32_t expected[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        uint32_t raw[4];
        for (int i = 0; i < 4; ++i) {
            // ... built from the masks, so each channel is all ones or all zeros.
            raw[i] = ((expected[i] & 0xFF0000) ? layout.red : 0) |
                     ((expected[i] & 0xFF00) ? layout.green : 0) | ((expected[i] & 0xFF) ? layout.blue : 0) |
                     layout.alpha;
        }
        const TinyImage image(layout, raw, 3);
        KaloRenderResult result{};
        const std::vector<uint32_t> one = Render(image.desc, 2, 0x10000, false, &result);
        EXPECT_EQ(result, KaloRenderResult::Rendered);
        EXPECT_EQ(one, std::vector<uint32_t>(expected, expected + 4));
        const std::vector<uint32_t> two = Render(image.desc, 4, 0x8000, false);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                EXPECT_EQ(two[y * 4 + x], expected[(y / 2) * 2 + x / 2]) << x << "," << y;
            }
        }
    }
}

TEST(ImageRenderer, NarrowChannelsScaleToTheFullRange) {
    const Layout layout{"16 565", 16, 0xF800, 0x07E0, 0x001F, 0};
    // Half-way values: 16 of 31 red, 32 of 63 green, 0 blue; then a pixel of one step each.
    const TinyImage image(layout, {(16u << 11) | (32u << 5), (1u << 11) | (1u << 5) | 1u, 0, 0});
    const std::vector<uint32_t> out = Render(image.desc, 2, 0x10000, false);
    EXPECT_EQ(out[0], (132u << 16) | (130u << 8));
    EXPECT_EQ(out[1], (8u << 16) | (4u << 8) | 8u);
}

TEST(ImageRenderer, TheAlphaViewShowsAlphaAsGreyOrSaysThereIsNone) {
    const Layout argb{"32 ARGB", 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    const TinyImage image(argb, {0x00123456, 0x80FFFFFF, 0xFF000000, 0x40ABCDEF});
    EXPECT_EQ(Render(image.desc, 2, 0x10000, true), (std::vector<uint32_t>{0, 0x808080, 0xFFFFFF, 0x404040}));

    TinyImage opaque(argb, {0, 0, 0, 0});
    opaque.desc.AlphaMask = 0;
    KaloRenderResult result{};
    const std::vector<uint32_t> untouched = Render(opaque.desc, 2, 0x10000, true, &result);
    EXPECT_EQ(result, KaloRenderResult::NoAlphaMask);
    EXPECT_EQ(untouched[0], 0xDEADBEEFu);
}

TEST(ImageRenderer, DescriptorsThatCannotBeReadSafelyAreRefused) {
    const Layout argb{"32 ARGB", 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    const TinyImage good(argb, {1, 2, 3, 4});
    ASSERT_TRUE(KaloImageDescReadable(good.desc));
    const struct {
        const char* what;
        void (*spoil)(CoreImageDesc&);
    } cases[] = {
        {"no pixels", [](CoreImageDesc& d) { d.Pixels = nullptr; }},
        {"zero width", [](CoreImageDesc& d) { d.Width = 0; }},
        {"negative height", [](CoreImageDesc& d) { d.Height = -2; }},
        {"12 bits", [](CoreImageDesc& d) { d.BitsPerPixel = 12; }},
        {"0 bits", [](CoreImageDesc& d) { d.BitsPerPixel = 0; }},
        {"short rows", [](CoreImageDesc& d) { d.BytesPerLine = 7; }},
        {"negative rows", [](CoreImageDesc& d) { d.BytesPerLine = -8; }},
        {"too wide for 16.16", [](CoreImageDesc& d) { d.Width = 0x8000; }},
    };
    for (const auto& c : cases) {
        CoreImageDesc desc = good.desc;
        c.spoil(desc);
        EXPECT_FALSE(KaloImageDescReadable(desc)) << c.what;
        KaloRenderResult result{};
        const std::vector<uint32_t> out = Render(desc, 2, 0x10000, false, &result);
        EXPECT_EQ(result, KaloRenderResult::NoImage) << c.what;
        EXPECT_EQ(out[0], 0xDEADBEEFu) << c.what;
    }
}

TEST(ImageRenderer, TheAreaIsClippedToTheTargetAndPannedInFixedPoint) {
    const Layout argb{"32 ARGB", 32, 0xFF0000, 0xFF00, 0xFF, 0};
    const TinyImage image(argb, {0x11, 0x22, 0x33, 0x44});
    std::vector<uint32_t> out(9, 0);
    KaloRenderArea area;
    area.left = 1;
    area.top = 1;
    area.width = area.height = 4; // reaches past the 3 x 3 target
    area.panX = 0x10000;          // starts at source column 1
    KaloRenderImage(image.desc, area, false, {out.data(), 3, 3});
    // Row 0 and column 0 untouched; source column 1 then its edge repeated.
    EXPECT_EQ(out, (std::vector<uint32_t>{0, 0, 0, 0, 0x22, 0x22, 0, 0x44, 0x44}));
}

TEST(ImageRenderer, MaskRunsGiveShiftAndWidth) {
    const struct {
        uint32_t mask;
        int shift, bits;
    } cases[] = {{0, 0, 0},      {0xFF, 0, 8},        {0xF800, 11, 5},
                 {0x07E0, 5, 6}, {0xFF000000, 24, 8}, {0x8000, 15, 1}};
    for (const auto& c : cases) {
        int shift = -1, bits = -1;
        KaloMaskRun(c.mask, shift, bits);
        EXPECT_EQ(shift, c.shift) << std::hex << c.mask;
        EXPECT_EQ(bits, c.bits) << std::hex << c.mask;
    }
}
