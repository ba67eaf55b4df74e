#include "KaloColorBoxImage.h"

#include "GdiScoped.h"
#include "KaloBitmapHelpers.h"

#include <cmath>
#include <cstdlib>

namespace {

const int PixelBytes = 4; // blue, green, red, unused
const int RowBytes = KaloColorBoxImage::Side * PixelBytes;

// Solid fills through the context's own brush: no pen to make per drag step.
void DrawCross(HDC dc, int x, int y, COLORREF color) {
    const int arm = 4;
    SetDCBrushColor(dc, color);
    ScopedSelection selection(dc, GetStockObject(DC_BRUSH));
    PatBlt(dc, x - arm, y, 2 * arm + 1, 1, PATCOPY);
    PatBlt(dc, x, y - arm, 1, 2 * arm + 1, PATCOPY);
}

} // namespace

KaloColorBoxImage::KaloColorBoxImage() {
    uint32_t* bits = nullptr;
    m_bitmap = KaloCtlCreateDib32(Side, Side, &bits);
    m_dc = CreateCompatibleDC(nullptr);
    if (m_bitmap && bits && m_dc) {
        m_bits = reinterpret_cast<BYTE*>(bits);
        m_previous = SelectObject(m_dc, m_bitmap);
    }
}

KaloColorBoxImage::~KaloColorBoxImage() {
    if (m_previous) {
        SelectObject(m_dc, m_previous);
    }
    if (m_dc) {
        DeleteDC(m_dc);
    }
    if (m_bitmap) {
        DeleteObject(m_bitmap);
    }
}

void KaloColorBoxImage::SetHue(float hue) {
    const COLORREF pure = KaloPureHue(KaloUnitToByte(hue));
    if (pure != m_pure && m_bits) {
        Build(pure);
    }
}

// Per pixel: chroma = (255 - |2L - 255|) × S / 255, the lowest channel L - chroma / 2, and each
// channel that plus chroma × pure / 255, where pure is the hue's channel at full saturation.
void KaloColorBoxImage::Build(COLORREF pure) {
    GdiFlush();
    const int pureChannels[3] = {GetBValue(pure), GetGValue(pure), GetRValue(pure)}; // DIB order
    for (int y = 0; y < Side; ++y) {
        const int lightness = Side - 1 - y;
        const int reach = 255 - std::abs(2 * lightness - 255);
        BYTE* pixel = m_bits + y * RowBytes;
        for (int saturation = 0; saturation < Side; ++saturation) {
            const int chroma = m_table.At(reach, saturation);
            const int low = lightness - chroma / 2;
            for (int channel : pureChannels) {
                *pixel++ = static_cast<BYTE>(low + m_table.At(chroma, channel));
            }
            *pixel++ = 0;
        }
    }
    m_pure = pure;
}

BOOL KaloColorBoxImage::Draw(HDC dc, int x, int y) const {
    if (!m_bits) {
        return FALSE;
    }
    return BitBlt(dc, x, y, Side, Side, m_dc, 0, 0, SRCCOPY);
}

COLORREF KaloColorBoxImage::At(int x, int y) const {
    if (!m_bits) {
        return CLR_INVALID;
    }
    GdiFlush();
    const BYTE* pixel = m_bits + y * RowBytes + x * PixelBytes;
    return RGB(pixel[2], pixel[1], pixel[0]);
}

void KaloDrawColorBox(HDC dc, const RECT& frame, KaloColorBoxImage& image, const KaloHsl& hsl,
                      HBRUSH frameBrush) {
    image.SetHue(hsl.hue);
    const int left = frame.left + 1;
    const int top = frame.top + 1;
    image.Draw(dc, left, top);
    const int x = left + KaloUnitToByte(hsl.saturation);
    const int y = top + KaloUnitToByte(1 - hsl.lightness);
    DrawCross(dc, x + 1, y + 1, RGB(255, 255, 255));
    DrawCross(dc, x, y, RGB(0, 0, 0));
    if (frameBrush) {
        FrameRect(dc, &frame, frameBrush);
    }
}
