#include "SkinHelpers.h"

#include <cstring>
#include <cwchar>
#include <vector>

namespace {

template <typename T> T ReadLittleEndian(const unsigned char* p) {
    T value{};
    std::memcpy(&value, p, sizeof value);
    return value;
}

GdipFontFamily FamilyNamed(const std::wstring& name) {
    Gdiplus::GpFontFamily* family = nullptr;
    if (Gdip().GdipCreateFontFamilyFromName(name.c_str(), nullptr, &family) != Gdiplus::Ok)
        return nullptr;
    return GdipFontFamily(family);
}

// The family of the font GDI actually picks for a requested name (after its substitutes).
std::wstring GdiResolvedFamily(const char* family) {
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, family);
    if (!font)
        return {};
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    std::wstring name;
    if (UINT size = GetOutlineTextMetricsW(dc, 0, nullptr); size >= sizeof(OUTLINETEXTMETRICW)) {
        std::vector<unsigned char> buffer(size);
        auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
        size_t offset =
            GetOutlineTextMetricsW(dc, size, metrics) ? reinterpret_cast<size_t>(metrics->otmpFamilyName) : 0;
        if (offset > 0 && offset < size)
            name.assign(
                reinterpret_cast<const wchar_t*>(buffer.data() + offset),
                wcsnlen(reinterpret_cast<const wchar_t*>(buffer.data() + offset), (size - offset) / 2));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return name;
}

GdipFontFamily GenericSansSerif() {
    Gdiplus::GpFontFamily* family = nullptr;
    if (Gdip().GdipGetGenericFontFamilySansSerif(&family) != Gdiplus::Ok)
        return nullptr;
    return GdipFontFamily(family);
}

GdipFont FontOf(const GdipFontFamily& family, float size, int style, Gdiplus::Unit unit) {
    Gdiplus::GpFont* font = nullptr;
    if (!family || Gdip().GdipCreateFont(family.get(), size, style, unit, &font) != Gdiplus::Ok)
        return nullptr;
    return GdipFont(font);
}

} // namespace

GdipBrush MakeSolidFill(ARGB argb) {
    Gdiplus::GpSolidFill* brush = nullptr;
    if (Gdip().GdipCreateSolidFill(argb, &brush) != Gdiplus::Ok)
        return nullptr;
    return GdipBrush(brush);
}

GdipFont MakeFont(const char* family, float size, int style, Gdiplus::Unit unit) {
    if (GdipFont font = FontOf(FamilyNamed(ToWide(family)), size, style, unit))
        return font;
    std::wstring resolved = GdiResolvedFamily(family);
    if (!resolved.empty()) {
        if (GdipFont font = FontOf(FamilyNamed(resolved), size, style, unit))
            return font;
    }
    return FontOf(GenericSansSerif(), size, style, unit);
}

std::wstring ToWide(const char* text) {
    int count = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (count <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), count);
    wide.resize(static_cast<size_t>(count - 1));
    return wide;
}

Gdiplus::GpImage* LoadImageFromBytes(Bytes bytes, HGLOBAL* block) {
    *block = nullptr;
    if (!bytes.data || bytes.size == 0)
        return nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_FIXED, bytes.size);
    if (!memory)
        return nullptr;
    std::memcpy(GlobalLock(memory), bytes.data, bytes.size);
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    Gdiplus::GpImage* image = nullptr;
    // The stream must not free the block: the image may read from it for as long as it lives.
    if (CreateStreamOnHGlobal(memory, FALSE, &stream) == S_OK) {
        if (Gdip().GdipLoadImageFromStream(stream, &image) != Gdiplus::Ok)
            image = nullptr;
        stream->Release();
    }
    if (!image) {
        GlobalFree(memory);
        return nullptr;
    }
    *block = memory;
    return image;
}

IcoImage IconFromIcoBytes(Bytes bytes, int index) {
    constexpr size_t headerSize = 6, entrySize = 16;
    if (!bytes.data || index < 0 || bytes.size < headerSize + entrySize * (size_t(index) + 1))
        return {};
    if (ReadLittleEndian<WORD>(bytes.data + 4) <= index)
        return {};
    const unsigned char* entry = bytes.data + headerSize + entrySize * size_t(index);
    DWORD size = ReadLittleEndian<DWORD>(entry + 8);
    DWORD offset = ReadLittleEndian<DWORD>(entry + 12);
    if (size == 0 || offset > bytes.size || size > bytes.size - offset)
        return {};
    HICON icon = CreateIconFromResource(const_cast<PBYTE>(bytes.data + offset), size, TRUE, 0x30000);
    if (!icon)
        return {};
    // A zero in the directory means 256 pixels.
    return {OwnedIcon(icon), entry[0] ? entry[0] : 256, entry[1] ? entry[1] : 256};
}

GdiBitmap BitmapFromBmpBytes(Bytes bytes) {
    constexpr size_t fileHeaderSize = 14;
    if (!bytes.data || bytes.size < fileHeaderSize + sizeof(BITMAPINFOHEADER) || bytes.data[0] != 'B' ||
        bytes.data[1] != 'M')
        return nullptr;
    BITMAPINFOHEADER header;
    std::memcpy(&header, bytes.data + fileHeaderSize, sizeof header);
    DWORD bitsOffset = ReadLittleEndian<DWORD>(bytes.data + 10);
    if (header.biSize < sizeof header || header.biWidth <= 0 || header.biHeight == 0 ||
        header.biCompression != BI_RGB || header.biBitCount < 24 || bitsOffset > bytes.size)
        return nullptr;
    size_t stride = ((size_t(header.biWidth) * header.biBitCount + 31) / 32) * 4;
    size_t rows = size_t(header.biHeight < 0 ? -header.biHeight : header.biHeight);
    if (stride * rows > bytes.size - bitsOffset)
        return nullptr;
    const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data + fileHeaderSize);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap =
        CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, bytes.data + bitsOffset, info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return GdiBitmap(bitmap);
}
