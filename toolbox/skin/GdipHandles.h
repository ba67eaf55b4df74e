// Owning handles for GDI+ flat-API objects and the GDI objects the engine creates.
#pragma once

#include "GraphicsBridge.h"

#include <memory>

namespace skin_detail {
struct BrushDeleter {
    void operator()(Gdiplus::GpBrush* p) const { Gdip().GdipDeleteBrush(p); }
};
struct PenDeleter {
    void operator()(Gdiplus::GpPen* p) const { Gdip().GdipDeletePen(p); }
};
struct FontDeleter {
    void operator()(Gdiplus::GpFont* p) const { Gdip().GdipDeleteFont(p); }
};
struct FamilyDeleter {
    void operator()(Gdiplus::GpFontFamily* p) const { Gdip().GdipDeleteFontFamily(p); }
};
struct FormatDeleter {
    void operator()(Gdiplus::GpStringFormat* p) const { Gdip().GdipDeleteStringFormat(p); }
};
struct GraphicsDeleter {
    void operator()(Gdiplus::GpGraphics* p) const { Gdip().GdipDeleteGraphics(p); }
};
struct ImageDeleter {
    void operator()(Gdiplus::GpImage* p) const { Gdip().GdipDisposeImage(p); }
};
struct GdiObjectDeleter {
    void operator()(HGDIOBJ p) const { DeleteObject(p); }
};
struct IconDeleter {
    void operator()(HICON p) const { DestroyIcon(p); }
};
} // namespace skin_detail

using GdipBrush = std::unique_ptr<Gdiplus::GpBrush, skin_detail::BrushDeleter>;
using GdipPen = std::unique_ptr<Gdiplus::GpPen, skin_detail::PenDeleter>;
using GdipFont = std::unique_ptr<Gdiplus::GpFont, skin_detail::FontDeleter>;
using GdipFontFamily = std::unique_ptr<Gdiplus::GpFontFamily, skin_detail::FamilyDeleter>;
using GdipStringFormat = std::unique_ptr<Gdiplus::GpStringFormat, skin_detail::FormatDeleter>;
using GdipGraphics = std::unique_ptr<Gdiplus::GpGraphics, skin_detail::GraphicsDeleter>;
using GdipImage = std::unique_ptr<Gdiplus::GpImage, skin_detail::ImageDeleter>;
using GdiBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, skin_detail::GdiObjectDeleter>;
using GdiBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, skin_detail::GdiObjectDeleter>;
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, skin_detail::IconDeleter>;

// A graphics object on a DC, or empty when GDI+ refuses the DC.
inline GdipGraphics GraphicsOn(HDC dc) {
    Gdiplus::GpGraphics* graphics = nullptr;
    if (Gdip().GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok)
        return nullptr;
    return GdipGraphics(graphics);
}
