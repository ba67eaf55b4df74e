// Colour and font helpers, the embedded artwork, and the guarded readers of ICO and BMP bytes.
#include "SkinTestSupport.h"

#include "SkinArtIds.h"

#include <string>

namespace {

Bytes Art(int id) {
    return EmbeddedArt(GetModuleHandleA(nullptr), id);
}

std::string Copy(Bytes bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data), bytes.size);
}

Bytes View(const std::string& s) {
    return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}

} // namespace

TEST(SkinHelpers, MakeArgbReordersTheChannels) {
    static_assert(MakeArgb(0xD2B30E, 255) == 0xFF0EB3D2);
    EXPECT_EQ(MakeArgb(0, 90), 0x5A000000u);
    EXPECT_EQ(MakeArgb(RGB(1, 2, 3), 4), 0x04010203u);
}

using SkinArt = SkinTest;

TEST_F(SkinArt, EmbeddedImagesHaveTheirSizes) {
    EXPECT_EQ(engine_->Resources().sheet.Width(), 205);
    EXPECT_EQ(engine_->Resources().sheet.Height(), 260);
    BITMAP controls{};
    GdiBitmap bitmap = BitmapFromBmpBytes(Art(SKIN_ART_CONTROLS_BMP));
    ASSERT_TRUE(bitmap);
    GetObject(bitmap.get(), sizeof controls, &controls);
    EXPECT_EQ(controls.bmWidth, 160);
    EXPECT_EQ(controls.bmHeight, 55);
    EXPECT_EQ(Art(SKIN_ART_CONTROLS_BMP).size, 26454u);
    EXPECT_EQ(Art(SKIN_ART_TAB_ICO).size, 4286u);
    EXPECT_TRUE(engine_->Resources().defaultTabIcon);
    EXPECT_TRUE(engine_->Resources().defaultIcon);
}

// The sheet drawn 1:1 over black: a white pixel of alpha a reads as grey a.
TEST_F(SkinArt, GlossFadesLinearlyAndTheStatusStripIsWhiteFromAbout77ToAbout18) {
    PixelCanvas canvas(205, 260);
    if (GdipGraphics graphics = GraphicsOn(canvas.Dc()))
        Gdip().GdipDrawImageRectRect(graphics.get(), engine_->Resources().sheet.Image(), 0, 0, 205, 260, 0, 0,
                                     205, 260, Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
    auto grey = [&](int x, int y) { return canvas.At(x, y); };
    EXPECT_TRUE(ColourNear(grey(75, 0), RGB(128, 128, 128), 2));
    EXPECT_TRUE(ColourNear(grey(75, 44), RGB(65, 65, 65), 3)) << "half way down, half the alpha";
    EXPECT_TRUE(ColourNear(grey(75, 89), RGB(0, 0, 0), 2));
    EXPECT_TRUE(ColourNear(grey(190, 0), RGB(77, 77, 77), 3));
    EXPECT_TRUE(ColourNear(grey(190, 13), RGB(46, 46, 46), 4));
    EXPECT_TRUE(ColourNear(grey(190, 25), RGB(18, 18, 18), 3));
}

TEST_F(SkinArt, ControlsSheetKeepsMagentaOutsideTheCells) {
    HDC sheet = engine_->Resources().controls.DC();
    EXPECT_EQ(GetPixel(sheet, 159, 54), RGB(255, 0, 255));
    EXPECT_EQ(GetPixel(sheet, 80, 24), RGB(255, 0, 255)) << "gap under the push cells";
    EXPECT_EQ(GetPixel(sheet, 125, 30), RGB(255, 0, 255)) << "right of the eight check cells";
    EXPECT_NE(GetPixel(sheet, 20, 11), RGB(255, 0, 255)) << "inside the push cell";
    EXPECT_NE(GetPixel(sheet, 7, 32), RGB(255, 0, 255)) << "inside the check cell";
}

TEST_F(SkinArt, IcoEntriesAreCheckedAgainstTheBuffer) {
    std::string ico = Copy(Art(SKIN_ART_TAB_ICO));
    IcoImage first = IconFromIcoBytes(View(ico), 0);
    EXPECT_TRUE(first.icon);
    EXPECT_EQ(first.width, 32);
    EXPECT_EQ(first.height, 32);
    EXPECT_FALSE(IconFromIcoBytes(View(ico), 1).icon) << "beyond the directory";
    EXPECT_FALSE(IconFromIcoBytes(View(ico.substr(0, 21)), 0).icon) << "directory entry cut off";
    EXPECT_FALSE(IconFromIcoBytes(View(ico.substr(0, 1000)), 0).icon) << "image cut off";
    std::string farOffset = ico;
    farOffset[6 + 12] = char(0xF0); // image offset far past the end
    farOffset[6 + 13] = char(0xFF);
    EXPECT_FALSE(IconFromIcoBytes(View(farOffset), 0).icon);
    std::string hugeSize = ico;
    hugeSize[6 + 11] = char(0x7F); // image size above 2 GB
    EXPECT_FALSE(IconFromIcoBytes(View(hugeSize), 0).icon);
    EXPECT_FALSE(IconFromIcoBytes({}, 0).icon);
}

TEST(SkinHelpers, MalformedBmpBytesGiveNoBitmap) {
    const unsigned char junk[60] = {'B', 'M'};
    EXPECT_FALSE(BitmapFromBmpBytes({junk, sizeof junk}));
    EXPECT_FALSE(BitmapFromBmpBytes({junk, 10}));
}

TEST_F(SkinArt, PictureLoadFailuresKeepTheCurrentImage) {
    SkinPicture picture;
    EXPECT_FALSE(picture.LoadFromBytes({}));
    ASSERT_TRUE(picture.LoadFromBytes(Art(SKIN_ART_SHEET_PNG)));
    Gdiplus::GpImage* image = picture.Image();
    const unsigned char junk[] = "\x89PNG broken";
    EXPECT_FALSE(picture.LoadFromBytes({junk, sizeof junk}));
    EXPECT_FALSE(picture.LoadFromBytes({}));
    EXPECT_EQ(picture.Image(), image);
    EXPECT_EQ(picture.Width(), 205);
    // Replacing a picture loaded from bytes releases the old image before its block.
    ASSERT_TRUE(picture.LoadFromBytes(Art(SKIN_ART_SHEET_PNG)));
    EXPECT_EQ(picture.Height(), 260);
    picture.Dispose();
    EXPECT_EQ(picture.Image(), nullptr);
    EXPECT_EQ(picture.Width(), 205) << "size survives Dispose";
    picture.SetImage(nullptr);
    EXPECT_EQ(picture.Width(), 0);
}

TEST_F(SkinArt, FontsFallBackToAFamilyThatExists) {
    EXPECT_TRUE(engine_->Resources().captionFont);
    EXPECT_TRUE(engine_->Resources().labelFont);
    EXPECT_TRUE(MakeFont("宋体", 12.0f, 0, Gdiplus::UnitPixel));
    EXPECT_TRUE(MakeFont("No Such Family At All", 12.0f, 1, Gdiplus::UnitPixel));
}

TEST(SkinHelpers, ToWideConvertsFromTheAnsiCodePage) {
    EXPECT_EQ(ToWide("宋体"), std::wstring(L"\u5b8b\u4f53"));
    EXPECT_EQ(ToWide(""), std::wstring());
}
