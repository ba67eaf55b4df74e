// The colour box while dragging: one drag step (the box image blitted, the marker, the frame)
// against one plain 256 x 256 block transfer, and the image rebuild a hue change costs.
#include "BenchSupport.h"

#include <Trellis.h>

#include <cstdio>

namespace {

// A 32-bit section selected into a memory context: the drawing target.
struct Target {
    Target(int width, int height) {
        uint32_t* bits = nullptr;
        bitmap = KaloCtlCreateDib32(width, height, &bits);
        dc = CreateCompatibleDC(nullptr);
        previous = SelectObject(dc, bitmap);
    }
    ~Target() {
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HBITMAP bitmap;
    HDC dc;
    HGDIOBJ previous;
};

} // namespace

int main() {
    const int steps = 4000;
    Target screen(300, 300);
    Target source(256, 256);
    KaloColorBoxImage image;
    HBRUSH frame = CreateSolidBrush(RGB(0, 0, 0));
    const RECT box{10, 10, 268, 268};
    KaloDrawColorBox(screen.dc, box, image, {0.6f, 0.5f, 0.5f}, frame); // builds the image once

    const double blit = Seconds([&] {
        for (int i = 0; i < steps; ++i) {
            BitBlt(screen.dc, 11, 11, 256, 256, source.dc, 0, 0, SRCCOPY);
        }
        GdiFlush();
    });
    const double drag = Seconds([&] {
        for (int i = 0; i < steps; ++i) {
            const float share = (i % 256) / 255.0f;
            KaloDrawColorBox(screen.dc, box, image, {0.6f, share, 1 - share}, frame);
        }
        GdiFlush();
    });
    const int hues = 200;
    const double rebuild = Seconds([&] {
        for (int i = 0; i < hues; ++i) {
            image.SetHue(static_cast<float>(i % 256) / 255.0f);
        }
    });
    DeleteObject(frame);

    std::printf("one 256x256 BitBlt:        %8.1f us\n", blit / steps * 1e6);
    std::printf("one box drag step:         %8.1f us\n", drag / steps * 1e6);
    std::printf("drag step / BitBlt:        %8.2f (goal <= 3)\n", drag / blit);
    std::printf("image rebuild (new hue):   %8.1f us\n", rebuild / hues * 1e6);
    return 0;
}
