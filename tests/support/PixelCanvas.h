// A 32-bit top-down DIB section selected into its own memory context, for pixel assertions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class PixelCanvas {
public:
    PixelCanvas(int width, int height) : m_width(width), m_height(height), m_dc(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<uint32_t*>(bits);
        m_previous = SelectObject(m_dc, m_bitmap);
    }
    ~PixelCanvas() {
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC Dc() const { return m_dc; }
    HBITMAP Bitmap() const { return m_bitmap; }
    void Fill(COLORREF color) const { Fill(RECT{0, 0, m_width, m_height}, color); }
    void Fill(const RECT& rect, COLORREF color) const {
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(m_dc, &rect, brush);
        DeleteObject(brush);
    }
    // The pixel as a COLORREF, read straight from memory.
    COLORREF At(int x, int y) const {
        GdiFlush();
        const uint32_t value = m_bits[static_cast<size_t>(y) * m_width + x];
        return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }
    // Every pixel as 0x00RRGGBB, row by row from the top.
    std::vector<uint32_t> Words() const {
        GdiFlush();
        if (!m_bits)
            return {};
        return {m_bits, m_bits + static_cast<size_t>(m_width) * m_height};
    }

private:
    int m_width, m_height;
    HDC m_dc;
    HBITMAP m_bitmap = nullptr;
    uint32_t* m_bits = nullptr;
    HGDIOBJ m_previous = nullptr;
};
