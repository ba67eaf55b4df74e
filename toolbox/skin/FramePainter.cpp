#include "FramePainter.h"

#include "WindowProps.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kFrameTileY = 90;
constexpr int kSlice = 5;            // frame corners and edges
constexpr int kStripWidth = 3;       // side strips beside the client panel
constexpr int kTitleBandBottom = 27; // icon, title and caption buttons lie above the tab strip

struct WindowSize {
    int w = 0, h = 0;
};

WindowSize OuterSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

int BannerHeight(HWND window) {
    return static_cast<int>(ReadProp(window, skinprop::BannerHeight));
}

int StatusHeight(HWND window) {
    return static_cast<int>(ReadProp(window, skinprop::StatusHeight));
}

HDC CacheDC(HWND window) {
    return ReadHandleProp<HDC>(window, skinprop::CacheDC);
}

// Creates the two memory DCs on the first rebuild; later rebuilds keep them.
void EnsureBufferDCs(HWND window, HDC windowDC) {
    if (CacheDC(window))
        return;
    HDC cache = CreateCompatibleDC(windowDC);
    HDC back = CreateCompatibleDC(windowDC);
    SetBkMode(cache, TRANSPARENT);
    SetStretchBltMode(cache, HALFTONE);
    SetBrushOrgEx(cache, 0, 0, nullptr);
    WriteProp(window, skinprop::CacheDC, reinterpret_cast<INT_PTR>(cache));
    WriteProp(window, skinprop::BackDC, reinterpret_cast<INT_PTR>(back));
}

void DropBufferBitmaps(HWND window) {
    HDC cache = CacheDC(window);
    HDC back = ReadHandleProp<HDC>(window, skinprop::BackDC);
    if (HGDIOBJ bitmap = ReadHandleProp<HGDIOBJ>(window, skinprop::CacheBitmap)) {
        SelectObject(cache, ReadHandleProp<HGDIOBJ>(window, skinprop::CacheOldBitmap));
        DeleteObject(bitmap);
    }
    if (HGDIOBJ bitmap = ReadHandleProp<HGDIOBJ>(window, skinprop::BackBitmap)) {
        SelectObject(back, ReadHandleProp<HGDIOBJ>(window, skinprop::BackOldBitmap));
        DeleteObject(bitmap);
    }
    WriteProp(window, skinprop::CacheBitmap, 0);
    WriteProp(window, skinprop::BackBitmap, 0);
}

void SelectNewBitmap(HWND window, HDC windowDC, int w, int h, const char* dcName, const char* bitmapName,
                     const char* oldName) {
    HDC dc = ReadHandleProp<HDC>(window, dcName);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDC, w, h);
    HGDIOBJ old = SelectObject(dc, bitmap);
    WriteProp(window, bitmapName, reinterpret_cast<INT_PTR>(bitmap));
    WriteProp(window, oldName, reinterpret_cast<INT_PTR>(old));
}

void FillGradient(Gdiplus::GpGraphics* graphics, Gdiplus::PointF from, ARGB fromColour, Gdiplus::PointF to,
                  ARGB toColour, float x, float y, float width, float height) {
    Gdiplus::GpLineGradient* brush = nullptr;
    if (Gdip().GdipCreateLineBrush(&from, &to, fromColour, toColour, Gdiplus::WrapModeTile, &brush) !=
        Gdiplus::Ok)
        return;
    Gdip().GdipFillRectangle(graphics, brush, x, y, width, height);
    Gdip().GdipDeleteBrush(brush);
}

} // namespace

void FramePainter::DrawSheet(Gdiplus::GpGraphics* graphics, float x, float y, float width, float height,
                             float sx, float sy, float sw, float sh) const {
    if (!resources_.sheet.Image())
        return;
    Gdip().GdipDrawImageRectRect(graphics, resources_.sheet.Image(), x, y, width, height, sx, sy, sw, sh,
                                 Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
}

void FramePainter::RebuildFrameCache(HWND window, bool force) const {
    auto [w, h] = OuterSize(window);
    if (!force && ReadProp(window, skinprop::CacheWidth) == w && ReadProp(window, skinprop::CacheHeight) == h)
        return;
    WriteProp(window, skinprop::CacheWidth, w);
    WriteProp(window, skinprop::CacheHeight, h);
    if (w <= 0 || h <= 0)
        return;
    HDC windowDC = GetDC(window);
    EnsureBufferDCs(window, windowDC);
    DropBufferBitmaps(window);
    SelectNewBitmap(window, windowDC, w, h, skinprop::CacheDC, skinprop::CacheBitmap,
                    skinprop::CacheOldBitmap);
    SelectNewBitmap(window, windowDC, w, h, skinprop::BackDC, skinprop::BackBitmap, skinprop::BackOldBitmap);
    ReleaseDC(window, windowDC);

    HDC cache = CacheDC(window);
    GdipGraphics graphics = GraphicsOn(cache);
    if (!graphics)
        return;
    int bannerHeight = BannerHeight(window);
    int statusHeight = StatusHeight(window);
    Gdip().GdipFillRectangle(graphics.get(), resources_.bannerFill.get(), 0, 0, float(w), float(h));
    DrawBannerPicture(graphics.get(), w, bannerHeight);
    DrawSheet(graphics.get(), 0, 0, float(w), 90, 0, 0, 150, 90);
    if (statusHeight > 0)
        DrawStatusBar(window, graphics.get(), w, h, statusHeight);
    DrawClientPanel(graphics.get(), w, h, bannerHeight, statusHeight);
    DrawOuterBorder(graphics.get(), w, h);
    // GDI+ may batch; the GDI copy below must see everything drawn so far.
    Gdip().GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync);
    BitBlt(ReadHandleProp<HDC>(window, skinprop::BackDC), 0, 0, w, h, cache, 0, 0, SRCCOPY);

    DrawIconAndTitle(window, cache, graphics.get());
    LayOutAndDrawElements(window, cache, graphics.get(), w);
    if (SkinWindowRecord* record = registry_.RecordOf(window))
        record->titleStale = false;
    SetWindowRgn(window, CreateRoundRectRgn(0, 0, w + 1, h + 1, 3, 3), TRUE);
}

void FramePainter::DrawBannerPicture(Gdiplus::GpGraphics* graphics, int w, int bannerHeight) const {
    Gdiplus::GpImage* picture = resources_.bannerPicture.Image();
    int pictureWidth = resources_.bannerPictureWidth;
    if (!picture || pictureWidth <= 0)
        return;
    // Right-aligned: a narrow picture leaves a gap on the left, a wide one loses its left part.
    int gap = pictureWidth < w ? w - pictureWidth : 0;
    int sourceX = pictureWidth < w ? 0 : pictureWidth - w;
    int drawnWidth = pictureWidth - sourceX;
    int drawnHeight = std::min(bannerHeight + 10, resources_.bannerPictureHeight);
    Gdip().GdipDrawImageRectRect(graphics, picture, float(gap), 0, float(drawnWidth), float(drawnHeight),
                                 float(sourceX), 0, float(drawnWidth), float(drawnHeight), Gdiplus::UnitPixel,
                                 nullptr, nullptr, nullptr);
    COLORREF average = resources_.bannerAverage;
    if (gap > 0)
        FillGradient(graphics, {float(gap), 0}, MakeArgb(average, 255), {float(gap + 150), 0},
                     MakeArgb(average, 0), float(gap), 0, 150, float(bannerHeight + 10));
    FillGradient(graphics, {0, float(bannerHeight)}, MakeArgb(average, 0), {0, float(bannerHeight + 10)},
                 MakeArgb(average, 255), 0, float(bannerHeight), float(w), 10);
}

void FramePainter::DrawStatusBar(HWND window, Gdiplus::GpGraphics* graphics, int w, int h,
                                 int statusHeight) const {
    int top = h - statusHeight - 3;
    DrawSheet(graphics, 2, float(top), float(w - 4), float(statusHeight), 180, 0, 20, 26);
    bool sizable = ReadProp(window, skinprop::SizeBox) == 1;
    if (SkinWindowRecord* record = registry_.RecordOf(window)) {
        if (SkinElement* status = record->Element(record->statusIndex)) {
            status->width = w - 10 - (sizable ? 10 : 0);
            status->height = statusHeight;
            status->PlaceAt(5, top);
        }
    }
    if (sizable && ReadProp(window, skinprop::Maximize) == 0)
        DrawSheet(graphics, float(w - 14), float(h - 14), 12, 12, 180, 26, 12, 12);
}

void FramePainter::DrawClientPanel(Gdiplus::GpGraphics* graphics, int w, int h, int bannerHeight,
                                   int statusHeight) const {
    // A window shorter than banner and status bar together has no panel at all.
    int panelHeight = h - bannerHeight - statusHeight - 3;
    if (panelHeight <= 1 || w <= 6)
        return;
    Gdip().GdipFillRectangle(graphics, resources_.clientFill.get(), 3, float(bannerHeight + 1), float(w - 6),
                             float(panelHeight - 1));
    Gdip().GdipDrawRectangle(graphics, resources_.borderPen.get(), 2, float(bannerHeight), float(w - 5),
                             float(panelHeight));
}

void FramePainter::DrawOuterBorder(Gdiplus::GpGraphics* graphics, int w, int h) const {
    const float s = kSlice, right = float(w - kSlice), bottom = float(h - kSlice);
    const float tileRight = 55, tileBottom = kFrameTileY + 47;
    DrawSheet(graphics, 0, 0, s, s, 0, kFrameTileY, s, s);
    DrawSheet(graphics, s, 0, float(w - 10), s, s, kFrameTileY, s, s);
    DrawSheet(graphics, right, 0, s, s, tileRight, kFrameTileY, s, s);
    DrawSheet(graphics, 0, s, s, float(h - 10), 0, kFrameTileY + s, s, s);
    DrawSheet(graphics, right, s, s, float(h - 10), tileRight, kFrameTileY + s, s, s);
    DrawSheet(graphics, 0, bottom, s, s, 0, tileBottom, s, s);
    DrawSheet(graphics, s, bottom, float(w - 10), s, s, tileBottom, s, s);
    DrawSheet(graphics, right, bottom, s, s, tileRight, tileBottom, s, s);
}

void FramePainter::DrawIconAndTitle(HWND window, HDC dc, Gdiplus::GpGraphics* graphics) const {
    auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon)
        icon = resources_.defaultIcon;
    int titleX = 8;
    if (icon) {
        DrawIconEx(dc, 8, 6, icon, 16, 16, 0, nullptr, DI_NORMAL);
        titleX = 28;
    }
    std::string title = WindowText(window);
    if (!title.empty())
        DrawHaloText(dc, graphics, title.c_str(), resources_.captionFont.get(), {float(titleX), 9, 0, 0},
                     nullptr);
}

void FramePainter::LayOutAndDrawElements(HWND window, HDC dc, Gdiplus::GpGraphics* graphics, int w) const {
    SkinWindowRecord* record = registry_.RecordOf(window);
    if (!record)
        return;
    // Caption buttons right to left; maximize and the restore button after it share a slot.
    int x = w - 45;
    for (SkinElement& element : record->elements) {
        if (element.type != ElementCaptionButton)
            continue;
        element.PlaceAt(x, element.y);
        if (element.kind != CaptionMaximize)
            x -= 27;
    }
    for (const SkinElement& element : record->elements) {
        if (element.visible)
            DrawElement(element, dc, graphics);
    }
}

void FramePainter::DrawElement(const SkinElement& element, HDC dc, Gdiplus::GpGraphics* graphics) const {
    const float x = float(element.x), y = float(element.y);
    const float width = float(element.width), height = float(element.height);
    switch (element.type) {
    case ElementCaptionButton: {
        static constexpr int sourceX[] = {0, 162, 135, 108, 81, 54, 27, 0};
        int kind = element.kind >= 1 && element.kind <= 7 ? element.kind : 0;
        float sourceY = element.pressed ? 185.f : element.hovered ? 165.f : 145.f;
        float sourceWidth = kind == CaptionClose ? 40.f : 27.f;
        DrawSheet(graphics, x, y, width, height, float(sourceX[kind]), sourceY, sourceWidth, 19);
        break;
    }
    case ElementTab: {
        int cellX = element.pressed || element.selected ? 120 : element.hovered ? 60 : 0;
        if (cellX)
            DrawSheet(graphics, x, y, width, height, float(cellX), kFrameTileY, width, height);
        Gdip().GdipFlush(graphics, Gdiplus::FlushIntentionSync);
        if (element.icon)
            DrawIconEx(dc, element.x + (element.width - 32) / 2, element.y + 2, element.icon, 32, 32, 0,
                       nullptr, DI_NORMAL);
        if (!element.text.empty())
            DrawHaloText(dc, graphics, element.text.c_str(), resources_.labelFont.get(),
                         {x, y + height - 16, width, 16}, resources_.centredFormat.get());
        break;
    }
    default:
        if (!element.text.empty())
            DrawHaloText(dc, graphics, element.text.c_str(), resources_.labelFont.get(),
                         {x, y, width, height}, resources_.leftFormat.get());
        break;
    }
}

void FramePainter::DrawHaloText(HDC dc, Gdiplus::GpGraphics* graphics, const char* text,
                                Gdiplus::GpFont* font, Gdiplus::RectF layout,
                                Gdiplus::GpStringFormat* format) const {
    if (!text || !*text)
        return;
    haloText_.Draw(dc, graphics, ToWide(text), font, format, layout);
}

void FramePainter::RedrawElement(HWND window, int index) const {
    SkinWindowRecord* record = registry_.RecordOf(window);
    SkinElement* element = record ? record->Element(index) : nullptr;
    HDC cache = CacheDC(window);
    if (!element || !element->visible || !cache)
        return;
    const int x = element->x, y = element->y, width = element->width, height = element->height;
    BitBlt(cache, x, y, width, height, ReadHandleProp<HDC>(window, skinprop::BackDC), x, y, SRCCOPY);
    if (GdipGraphics graphics = GraphicsOn(cache))
        DrawElement(*element, cache, graphics.get());
    HDC windowDC = GetDC(window);
    BitBlt(windowDC, x, y, width, height, cache, x, y, SRCCOPY);
    ReleaseDC(window, windowDC);
}

void FramePainter::RedrawTitle(HWND window) const {
    SkinWindowRecord* record = registry_.RecordOf(window);
    // A band already waiting for its repaint will show the newest title then: a window
    // whose title counts up in quick steps asks the system nothing more per step.
    if (!record || record->titleStale || !ReadProp(window, skinprop::CacheBitmap))
        return;
    record->titleStale = true;
    const RECT band{0, 0, static_cast<int>(ReadProp(window, skinprop::CacheWidth)),
                    std::min(BannerHeight(window), kTitleBandBottom)};
    InvalidateRect(window, &band, FALSE);
}

void FramePainter::DrawStaleTitle(HWND window) const {
    SkinWindowRecord* record = registry_.RecordOf(window);
    HDC cache = CacheDC(window);
    if (!record || !record->titleStale || !cache || !ReadProp(window, skinprop::CacheBitmap))
        return;
    record->titleStale = false;
    const int w = static_cast<int>(ReadProp(window, skinprop::CacheWidth));
    const RECT band{0, 0, w, std::min(BannerHeight(window), kTitleBandBottom)};
    BitBlt(cache, 0, 0, w, band.bottom, ReadHandleProp<HDC>(window, skinprop::BackDC), 0, 0, SRCCOPY);
    // Anything reaching out of the band (a status bar in a very low window) keeps its pixels.
    const int saved = SaveDC(cache);
    IntersectClipRect(cache, band.left, band.top, band.right, band.bottom);
    if (GdipGraphics graphics = GraphicsOn(cache)) {
        DrawIconAndTitle(window, cache, graphics.get());
        for (const SkinElement& element : record->elements) {
            RECT overlap{};
            if (element.visible && IntersectRect(&overlap, &element.hit, &band))
                DrawElement(element, cache, graphics.get());
        }
    }
    RestoreDC(cache, saved);
}

void FramePainter::PaintSideStrips(HWND window) const {
    HDC cache = CacheDC(window);
    if (!cache)
        return;
    int w = static_cast<int>(ReadProp(window, skinprop::CacheWidth));
    int h = static_cast<int>(ReadProp(window, skinprop::CacheHeight));
    int top = BannerHeight(window);
    int height = h - top - StatusHeight(window);
    if (height <= 0)
        return;
    HDC windowDC = GetWindowDC(window);
    BitBlt(windowDC, 0, top, kStripWidth, height, cache, 0, top, SRCCOPY);
    BitBlt(windowDC, w - kStripWidth, top, kStripWidth, height, cache, w - kStripWidth, top, SRCCOPY);
    ReleaseDC(window, windowDC);
}

void FramePainter::Paint(HWND window) const {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(window, &ps);
    DrawStaleTitle(window);
    if (HDC cache = CacheDC(window)) {
        const RECT& r = ps.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, cache, r.left, r.top, SRCCOPY);
    }
    EndPaint(window, &ps);
}

void FramePainter::EraseBackground(HWND window, HDC dc) const {
    DrawStaleTitle(window);
    HDC cache = CacheDC(window);
    if (!cache)
        return;
    // The cache's own size: the window may have grown since (while minimized, say).
    int w = static_cast<int>(ReadProp(window, skinprop::CacheWidth));
    int h = static_cast<int>(ReadProp(window, skinprop::CacheHeight));
    BitBlt(dc, 0, 0, w, h, cache, 0, 0, SRCCOPY);
}

void FramePainter::ReleaseFrameCache(HWND window) {
    DropBufferBitmaps(window);
    if (HDC cache = CacheDC(window))
        DeleteDC(cache);
    if (HDC back = ReadHandleProp<HDC>(window, skinprop::BackDC))
        DeleteDC(back);
    WriteProp(window, skinprop::CacheDC, 0);
    WriteProp(window, skinprop::BackDC, 0);
}
