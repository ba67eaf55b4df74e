// The composed frame, read back from the cache: geometry and colours only, never glyph shapes.
#include "SkinTestSupport.h"

#include "WindowProps.h"

#include <cstring>
#include <string>

namespace {

constexpr COLORREF kDefaultBanner = RGB(14, 179, 210);

AttachOptions Banner(int height) {
    AttachOptions options;
    options.bannerHeight = height;
    return options;
}

// A 24-bit BMP file: left half one colour, right half another.
std::string TwoColourBmp(int width, int height, COLORREF left, COLORREF right) {
    int stride = (width * 3 + 3) & ~3;
    std::string bytes(54 + size_t(stride) * size_t(height), '\0');
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&bytes[at], &v, 4); };
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&bytes[at], &v, 2); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, uint32_t(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));
    put16(26, 1);
    put16(28, 24);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            COLORREF c = x < width / 2 ? left : right;
            size_t at = 54 + size_t(y) * size_t(stride) + size_t(x) * 3;
            bytes[at] = char(GetBValue(c));
            bytes[at + 1] = char(GetGValue(c));
            bytes[at + 2] = char(GetRValue(c));
        }
    }
    return bytes;
}

Bytes AsBytes(const std::string& s) {
    return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}

RECT Hit(const SkinElement& e) {
    return e.hit;
}

} // namespace

using FramePaintTest = SkinTest;

TEST_F(FramePaintTest, CaptionButtonsTakeSlotsFromTheRight) {
    for (int w : {387, 301, 300}) {
        HWND window = MakeWindow(w, 200);
        engine_->Attach(window, CaptionButtons(true, true));
        const SkinWindowRecord& record = *engine_->Record(window);
        RECT close = Hit(record.elements[0]);
        EXPECT_EQ(close.left, w - 45) << w;
        EXPECT_EQ(close.right - close.left, 40);
        EXPECT_EQ(close.top, 1);
        EXPECT_EQ(close.bottom, 20);
        EXPECT_EQ(Hit(record.elements[1]).left, w - 72) << "maximize";
        EXPECT_EQ(Hit(record.elements[2]).left, w - 72) << "restore shares the slot";
        EXPECT_EQ(Hit(record.elements[3]).left, w - 99) << "minimize";
        EXPECT_EQ(Hit(record.elements[3]).right - Hit(record.elements[3]).left, 27);
    }
}

TEST_F(FramePaintTest, StatusStripAndElementSitAboveTheBottomBorder) {
    HWND window = MakeWindow(387, 324);
    engine_->Attach(window);
    const SkinWindowRecord& record = *engine_->Record(window);
    RECT status = Hit(record.elements[size_t(record.statusIndex - 1)]);
    EXPECT_EQ(status.left, 5);
    EXPECT_EQ(status.top, 324 - 26 - 3);
    EXPECT_EQ(status.right, 5 + 387 - 10);
    EXPECT_EQ(status.bottom, 324 - 3);
    FrameCapture frame = CaptureFrame(window);
    // The strip lightens the banner colour; the panel above it keeps the client colour.
    COLORREF strip = frame.At(190, 324 - 20);
    EXPECT_GT(GetRValue(strip), GetRValue(kDefaultBanner) + 10);
    EXPECT_GE(GetGValue(strip), GetGValue(kDefaultBanner));
    EXPECT_TRUE(ColourNear(frame.At(190, 324 - 26 - 10), GetSysColor(COLOR_BTNFACE)));

    HWND sizable = MakeWindow(387, 324);
    AttachOptions options;
    options.sizable = true;
    engine_->Attach(sizable, options);
    const SkinWindowRecord& sizableRecord = *engine_->Record(sizable);
    EXPECT_EQ(Hit(sizableRecord.elements[size_t(sizableRecord.statusIndex - 1)]).right, 5 + 387 - 20);
}

TEST_F(FramePaintTest, WithoutStatusBarThePanelReachesTheBottomBorder) {
    HWND window = MakeWindow(387, 324);
    AttachOptions options;
    options.statusHeight = 0;
    options.sizable = true;
    engine_->Attach(window, options);
    FrameCapture frame = CaptureFrame(window);
    EXPECT_TRUE(ColourNear(frame.At(190, 324 - 10), GetSysColor(COLOR_BTNFACE)));
    EXPECT_TRUE(ColourNear(frame.At(387 - 8, 324 - 8), GetSysColor(COLOR_BTNFACE))) << "no size grip";
}

TEST_F(FramePaintTest, ClientPanelHasTheClientColourAndADarkOutline) {
    HWND window = MakeWindow(387, 324);
    engine_->Attach(window);
    FrameCapture frame = CaptureFrame(window);
    COLORREF client = GetSysColor(COLOR_BTNFACE);
    EXPECT_TRUE(ColourNear(frame.At(190, 80 + 10), client));
    EXPECT_TRUE(ColourNear(frame.At(4, 200), client));
    EXPECT_LT(Brightness(frame.At(190, 80)), Brightness(kDefaultBanner) - 60) << "top outline";
    EXPECT_LT(Brightness(frame.At(2, 200)), Brightness(client) - 100) << "left outline";
    EXPECT_LT(Brightness(frame.At(387 - 3, 200)), Brightness(client) - 100) << "right outline";

    engine_->SetClientColour(RGB(200, 220, 240));
    EXPECT_TRUE(ColourNear(CaptureFrame(window).At(190, 90), RGB(200, 220, 240))) << "repainted";
    engine_->SetClientColour(CLR_INVALID);
    EXPECT_TRUE(ColourNear(CaptureFrame(window).At(190, 90), client));
}

TEST_F(FramePaintTest, OuterBorderIsDarkWithRoundedCorners) {
    HWND window = MakeWindow(387, 324);
    engine_->Attach(window, Banner(150));
    FrameCapture frame = CaptureFrame(window);
    int banner = Brightness(frame.At(190, 120));
    EXPECT_LT(Brightness(frame.At(0, 120)), banner - 150) << "left edge";
    EXPECT_LT(Brightness(frame.At(386, 120)), banner - 150) << "right edge";
    EXPECT_LT(Brightness(frame.At(190, 323)), Brightness(frame.At(190, 310)) - 100) << "bottom edge";
    // The corner pixel lies outside the rounded outline.
    EXPECT_GT(Brightness(frame.At(0, 323)), Brightness(frame.At(0, 200)) + 60);
    EXPECT_GT(Brightness(frame.At(386, 323)), Brightness(frame.At(386, 200)) + 60);
}

TEST_F(FramePaintTest, WindowRegionCutsTheFourCorners) {
    HWND window = MakeWindow(387, 324);
    engine_->Attach(window);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR);
    for (POINT corner : {POINT{0, 0}, POINT{386, 0}, POINT{0, 323}, POINT{386, 323}})
        EXPECT_FALSE(PtInRegion(region, corner.x, corner.y)) << corner.x << "," << corner.y;
    for (POINT inside : {POINT{190, 0}, POINT{0, 160}, POINT{386, 160}, POINT{190, 323}, POINT{2, 2}})
        EXPECT_TRUE(PtInRegion(region, inside.x, inside.y)) << inside.x << "," << inside.y;
    DeleteObject(region);
}

TEST_F(FramePaintTest, BannerShowsTheDefaultColourThenANewOne) {
    HWND window = MakeWindow(387, 324);
    engine_->Attach(window, Banner(150));
    EXPECT_TRUE(ColourNear(CaptureFrame(window).At(190, 120), kDefaultBanner));
    engine_->SetBannerColour(RGB(120, 40, 160));
    FrameCapture frame = CaptureFrame(window);
    EXPECT_TRUE(ColourNear(frame.At(190, 120), RGB(120, 40, 160)));
    EXPECT_TRUE(ColourNear(frame.At(190, 200), GetSysColor(COLOR_BTNFACE)));
}

TEST_F(FramePaintTest, NarrowBannerPictureSitsFlushRightAndFadesIn) {
    HWND window = MakeWindow(387, 324);
    engine_->Attach(window, Banner(150));
    const COLORREF picture = RGB(40, 40, 200);
    std::string bmp = TwoColourBmp(200, 200, picture, picture);
    ASSERT_TRUE(engine_->LoadBannerPictureFromBytes(AsBytes(bmp)));
    // The average of a one-colour picture is that colour; repaint on a distinct one to see the fade.
    ASSERT_TRUE(ColourNear(engine_->Resources().bannerAverage, picture, 2));
    const int gap = 387 - 200, y = 120;
    FrameCapture frame = CaptureFrame(window);
    EXPECT_TRUE(ColourNear(frame.At(100, y), picture, 2)) << "banner fill is the average colour";
    EXPECT_TRUE(ColourNear(frame.At(gap + 160, y), picture, 2));

    std::string split = TwoColourBmp(200, 200, RGB(0, 0, 0), RGB(255, 255, 255));
    ASSERT_TRUE(engine_->LoadBannerPictureFromBytes(AsBytes(split)));
    COLORREF average = engine_->Resources().bannerAverage;
    frame = CaptureFrame(window);
    EXPECT_TRUE(ColourNear(frame.At(100, y), average, 2)) << "left of the picture: banner fill";
    EXPECT_TRUE(ColourNear(frame.At(gap + 1, y), average, 6)) << "fade starts opaque";
    EXPECT_TRUE(ColourNear(frame.At(gap + 99, y), RGB(0, 0, 0), 2 + GetRValue(average) / 3))
        << "late in the fade";
    EXPECT_TRUE(ColourNear(frame.At(gap + 155, y), RGB(255, 255, 255), 2)) << "past the fade: the picture";
    // Halfway, the average colour and the black half mix about evenly.
    EXPECT_TRUE(ColourNear(frame.At(gap + 75, y),
                           RGB(GetRValue(average) / 2, GetGValue(average) / 2, GetBValue(average) / 2), 12));
}

TEST_F(FramePaintTest, WideBannerPictureIsCutOnTheLeftWithoutFade) {
    HWND window = MakeWindow(387, 324);
    engine_->Attach(window, Banner(150));
    std::string bmp = TwoColourBmp(500, 200, RGB(0, 0, 0), RGB(255, 255, 255));
    ASSERT_TRUE(engine_->LoadBannerPictureFromBytes(AsBytes(bmp)));
    FrameCapture frame = CaptureFrame(window);
    // Source x starts at 500 - 387 = 113, so the black half ends at window x 137.
    EXPECT_TRUE(ColourNear(frame.At(10, 120), RGB(0, 0, 0), 2)) << "no fade at the left edge";
    EXPECT_TRUE(ColourNear(frame.At(130, 120), RGB(0, 0, 0), 2));
    EXPECT_TRUE(ColourNear(frame.At(145, 120), RGB(255, 255, 255), 2));

    engine_->SetBannerColour(RGB(10, 20, 30));
    EXPECT_TRUE(ColourNear(CaptureFrame(window).At(145, 120), RGB(10, 20, 30)))
        << "a colour drops the picture";
}

TEST_F(FramePaintTest, AFailedPictureLoadKeepsTheBanner) {
    HWND window = MakeWindow(387, 324);
    engine_->Attach(window, Banner(150));
    const unsigned char junk[] = "not an image";
    EXPECT_FALSE(engine_->LoadBannerPictureFromBytes({junk, sizeof junk}));
    EXPECT_FALSE(engine_->LoadBannerPictureFromBytes({}));
    EXPECT_FALSE(engine_->LoadBannerPictureFromFile("C:\\no\\such\\picture.png"));
    EXPECT_TRUE(ColourNear(CaptureFrame(window).At(190, 120), kDefaultBanner));
}

TEST_F(FramePaintTest, MovingWithoutResizingDoesNotRebuild) {
    HWND window = MakeWindow(387, 324);
    engine_->Attach(window);
    INT_PTR bitmap = Prop(window, skinprop::CacheBitmap);
    SetWindowPos(window, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Prop(window, skinprop::CacheBitmap), bitmap);
    SetWindowPos(window, nullptr, 0, 0, 388, 324, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_NE(Prop(window, skinprop::CacheBitmap), bitmap);
    EXPECT_EQ(Prop(window, skinprop::CacheWidth), 388);
    EXPECT_EQ(CaptureFrame(window).width, 388);
}

TEST_F(FramePaintTest, TitleTextShowsInWhite) {
    const RECT title{28, 6, 200, 26};
    HWND titled = MakeWindow(387, 324, "tumbra常用工具箱");
    HWND untitled = MakeWindow(387, 324, "");
    engine_->Attach(titled);
    engine_->Attach(untitled);
    EXPECT_GT(WhitePixels(CaptureFrame(titled), title), 20) << "the font fell back to a family that exists";
    EXPECT_EQ(WhitePixels(CaptureFrame(untitled), title), 0);
}

// The progress window changes its title at every step: the banner follows without a rebuild,
// and shows what a full rebuild would show, also after a long title ran under the close button.
TEST_F(FramePaintTest, ANewTitleRepaintsTheBannerAsAFullRebuildWould) {
    auto differing = [](const FrameCapture& a, const FrameCapture& b) {
        int count = 0;
        for (size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i)
            count += a.pixels[i] != b.pixels[i];
        return count;
    };
    HWND window = MakeWindow(301, 107, "1%");
    AttachOptions progress;
    progress.minimizeBox = false;
    progress.maximizeBox = false;
    engine_->Attach(window, progress);
    engine_->SetStatusText(window, "3D Entities\\Level\\Level_05.nmo");
    FrameCapture shown = CaptureFrame(window);
    for (const char* title : {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", "2%", "100%", ""}) {
        const INT_PTR bitmap = Prop(window, skinprop::CacheBitmap);
        SetWindowTextA(window, title);
        FrameCapture changed = CaptureFrame(window);
        EXPECT_GT(differing(shown, changed), 20) << title;
        EXPECT_EQ(Prop(window, skinprop::CacheBitmap), bitmap) << "only the title band is repainted";
        engine_->RepaintAll();
        shown = CaptureFrame(window);
        EXPECT_EQ(differing(changed, shown), 0) << title;
    }
}

TEST_F(FramePaintTest, StatusTextIsDrawnIntoItsElement) {
    HWND window = MakeWindow(387, 324);
    engine_->Attach(window);
    EXPECT_TRUE(engine_->SetStatusText(window, "tumbra工具箱，玩tumbra必备的软件。"));
    EXPECT_GT(WhitePixels(CaptureFrame(window), RECT{5, 324 - 29, 300, 324 - 3}), 20);
    HWND unattached = MakeWindow(100, 100);
    EXPECT_FALSE(engine_->SetStatusText(unattached, "x"));
}

TEST_F(FramePaintTest, ShortAndEmptyWindowsPaintWithoutHarm) {
    // The progress window: banner and status bar together are taller than the window.
    HWND progress = MakeWindow(301, 107);
    engine_->Attach(progress);
    FrameCapture frame = CaptureFrame(progress);
    EXPECT_EQ(frame.height, 107);
    EXPECT_NE(frame.At(150, 90), GetSysColor(COLOR_BTNFACE)) << "no client panel";

    // No cache yet: paint messages must pass quietly.
    HWND empty = MakeWindow(0, 0, "", WS_POPUP);
    engine_->Attach(empty);
    EXPECT_EQ(Prop(empty, skinprop::CacheDC), 0);
    SendMessageA(empty, WM_PAINT, 0, 0);
    SendMessageA(empty, WM_NCPAINT, 1, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SendMessageA(empty, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    DeleteDC(dc);
}
