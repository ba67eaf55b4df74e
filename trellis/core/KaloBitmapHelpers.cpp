#include "KaloBitmapHelpers.h"

#include "GdiScoped.h"

#include <algorithm>
#include <vector>

namespace {

// Compares colours only: a 32-bit source may carry alpha bytes that the probe lacks.
constexpr uint32_t kColorBits = 0x00FFFFFF;

// How the key colour reads after passing through the source device's format, learned on a
// pixel of that format of our own so the caller's bitmap is never written.
uint32_t KeyAsSourceReadsIt(HDC src, HDC memory, const ScopedDib32& copy, COLORREF key) {
    ScopedGdiObject<HBITMAP> probe(CreateCompatibleBitmap(src, 1, 1));
    ScopedMemoryDC probeDc(src);
    if (!probe.Get() || !probeDc.Get()) {
        return key;
    }
    ScopedSelection probeSelected(probeDc.Get(), probe.Get());
    SetPixelV(probeDc.Get(), 0, 0, key);
    ScopedSelection copySelected(memory, copy.Get());
    BitBlt(memory, 0, 0, 1, 1, probeDc.Get(), 0, 0, SRCCOPY);
    GdiFlush();
    return copy.At(0, 0) & kColorBits;
}

void CopyBlock(HDC memory, const ScopedDib32& copy, HDC from, int x, int y, int width, int height) {
    ScopedSelection selected(memory, copy.Get());
    BitBlt(memory, 0, 0, width, height, from, x, y, SRCCOPY);
}

// Keeps the destination word where the source word is the key, without branching.
void MergeKeyed(const ScopedDib32& source, const ScopedDib32& dest, uint32_t key) {
    const uint32_t* s = source.Words();
    uint32_t* d = dest.Words();
    for (size_t i = 0; i < source.WordCount(); ++i) {
        const uint32_t keep = 0u - static_cast<uint32_t>((s[i] & kColorBits) == key);
        d[i] = (d[i] & keep) | (s[i] & ~keep);
    }
}

BYTE Blend(BYTE source, BYTE dest, int alpha) {
    return static_cast<BYTE>((source * alpha + dest * (255 - alpha)) / 255);
}

} // namespace

HBITMAP KaloCtlCreateBitmap(int width, int height, int bitCount) {
    // A format of 8 bits or fewer reads 2^bits colour entries: give it all of them.
    const size_t entries = bitCount > 0 && bitCount <= 8 ? size_t(1) << bitCount : 1;
    std::vector<unsigned char> buffer(sizeof(BITMAPINFOHEADER) + entries * sizeof(RGBQUAD));
    auto* info = reinterpret_cast<BITMAPINFO*>(buffer.data());
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = height;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = static_cast<WORD>(bitCount);
    info->bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

void KaloCtlTransparentBlt(HDC dest, int xDest, int yDest, int width, int height, HDC src, int xSrc, int ySrc,
                           COLORREF key) {
    if (width < 1 || height < 1) {
        return;
    }
    ScopedDib32 source(width, height);
    ScopedDib32 target(width, height);
    ScopedMemoryDC memory(nullptr);
    if (!source.Words() || !target.Words() || !memory.Get()) {
        return;
    }
    const uint32_t keyValue = KeyAsSourceReadsIt(src, memory.Get(), source, key);
    CopyBlock(memory.Get(), source, src, xSrc, ySrc, width, height);
    CopyBlock(memory.Get(), target, dest, xDest, yDest, width, height);
    GdiFlush();
    MergeKeyed(source, target, keyValue);
    ScopedSelection selected(memory.Get(), target.Get());
    BitBlt(dest, xDest, yDest, width, height, memory.Get(), 0, 0, SRCCOPY);
}

void KaloCtlAlphaBlend(HDC dest, int xDest, int yDest, int width, int height, HDC src, int xSrc, int ySrc,
                       int alpha) {
    alpha = std::clamp(alpha, 0, 255);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF s = GetPixel(src, xSrc + x, ySrc + y);
            const COLORREF d = GetPixel(dest, xDest + x, yDest + y);
            const COLORREF blended =
                RGB(Blend(GetRValue(s), GetRValue(d), alpha), Blend(GetGValue(s), GetGValue(d), alpha),
                    Blend(GetBValue(s), GetBValue(d), alpha));
            SetPixelV(dest, xDest + x, yDest + y, blended);
        }
    }
}

HBITMAP KaloCtlCreateDib32(int width, int height, uint32_t** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    *bits = bitmap ? static_cast<uint32_t*>(memory) : nullptr;
    return bitmap;
}
