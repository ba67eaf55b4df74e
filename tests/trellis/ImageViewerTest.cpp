// KaloStaticImage: zoom steps, fitting, 16.16 panning and mapping without a window; then
// keys, mouse and the linked alpha view through real windows.
#include "RealMouse.h"
#include "TrellisTestSupport.h"

namespace {

// A 32-bit ARGB image whose pixel (x, y) is 0xAA00xxyy with x, y as bytes.
struct GradientImage {
    std::vector<uint32_t> words;
    CoreImageDesc desc;
    GradientImage(int width, int height) : words(static_cast<size_t>(width) * height) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                words[static_cast<size_t>(y) * width + x] = 0xAA000000u | ((x & 0xFF) << 8) | (y & 0xFF);
            }
        }
        desc = KaloDescribeArgb32(width, height, words.data());
    }
};

constexpr int kOne = 0x10000;

} // namespace

TEST(ImageViewerGeometry, ZoomStepsFollowTheTableAndStopAtItsEnds) {
    KaloStaticImage viewer;
    GradientImage image(64, 64);
    viewer.SetImage(image.desc, nullptr);
    viewer.SetZoom(1.0f);
    const struct {
        char action;
        float before;
        BOOL changed;
        float after;
    } cases[] = {
        {KALO_ZOOM_IN, 1.0f, TRUE, 1.5f},
        {KALO_ZOOM_OUT, 1.0f, TRUE, 0.7f},
        {KALO_ZOOM_IN, 1.2f, TRUE, 1.5f},
        {KALO_ZOOM_OUT, 1.2f, TRUE, 1.0f},
        {KALO_ZOOM_IN, 50.0f, FALSE, 50.0f},
        {KALO_ZOOM_OUT, 0.07f, FALSE, 0.07f},
        {KALO_ZOOM_ONE, 3.0f, TRUE, 1.0f},
        {KALO_ZOOM_ONE, 1.0f, FALSE, 1.0f},
        {KALO_ZOOM_BEST_FIT, 1.0f, TRUE, 4.0f},
        {KALO_ZOOM_APPLY, 2.0f, TRUE, 2.0f},
        {9, 2.0f, FALSE, 2.0f},
    };
    for (const auto& c : cases) {
        viewer.SetZoom(c.before);
        EXPECT_EQ(viewer.ManageZoom(c.action), c.changed) << int(c.action) << " from " << c.before;
        EXPECT_FLOAT_EQ(viewer.GetZoom(), c.after) << int(c.action) << " from " << c.before;
    }
    viewer.SetZoom(50.0f);
    EXPECT_FALSE(viewer.CanDo(KALO_ZOOM_IN));
    EXPECT_TRUE(viewer.CanDo(KALO_ZOOM_OUT));
    viewer.SetZoom(0.07f);
    EXPECT_TRUE(viewer.CanDo(KALO_ZOOM_IN));
    EXPECT_FALSE(viewer.CanDo(KALO_ZOOM_OUT));
    EXPECT_FALSE(viewer.CanDo(3));
}

TEST(ImageViewerGeometry, DisplayedSizeOriginAndVisibleSourcePerAxis) {
    KaloStaticImage viewer; // view 256 x 256 until a window says otherwise
    GradientImage small(64, 64), wide(1000, 100);
    const struct {
        const CoreImageDesc* desc;
        float zoom;
        CSize displayed;
        CPoint origin;
        CSize visible;
    } cases[] = {
        {&small.desc, 1.0f, {64, 64}, {96, 96}, {64 * kOne, 64 * kOne}},
        {&small.desc, 2.0f, {128, 128}, {64, 64}, {64 * kOne, 64 * kOne}},
        {&small.desc, 8.0f, {256, 256}, {0, 0}, {32 * kOne, 32 * kOne}},
        {&wide.desc, 1.0f, {256, 100}, {0, 78}, {256 * kOne, 100 * kOne}},
        {&wide.desc, 0.0f, {0, 0}, {128, 128}, {0, 0}},
    };
    for (const auto& c : cases) {
        viewer.SetImage(*c.desc, nullptr);
        viewer.SetZoom(c.zoom);
        EXPECT_EQ(viewer.GetDisplayedSize(), c.displayed) << c.zoom;
        EXPECT_EQ(viewer.GetImageOrigin(), c.origin) << c.zoom;
        EXPECT_EQ(viewer.GetVisibleSize(), c.visible) << c.zoom;
    }
}

TEST(ImageViewerGeometry, ZoomingKeepsTheCentreAndPanStaysInsideTheImage) {
    KaloStaticImage viewer;
    GradientImage image(512, 512);
    viewer.SetImage(image.desc, nullptr);
    viewer.SetZoom(2.0f); // 128 source pixels visible
    viewer.SetPanOffset(100 * kOne, 300 * kOne);
    EXPECT_EQ(viewer.GetPanOffset(), CPoint(100 * kOne, 300 * kOne));
    ASSERT_TRUE(viewer.ManageZoom(KALO_ZOOM_IN)); // 3.0: 85.33 visible, centre (164, 364) kept
    const CSize visible = viewer.GetVisibleSize();
    EXPECT_NEAR(viewer.GetPanOffset().x + visible.cx / 2, 164 * kOne, 2);
    EXPECT_NEAR(viewer.GetPanOffset().y + visible.cy / 2, 364 * kOne, 2);
    viewer.SetPanOffset(500 * kOne, -5);
    EXPECT_EQ(viewer.GetPanOffset(), CPoint(512 * kOne - visible.cx, 0)) << "clamped to the image";
    ASSERT_TRUE(viewer.ManageZoom(KALO_ZOOM_BEST_FIT));
    EXPECT_EQ(viewer.GetPanOffset(), CPoint(0, 0));
    EXPECT_FLOAT_EQ(viewer.GetZoom(), 0.5f);
}

TEST(ImageViewerGeometry, ClientMappingAndPixelLookupAgree) {
    KaloStaticImage viewer; // border 1: the view starts at client (1, 1)
    GradientImage image(512, 512);
    viewer.SetImage(image.desc, nullptr);
    viewer.SetZoom(2.0f);
    viewer.SetPanOffset(10 * kOne, 20 * kOne);
    RECT pixel{30, 40, 31, 41};
    viewer.ToClient(pixel);
    EXPECT_EQ(CRect(pixel), CRect(41, 41, 43, 43));
    EXPECT_TRUE(viewer.IsInImage(41, 41));
    EXPECT_EQ(viewer.GetPixelColor(41, 41), 0xAA001E28u);
    EXPECT_EQ(viewer.GetPixelColor(42, 42), 0xAA001E28u) << "zoom 2: two client pixels per source pixel";
    EXPECT_EQ(viewer.GetPixelColor(43, 41), 0xAA001F28u);
    EXPECT_FALSE(viewer.IsInImage(0, 0)) << "the border";
    EXPECT_EQ(viewer.GetPixelColor(0, 0), viewer.GetBackColor());

    int shift = -1, bits = -1, loss = -1;
    KaloStaticImage::GetConvertValuesFromMask(0x07E0, shift, bits, loss);
    EXPECT_EQ(CRect(shift, bits, loss, 0), CRect(5, 6, 2, 0));
    KaloStaticImage::GetConvertValuesFromMask(0, shift, bits, loss);
    EXPECT_EQ(CRect(shift, bits, loss, 0), CRect(0, 0, 0, 0));
}

TEST(ImageViewerGeometry, EmptyImagesNeverFitOrDivide) {
    KaloStaticImage viewer;
    viewer.SetZoom(1.5f);
    viewer.CalculateBestFit();
    EXPECT_FLOAT_EQ(viewer.GetZoom(), 1.5f) << "best fit on nothing does nothing";
    EXPECT_FALSE(viewer.ManageZoom(KALO_ZOOM_BEST_FIT));
    EXPECT_EQ(viewer.GetDisplayedSize(), CSize(0, 0));
    EXPECT_EQ(viewer.GetPixelColor(128, 128), viewer.GetBackColor());
}

TEST(ImageViewerGeometry, LinkedViewersShareSettingsOnlyForEqualDescriptorsAndRelinkCleanly) {
    GradientImage image(300, 300), other(300, 300);
    KaloStaticImage colour, alpha, third;
    colour.SetImage(image.desc, nullptr);
    alpha.SetImage(image.desc, nullptr);
    third.SetImage(other.desc, nullptr);
    colour.SetAlphaControl(&alpha);
    EXPECT_TRUE(alpha.IsAlphaView());
    EXPECT_EQ(alpha.GetLinkedControl(), &colour);
    colour.SetZoom(3.0f);
    colour.SetPanOffset(40 * kOne, 50 * kOne);
    colour.ManageZoom(KALO_ZOOM_IN);
    EXPECT_FLOAT_EQ(alpha.GetZoom(), 5.0f);
    EXPECT_EQ(alpha.GetPanOffset(), colour.GetPanOffset());

    colour.SetAttachedControl(&third); // a different image: linked, but nothing is copied
    EXPECT_EQ(alpha.GetLinkedControl(), nullptr) << "the previous partner is unlinked";
    EXPECT_FALSE(third.IsAlphaView());
    colour.SetZoom(7.0f);
    EXPECT_FLOAT_EQ(third.GetZoom(), 0.0f);
    {
        KaloStaticImage temporary;
        third.SetAlphaControl(&temporary);
        EXPECT_EQ(colour.GetLinkedControl(), nullptr);
    }
    EXPECT_EQ(third.GetLinkedControl(), nullptr) << "a destroyed partner unlinks itself";
}

TEST(ImageViewerGeometry, ABoundEngineObjectIsReReadFromItsCurrentSlot) {
    GradientImage first(40, 30), second(80, 60);
    SceneObject texture(SCENE_CLASS_TEXTURE);
    SceneBitmapData* data = texture.GetBitmapData();
    data->AddSlot(first.desc, first.words.data(), first.words.size() * 4);
    data->AddSlot(second.desc, second.words.data(), second.words.size() * 4);
    KaloStaticImage viewer;
    viewer.SetImage(CoreImageDesc{}, &texture);
    viewer.SetZoom(1.0f);
    EXPECT_EQ(viewer.GetDisplayedSize(), CSize(40, 30));
    EXPECT_EQ(viewer.GetImageDesc().Pixels, data->LockSurfacePtr(0));
    data->SetCurrentSlot(1);
    viewer.CheckImageDesc();
    EXPECT_EQ(viewer.GetDisplayedSize(), CSize(80, 60));
    EXPECT_EQ(viewer.GetImageDesc().Pixels, data->LockSurfacePtr(1));

    SceneObject plain(5); // not a bitmap-bearing class: the descriptor stays
    viewer.SetImage(first.desc, &plain);
    EXPECT_EQ(viewer.GetImageDesc().Pixels, first.desc.Pixels);
}

namespace {

class ImageViewerWindow : public HostWindowTest<> {
protected:
    ImageViewerWindow() : HostWindowTest(CRect(50, 50, 650, 350)) {}
    void SetUp() override {
        HostWindowTest::SetUp();
        ASSERT_TRUE(m_colour.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 258, 258), &m_parent, 1));
        ASSERT_TRUE(m_alpha.Create(WS_CHILD | WS_VISIBLE, CRect(300, 0, 558, 258), &m_parent, 2));
        m_colour.SetBackColor(RGB(0, 0, 0));
        m_colour.SetImage(m_image.desc, nullptr);
        m_alpha.SetImage(m_image.desc, nullptr);
        m_colour.SetAlphaControl(&m_alpha);
        m_colour.SetZoom(1.0f);
        SetForegroundWindow(m_parent);
        m_colour.SetFocus();
    }

    static void Print(KaloStaticImage& viewer, const PixelCanvas& canvas) {
        viewer.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    }
    static void PressKey(WORD key) {
        SendKeyPress(key);
        PumpFor(50);
    }

    GradientImage m_image{512, 512};
    KaloStaticImage m_colour;
    KaloStaticImage m_alpha;
};

} // namespace

TEST_F(ImageViewerWindow, KeysZoomAndTheAlphaViewFollows) {
    const struct {
        WORD key;
        float zoom;
    } steps[] = {{VK_ADD, 1.5f}, {VK_ADD, 2.0f}, {VK_SUBTRACT, 1.5f}, {VK_DIVIDE, 1.0f}, {VK_MULTIPLY, 0.5f}};
    for (const auto& step : steps) {
        PressKey(step.key);
        EXPECT_FLOAT_EQ(m_colour.GetZoom(), step.zoom) << step.key;
        EXPECT_FLOAT_EQ(m_alpha.GetZoom(), step.zoom) << step.key;
    }
}

TEST_F(ImageViewerWindow, DraggingPansAndZoomsWithTheRealMouse) {
    const POINT centre = ScreenPoint(m_colour, 129, 129);
    const int step = GetSystemMetrics(SM_CXDRAG) + 4;
    // Left drag by (-40, -20): the source moves the other way, 40 and 20 pixels at zoom 1.
    PlayMouse({{centre, 0},
               {{centre.x - 20, centre.y - 10}, MOUSEEVENTF_LEFTDOWN},
               {{centre.x - 40, centre.y - 20}, 0},
               {{centre.x - 40, centre.y - 20}, MOUSEEVENTF_LEFTUP}});
    EXPECT_EQ(m_colour.GetPanOffset(), CPoint(40 * kOne, 20 * kOne));
    EXPECT_EQ(m_alpha.GetPanOffset(), m_colour.GetPanOffset()) << "the alpha view follows";
    EXPECT_EQ(GetCapture(), nullptr);

    // Right drag downwards: past the drag threshold it zooms by 1% per pixel moved, the
    // threshold's own distance included or not depending on how moves arrive.
    PlayMouse({{centre, 0},
               {{centre.x, centre.y + step}, MOUSEEVENTF_RIGHTDOWN},
               {{centre.x, centre.y + step + 20}, 0},
               {{centre.x, centre.y + step + 20}, MOUSEEVENTF_RIGHTUP}});
    EXPECT_GE(m_colour.GetZoom(), 1.2f);
    EXPECT_LE(m_colour.GetZoom(), 1.2f * (1.0f + step * 0.01f) + 0.001f);
    EXPECT_FLOAT_EQ(m_alpha.GetZoom(), m_colour.GetZoom());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ImageViewerWindow, PaintingShowsTheImageItsAlphaAndTheMessages) {
    m_colour.SetPanOffset(0, 0);
    {
        const PixelCanvas colour(258, 258), alpha(258, 258);
        Print(m_colour, colour);
        Print(m_alpha, alpha);
        EXPECT_EQ(colour.At(0, 0), m_colour.GetBorderColor());
        EXPECT_EQ(colour.At(1 + 5, 1 + 7), RGB(0, 5, 7));
        EXPECT_EQ(alpha.At(1 + 5, 1 + 7), RGB(0xAA, 0xAA, 0xAA));
    }
    int callbacks = 0;
    m_colour.SetPostCallback(
        [](HBITMAP bitmap, void* user) {
            ++*static_cast<int*>(user);
            return bitmap != nullptr ? 1 : 0;
        },
        &callbacks);
    Print(m_colour, PixelCanvas(258, 258));
    EXPECT_EQ(callbacks, 1);

    // Without pixels, and an alpha view without an alpha mask: a text on the back colour.
    CoreImageDesc noPixels = m_image.desc;
    noPixels.Pixels = nullptr;
    CoreImageDesc noAlpha = m_image.desc;
    noAlpha.AlphaMask = 0;
    for (const CoreImageDesc* desc : {&noPixels, &noAlpha}) {
        m_alpha.SetImage(*desc, nullptr);
        m_alpha.SetBackColor(RGB(0, 0, 0));
        m_alpha.SetTextColor(RGB(255, 255, 255));
        const PixelCanvas canvas(258, 258);
        Print(m_alpha, canvas);
        int text = 0;
        for (int y = 100; y < 160; ++y) {
            for (int x = 1; x < 257; ++x) {
                text += canvas.At(x, y) != RGB(0, 0, 0);
            }
        }
        EXPECT_GT(text, 20);
        EXPECT_EQ(canvas.At(5, 5), RGB(0, 0, 0));
    }
}
