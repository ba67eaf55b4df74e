// Draws attached windows: the frame is composed in an off-screen cache the size of the window,
// and the screen is only ever filled by copying from it. A back buffer keeps the bare frame
// (no icon, title or elements) so one element can be restored and redrawn alone.
#pragma once

#include "HaloTextCache.h"
#include "SkinRegistry.h"
#include "SkinResources.h"

class FramePainter {
public:
    FramePainter(const SkinResources& resources, SkinRegistry& registry)
        : resources_(resources), registry_(registry) {}

    // Recomposes the cache and back buffer when forced or when the window size changed.
    void RebuildFrameCache(HWND window, bool force) const;
    // Repaints one element (1-based) in the cache and on the screen.
    void RedrawElement(HWND window, int index) const;
    // After the window text changed: marks the title band stale and leaves it to the next
    // paint, which redraws icon, title and caption buttons in the cache from the back buffer
    // (the rest of the cache stays as it is). A window whose title changes at every step of
    // a long task pays for drawing the title only as often as it is painted.
    void RedrawTitle(HWND window) const;
    void DrawElement(const SkinElement& element, HDC dc, Gdiplus::GpGraphics* graphics) const;
    // White text over a dark halo; a zero width or height leaves the layout unbounded.
    void DrawHaloText(HDC dc, Gdiplus::GpGraphics* graphics, const char* text, Gdiplus::GpFont* font,
                      Gdiplus::RectF layout, Gdiplus::GpStringFormat* format) const;
    // Copies the 3-pixel strips beside the client panel to the window DC.
    void PaintSideStrips(HWND window) const;

    void Paint(HWND window) const;
    void EraseBackground(HWND window, HDC dc) const;

    // Deletes the window's buffers and their bitmaps (the properties stay for the caller).
    static void ReleaseFrameCache(HWND window);

private:
    void DrawSheet(Gdiplus::GpGraphics* graphics, float x, float y, float width, float height, float sx,
                   float sy, float sw, float sh) const;
    void DrawBannerPicture(Gdiplus::GpGraphics* graphics, int w, int bannerHeight) const;
    void DrawStatusBar(HWND window, Gdiplus::GpGraphics* graphics, int w, int h, int statusHeight) const;
    void DrawClientPanel(Gdiplus::GpGraphics* graphics, int w, int h, int bannerHeight,
                         int statusHeight) const;
    void DrawOuterBorder(Gdiplus::GpGraphics* graphics, int w, int h) const;
    void DrawStaleTitle(HWND window) const;
    void DrawIconAndTitle(HWND window, HDC dc, Gdiplus::GpGraphics* graphics) const;
    void LayOutAndDrawElements(HWND window, HDC dc, Gdiplus::GpGraphics* graphics, int w) const;

    const SkinResources& resources_;
    SkinRegistry& registry_;
    mutable HaloTextCache haloText_; // what is drawn, not what the frame is
};
