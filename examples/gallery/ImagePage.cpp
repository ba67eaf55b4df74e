#include "ImagePage.h"

#include <cmath>

namespace {

constexpr UINT kFirstZoomId = 300;
constexpr int kSide = 256;

// A colour gradient whose alpha falls off from the centre: both views have something to show.
std::vector<uint32_t> MakeTestImage() {
    std::vector<uint32_t> words(kSide * kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const double distance = std::hypot(x - kSide / 2.0, y - kSide / 2.0) / (kSide / 2.0);
            const auto alpha = static_cast<uint32_t>(255.0 * std::max(0.0, 1.0 - distance));
            words[static_cast<size_t>(y) * kSide + x] = (alpha << 24) | (x << 16) | (y << 8) | ((x + y) / 2);
        }
    }
    return words;
}

class ImagePage : public GalleryPage {
protected:
    BOOL CreateControls() override {
        m_pixels = MakeTestImage();
        const CoreImageDesc desc = KaloDescribeArgb32(kSide, kSide, m_pixels.data());
        if (!m_colour.Create(WS_CHILD | WS_VISIBLE, CRect(20, 40, 402, 422), this, 1) ||
            !m_alpha.Create(WS_CHILD | WS_VISIBLE, CRect(420, 40, 802, 422), this, 2)) {
            return FALSE;
        }
        m_alpha.SetImage(desc, nullptr);
        m_colour.SetImage(desc, nullptr);
        m_colour.SetAlphaControl(&m_alpha);
        m_colour.SetZoom(1.0f);
        m_colour.ManageZoom(KALO_ZOOM_IN); // 1.5: the whole image still fits
        m_empty.Create(WS_CHILD | WS_VISIBLE, CRect(820, 40, 980, 200), this, 3);
        const char* labels[] = {"Zoom in", "Zoom out", "1:1", "Best fit"};
        for (int i = 0; i < 4; ++i) {
            auto button = std::make_unique<CButton>();
            const int left = 20 + i * 100;
            button->Create(labels[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(left, 440, left + 90, 466),
                           this, kFirstZoomId + i);
            m_buttons.push_back(std::move(button));
        }
        return TRUE;
    }

    void PaintPage(CDC& dc, const CRect& client) override {
        GalleryPage::PaintPage(dc, client);
        Label(dc, 20, 16, "KaloStaticImage: colour (keys + - / *, drag to pan, right-drag to zoom)");
        Label(dc, 420, 16, "Linked alpha view");
        Label(dc, 820, 16, "Without an image");
    }

    void OnZoom(UINT id) { m_colour.ManageZoom(static_cast<char>(KALO_ZOOM_IN + (id - kFirstZoomId))); }

private:
    std::vector<uint32_t> m_pixels;
    KaloStaticImage m_colour;
    KaloStaticImage m_alpha;
    KaloStaticImage m_empty;
    std::vector<std::unique_ptr<CButton>> m_buttons;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ImagePage, GalleryPage)
ON_COMMAND_RANGE(kFirstZoomId, kFirstZoomId + 3, OnZoom)
END_MESSAGE_MAP()

} // namespace

std::unique_ptr<GalleryPage> MakeImagePage() {
    return std::make_unique<ImagePage>();
}
