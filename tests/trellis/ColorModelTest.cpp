// The colour dialog's model: RGB and HSL, packing, the product table and the box image.
#include "TrellisTestSupport.h"

#include <cmath>
#include <limits>

TEST(ColorModel, EveryGreyAndAGridOfColoursSurviveTheRoundTrip) {
    for (int grey = 0; grey < 256; ++grey) {
        const float v = grey / 255.0f;
        const KaloHsl hsl = KaloRgbToHsl({v, v, v});
        EXPECT_EQ(hsl.hue, 0);
        EXPECT_EQ(hsl.saturation, 0);
        EXPECT_FLOAT_EQ(hsl.lightness, v);
        const KaloRgb back = KaloHslToRgb(hsl);
        EXPECT_EQ(KaloUnitToByte(back.red + 0.5f / 255), grey);
    }
    for (int r = 0; r < 256; r += 17) {
        for (int g = 0; g < 256; g += 17) {
            for (int b = 0; b < 256; b += 17) {
                const KaloRgb rgb{r / 255.0f, g / 255.0f, b / 255.0f};
                const KaloHsl hsl = KaloRgbToHsl(rgb);
                ASSERT_GE(hsl.hue, 0);
                ASSERT_LT(hsl.hue, 1);
                ASSERT_LE(hsl.saturation, 1);
                const KaloRgb back = KaloHslToRgb(hsl);
                ASSERT_NEAR(back.red, rgb.red, 1e-5) << r << " " << g << " " << b;
                ASSERT_NEAR(back.green, rgb.green, 1e-5) << r << " " << g << " " << b;
                ASSERT_NEAR(back.blue, rgb.blue, 1e-5) << r << " " << g << " " << b;
            }
        }
    }
}

TEST(ColorModel, KnownHuesClampingAndPacking) {
    struct Case {
        KaloRgb rgb;
        float hue;
    } cases[] = {{{1, 0, 0}, 0},        {{1, 1, 0}, 1 / 6.0f}, {{0, 1, 0}, 2 / 6.0f},
                 {{0, 0, 1}, 4 / 6.0f}, {{1, 0, 1}, 5 / 6.0f}, {{0.5f, 0.25f, 0.25f}, 0}};
    for (const Case& c : cases) {
        EXPECT_NEAR(KaloRgbToHsl(c.rgb).hue, c.hue, 1e-6);
    }
    const KaloHsl orange = KaloRgbToHsl({1, 0.5f, 0});
    EXPECT_NEAR(orange.saturation, 1, 1e-6);
    EXPECT_NEAR(orange.lightness, 0.5, 1e-6);

    EXPECT_EQ(KaloClampUnit(1.5f), 1);
    EXPECT_EQ(KaloClampUnit(-0.2f), 0);
    EXPECT_EQ(KaloClampUnit(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(KaloClampUnit(0.5f), 0.5f);

    EXPECT_EQ(KaloPackArgb({1, 0.5f, 0}, 1), 0xFFFF7F00u);
    EXPECT_EQ(KaloPackArgb({0, 0, 1}, 0), 0x000000FFu);
    EXPECT_EQ(KaloPureHue(0), RGB(255, 0, 0));
    EXPECT_EQ(KaloPureHue(85), RGB(0, 255, 0));
    EXPECT_EQ(KaloPureHue(170), RGB(0, 0, 255));
}

TEST(ColorModel, ProductTableTruncates) {
    KaloProductTable table;
    for (int a = 0; a < 256; a += 5) {
        for (int b = 0; b < 256; b += 3) {
            ASSERT_EQ(table.At(a, b), a * b / 255);
        }
    }
    EXPECT_EQ(table.At(255, 255), 255);
    EXPECT_EQ(table.At(254, 1), 0);
}

// Corners are exact; inside, the table's integer arithmetic stays within two steps of the
// floating-point conversion.
TEST(ColorBox, ImageFollowsSaturationAndLightness) {
    KaloColorBoxImage image;
    for (float hue : {0.0f, 0.3f, 0.75f}) {
        image.SetHue(hue);
        EXPECT_EQ(image.At(0, 0), RGB(255, 255, 255));
        EXPECT_EQ(image.At(255, 255), RGB(0, 0, 0));
        EXPECT_EQ(image.At(0, 128), RGB(127, 127, 127));
        for (int y = 0; y < 256; y += 15) {
            for (int x = 0; x < 256; x += 15) {
                const KaloRgb rgb =
                    KaloHslToRgb({KaloUnitToByte(hue) / 255.0f, x / 255.0f, (255 - y) / 255.0f});
                const COLORREF pixel = image.At(x, y);
                ASSERT_NEAR(GetRValue(pixel), rgb.red * 255, 2.5) << x << "," << y;
                ASSERT_NEAR(GetGValue(pixel), rgb.green * 255, 2.5) << x << "," << y;
                ASSERT_NEAR(GetBValue(pixel), rgb.blue * 255, 2.5) << x << "," << y;
            }
        }
    }
}

TEST(ColorBox, DrawsImageInsideTheFrameWithTheMarker) {
    PixelCanvas canvas(300, 300);
    canvas.Fill(RGB(1, 2, 3));
    KaloColorBoxImage image;
    HBRUSH frame = CreateSolidBrush(RGB(9, 9, 9));
    const RECT box{10, 10, 268, 268};
    KaloDrawColorBox(canvas.Dc(), box, image, {0, 0.5f, 0.5f}, frame);
    DeleteObject(frame);
    EXPECT_EQ(canvas.At(10, 10), RGB(9, 9, 9));
    EXPECT_EQ(canvas.At(267, 150), RGB(9, 9, 9));
    EXPECT_EQ(canvas.At(11, 11), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(266, 266), RGB(0, 0, 0));
    // The cross at saturation 127, lightness 127 down: black arms, the white copy below right.
    const int x = 11 + 127, y = 11 + 127;
    EXPECT_EQ(canvas.At(x - 3, y), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(x, y + 3), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(x + 5, y + 1), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(1, 1), RGB(1, 2, 3));
}
