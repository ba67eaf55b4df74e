// The image viewer's renderer against the system's StretchDIBits doing the same nearest-pixel
// scaling into the same 32-bit DIB: a 2048 x 2048 image into an 800 x 600 view at zoom 1, 2
// and 1/4, and the alpha view. Prints megapixels per second of output and the ratio; then
// nanoseconds per output pixel for small and large images, to show the cost follows the
// output, not the image. Panning re-renders the whole view: its cost per step is the zoom-1
// figure.
#include <KaloBitmapHelpers.h>
#include <KaloImageRenderer.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;

struct Image {
    std::vector<uint32_t> words;
    CoreImageDesc desc;
    explicit Image(int side) : words(static_cast<size_t>(side) * side) {
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                words[static_cast<size_t>(y) * side + x] =
                    (static_cast<uint32_t>(x ^ y) << 24) | (x << 8) | y;
            }
        }
        desc = KaloDescribeArgb32(side, side, words.data());
    }
};

// The output DIB, selected into a memory context for the system's scaler.
struct Output {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    uint32_t* bits = nullptr;
    HGDIOBJ previous = nullptr;
    Output() {
        bitmap = KaloCtlCreateDib32(kViewWidth, kViewHeight, &bits);
        previous = SelectObject(dc, bitmap);
        SetStretchBltMode(dc, COLORONCOLOR);
    }
    ~Output() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

// Best of several runs, in seconds per render.
template <typename Work> double BestSeconds(Work&& work, int repeats) {
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < repeats; ++i) {
            work();
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / repeats);
    }
    return best;
}

// The displayed area of a view for an image side and zoom, as the viewer lays it out.
KaloRenderArea AreaFor(int side, float zoom) {
    KaloRenderArea area;
    area.width = std::min(kViewWidth, static_cast<int>(side * zoom + 0.5f));
    area.height = std::min(kViewHeight, static_cast<int>(side * zoom + 0.5f));
    area.stepX = area.stepY = static_cast<int32_t>(0x10000 / zoom);
    return area;
}

double RendererSeconds(const Image& image, Output& out, float zoom, bool alpha, int repeats) {
    const KaloRenderArea area = AreaFor(image.desc.Width, zoom);
    const KaloRenderTarget target{out.bits, kViewWidth, kViewHeight};
    return BestSeconds([&] { KaloRenderImage(image.desc, area, alpha, target); }, repeats);
}

double SystemSeconds(const Image& image, Output& out, float zoom, int repeats) {
    const KaloRenderArea area = AreaFor(image.desc.Width, zoom);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.desc.Width;
    info.bmiHeader.biHeight = -image.desc.Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    const int sourceWidth = static_cast<int>(area.width / zoom + 0.5f);
    const int sourceHeight = static_cast<int>(area.height / zoom + 0.5f);
    return BestSeconds(
        [&] {
            StretchDIBits(out.dc, 0, 0, area.width, area.height, 0, 0, sourceWidth, sourceHeight,
                          image.words.data(), &info, DIB_RGB_COLORS, SRCCOPY);
            GdiFlush();
        },
        repeats);
}

} // namespace

int main() {
    const Image large(2048);
    Output out;
    std::printf("Renderer vs StretchDIBits, 2048 x 2048 32-bit image, %d x %d view\n", kViewWidth,
                kViewHeight);
    std::printf("%-14s %10s %12s %12s %7s\n", "case", "output px", "renderer", "system", "ratio");
    const struct {
        const char* name;
        float zoom;
        bool alpha;
    } cases[] = {{"zoom 1", 1.0f, false},
                 {"zoom 2", 2.0f, false},
                 {"zoom 1/4", 0.25f, false},
                 {"alpha zoom 1", 1.0f, true}};
    for (const auto& c : cases) {
        const KaloRenderArea area = AreaFor(2048, c.zoom);
        const double pixels = static_cast<double>(area.width) * area.height;
        const double ours = RendererSeconds(large, out, c.zoom, c.alpha, 20);
        // The system has no alpha view: its colour scaling at the same zoom is the yardstick.
        const double system = SystemSeconds(large, out, c.zoom, 20);
        std::printf("%-14s %10.0f %8.1f Mp/s %8.1f Mp/s %6.2fx\n", c.name, pixels, pixels / ours / 1e6,
                    pixels / system / 1e6, system / ours);
    }
    std::printf("\nCost per output pixel (zoom 1; the view holds the whole image up to 600 px):\n");
    for (int side : {128, 512, 2048}) {
        const Image image(side);
        const KaloRenderArea area = AreaFor(side, 1.0f);
        const double pixels = static_cast<double>(area.width) * area.height;
        const double ours = RendererSeconds(image, out, 1.0f, false, 20);
        std::printf("image %4d: %7.0f output px, %6.2f ns per pixel\n", side, pixels, ours / pixels * 1e9);
    }
    const double pan = RendererSeconds(large, out, 1.0f, false, 20);
    std::printf("\nPanning re-renders the whole view: %.2f ms per pan step at zoom 1\n", pan * 1e3);
    return 0;
}
