#pragma once

#include <Trellis.h>

// Draws the gallery's pages: the theme's colour table, its colour indices, its fonts and
// what the drawing helpers produce. Stateless apart from the images it builds per paint.
class GalleryPainter {
public:
    explicit GalleryPainter(CDC& dc) : m_dc(dc) {}

    // The gallery window's own header and status bar around the page area.
    void PaintFrame(const CRect& client, bool settingsFound);
    // The theme page: colour table, colour indices, fonts and drawing helpers.
    void Paint(const CRect& page);

    static CRect HeaderArea(const CRect& client);
    // The row of page buttons between the header and the page.
    static CRect TabRowArea(const CRect& client);
    static CRect StatusArea(const CRect& client);
    static CRect PageArea(const CRect& client);

private:
    void Header(const CRect& area);
    void StatusBar(const CRect& area, bool settingsFound);
    // A titled panel; returns the area inside it.
    CRect Panel(const CRect& area, const char* title);
    void ColorTable(const CRect& area);
    void ColorIndices(const CRect& area);
    void Fonts(const CRect& area);
    void Helpers(const CRect& area);
    void TransparentBlitDemo(const CRect& area);
    void AlphaBlendDemo(const CRect& area);
    void ImageListDemo(const CRect& area);
    void Swatch(const CRect& rect, COLORREF color);
    void Text(int x, int y, const char* text, COLORREF color, CFont* font);
    void Caption(const CRect& area, const char* text);

    CDC& m_dc;
};
