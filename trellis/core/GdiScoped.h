#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// Small owners for the raw GDI handles of the drawing helpers: every handle they create is
// released on every path.

// A memory device context, deleted on destruction.
class ScopedMemoryDC {
public:
    explicit ScopedMemoryDC(HDC compatibleWith) : m_dc(CreateCompatibleDC(compatibleWith)) {}
    ~ScopedMemoryDC() {
        if (m_dc) {
            DeleteDC(m_dc);
        }
    }
    ScopedMemoryDC(const ScopedMemoryDC&) = delete;
    ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

// An object selected into a context for one scope; the previous object returns afterwards.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_previous(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelection() {
        if (m_previous) {
            SelectObject(m_dc, m_previous);
        }
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A GDI object (bitmap, brush, region) deleted on destruction.
template <typename Handle> class ScopedGdiObject {
public:
    explicit ScopedGdiObject(Handle handle = nullptr) : m_handle(handle) {}
    ~ScopedGdiObject() {
        if (m_handle) {
            DeleteObject(m_handle);
        }
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    Handle Get() const { return m_handle; }

private:
    Handle m_handle;
};

// A 32-bit bottom-up DIB section with its pixel words.
class ScopedDib32 {
public:
    ScopedDib32(int width, int height) : m_width(width), m_height(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (m_bitmap && bits) {
            m_words = static_cast<uint32_t*>(bits);
            m_count = static_cast<size_t>(width) * static_cast<size_t>(height);
        }
    }
    ~ScopedDib32() {
        if (m_bitmap) {
            DeleteObject(m_bitmap);
        }
    }
    ScopedDib32(const ScopedDib32&) = delete;
    ScopedDib32& operator=(const ScopedDib32&) = delete;

    HBITMAP Get() const { return m_bitmap; }
    // Null when the section could not be made.
    uint32_t* Words() const { return m_words; }
    size_t WordCount() const { return m_count; }
    // The word of the pixel at (x, y), counted from the top row as drawing calls do.
    uint32_t At(int x, int y) const { return m_words[static_cast<size_t>(m_height - 1 - y) * m_width + x]; }

private:
    int m_width;
    int m_height;
    HBITMAP m_bitmap = nullptr;
    uint32_t* m_words = nullptr;
    size_t m_count = 0;
};
