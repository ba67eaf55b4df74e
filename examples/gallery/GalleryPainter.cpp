#include "GalleryPainter.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

struct ColorIndex {
    const char* name;
    const int* index;
};

#define GALLERY_COLOR_INDEX(name, index) {#name, &name},
const ColorIndex kColorIndices[] = {KALO_COLOR_INDEX_LIST(GALLERY_COLOR_INDEX)};
#undef GALLERY_COLOR_INDEX

const char* const kColorKeys[] = {"color_black", "color_51",        "color_65",       "color_100",
                                  "color_128",   "color_152",       "color_176",      "color_200",
                                  "color_230",   "color_white",     "color_red",      "color_halfred",
                                  "color_dyn",   "color_dyngrayed", "color_dynselect"};

const char* const kFontNames[] = {"Arial 12, regular",
                                  "Arial 14, bold",
                                  "Arial 14, bold underlined",
                                  "Arial 12, italic",
                                  "Arial 12, underlined",
                                  "Arial 12, italic underlined",
                                  "System 20, italic underlined",
                                  "Arial 6"};

constexpr int kGap = 10;
constexpr int kTitleHeight = 20;
constexpr int kHeaderHeight = 36;
constexpr int kTabRowHeight = 28;
constexpr int kStatusHeight = 22;

// A 32-bit section of the given size selected into its own memory context.
class Canvas {
public:
    Canvas(CDC& compatible, int width, int height) {
        m_bitmap.Attach(KaloCtlCreateBitmap(width, height, 32));
        m_dc.CreateCompatibleDC(&compatible);
        m_previous = m_dc.SelectObject(m_bitmap.GetSafeHandle());
    }
    ~Canvas() { m_dc.SelectObject(m_previous); }
    CDC& Dc() { return m_dc; }
    CBitmap& Bitmap() { return m_bitmap; }

private:
    CBitmap m_bitmap;
    CDC m_dc;
    HGDIOBJ m_previous = nullptr;
};

void Checkerboard(CDC& dc, const CRect& area, int cell, COLORREF a, COLORREF b) {
    for (int y = area.top; y < area.bottom; y += cell) {
        for (int x = area.left; x < area.right; x += cell) {
            const bool even = ((x - area.left) / cell + (y - area.top) / cell) % 2 == 0;
            CRect square(x, y, std::min<LONG>(x + cell, area.right), std::min<LONG>(y + cell, area.bottom));
            dc.FillSolidRect(&square, even ? a : b);
        }
    }
}

} // namespace

void GalleryPainter::PaintFrame(const CRect& client, bool settingsFound) {
    m_dc.SetBkMode(TRANSPARENT);
    Header(HeaderArea(client));
    const CRect tabs = TabRowArea(client);
    m_dc.FillSolidRect(&tabs, GetKaloColor(ZC_TOOLBARBACK));
    StatusBar(StatusArea(client), settingsFound);
}

CRect GalleryPainter::HeaderArea(const CRect& client) {
    return CRect(client.left, client.top, client.right, client.top + kHeaderHeight);
}

CRect GalleryPainter::StatusArea(const CRect& client) {
    return CRect(client.left, client.bottom - kStatusHeight, client.right, client.bottom);
}

CRect GalleryPainter::TabRowArea(const CRect& client) {
    return CRect(client.left, client.top + kHeaderHeight, client.right,
                 client.top + kHeaderHeight + kTabRowHeight);
}

CRect GalleryPainter::PageArea(const CRect& client) {
    return CRect(client.left, TabRowArea(client).bottom, client.right, client.bottom - kStatusHeight);
}

void GalleryPainter::Paint(const CRect& page) {
    m_dc.FillSolidRect(&page, GetKaloColor(ZC_MAINBACK));
    m_dc.SetBkMode(TRANSPARENT);

    const int top = page.top + kGap;
    const int bottom = page.bottom - kGap;
    const int leftWidth = 300;
    const CRect colors(kGap, top, kGap + leftWidth, top + 15 * 20 + kTitleHeight + 12);
    ColorTable(Panel(colors, "Colour table"));
    const CRect fonts(kGap, colors.bottom + kGap, kGap + leftWidth, bottom);
    Fonts(Panel(fonts, "Fonts"));

    const int right = page.right - kGap;
    const CRect indices(colors.right + kGap, top, right, top + 25 * 15 + kTitleHeight + 12);
    ColorIndices(Panel(indices, "Colour indices (ZC_*)"));
    const CRect helpers(indices.left, indices.bottom + kGap, right, bottom);
    Helpers(Panel(helpers, "Drawing helpers"));
}

void GalleryPainter::Header(const CRect& area) {
    m_dc.FillSolidRect(&area, GetKaloColor(ZC_DIALOGTITLEBACKCOLORFOCUS));
    CRect line(area.left, area.bottom - 1, area.right, area.bottom);
    m_dc.FillSolidRect(&line, GetKaloColor(ZC_DIALOGTITLEBORDERFOCUS));
    Text(area.left + 12, area.top + 10, "Trellis gallery", GetKaloColor(ZC_DIALOGTITLETEXTCOLORFOCUS),
         KaloCtlGetDefaultBoldFont());
    char summary[96];
    std::snprintf(summary, sizeof summary, "theme: %d colours, %d colour indices, %d fonts, %d brushes",
                  static_cast<int>(GetKaloInterfaceData()->Colors.size()),
                  static_cast<int>(std::size(kColorIndices)),
                  static_cast<int>(GetKaloInterfaceData()->Fonts.size()),
                  static_cast<int>(GetKaloInterfaceData()->Brushes.size()));
    Text(area.left + 160, area.top + 12, summary, GetKaloColor(ZC_MENUTEXT), KaloCtlGetDefaultFont());
}

void GalleryPainter::StatusBar(const CRect& area, bool settingsFound) {
    m_dc.FillSolidRect(&area, GetKaloColor(ZC_STATUSBARBACK));
    char text[160];
    const KaloInterfaceData& theme = *GetKaloInterfaceData();
    std::snprintf(text, sizeof text,
                  "quillon.ini: %s   |   dialog buttons %ldx%ld, margins %d/%d/%d/%d   |   window version %d",
                  settingsFound ? "read" : "none (built-in theme)", theme.ButtonOkSize.cx,
                  theme.ButtonOkSize.cy, theme.MarginLeft, theme.MarginTop, theme.MarginRight,
                  theme.MarginBottom, GetWindowVersion());
    Text(area.left + 12, area.top + 5, text, GetKaloColor(ZC_SEPARATORCOLOR), KaloCtlGetDefaultFont());
}

CRect GalleryPainter::Panel(const CRect& area, const char* title) {
    m_dc.FillSolidRect(&area, GetKaloColor(ZC_DIALOGBACKLIGHT));
    CRect titleBar(area.left, area.top, area.right, area.top + kTitleHeight);
    m_dc.FillSolidRect(&titleBar, GetKaloColor(ZC_DIALOGTITLEBACKCOLOR));
    m_dc.Draw3dRect(&area, GetKaloColor(ZC_DIALOGTITLEBORDER), GetKaloColor(ZC_DIALOGBORDER));
    Text(area.left + 8, area.top + 3, title, GetKaloColor(ZC_DIALOGTITLETEXTCOLOR),
         KaloCtlGetDefaultBoldFont());
    return CRect(area.left + 8, titleBar.bottom + 6, area.right - 8, area.bottom - 6);
}

void GalleryPainter::ColorTable(const CRect& area) {
    const KaloInterfaceData& theme = *GetKaloInterfaceData();
    for (int i = 0; i < static_cast<int>(std::size(kColorKeys)); ++i) {
        const int y = area.top + i * 20;
        const COLORREF color = theme.ColorAt(i);
        Swatch(CRect(area.left, y, area.left + 44, y + 16), color);
        char line[64];
        std::snprintf(line, sizeof line, "%2d  %s", i, kColorKeys[i]);
        Text(area.left + 52, y + 2, line, GetKaloColor(ZC_CONTROLTEXT), KaloCtlGetDefaultFont());
        std::snprintf(line, sizeof line, "%d, %d, %d", GetRValue(color), GetGValue(color), GetBValue(color));
        Text(area.left + 190, y + 2, line, GetKaloColor(ZC_CONTROLTEXT), KaloCtlGetDefaultFont());
    }
}

void GalleryPainter::ColorIndices(const CRect& area) {
    constexpr int rows = 25;
    const int columnWidth = area.Width() / 4;
    for (int i = 0; i < static_cast<int>(std::size(kColorIndices)); ++i) {
        const int x = area.left + (i / rows) * columnWidth;
        const int y = area.top + (i % rows) * 15;
        Swatch(CRect(x, y + 1, x + 12, y + 13), GetKaloColor(*kColorIndices[i].index));
        Text(x + 16, y + 1, kColorIndices[i].name, GetKaloColor(ZC_CONTROLTEXT), KaloCtlGetDefaultFont());
    }
}

void GalleryPainter::Fonts(const CRect& area) {
    int y = area.top;
    for (int i = 0; i < static_cast<int>(GetKaloInterfaceData()->Fonts.size()) && i < 8; ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "%d  %s", i, kFontNames[i]);
        CFont* font = GetKaloFont(i);
        Text(area.left, y, line, GetKaloColor(ZC_CONTROLTEXT), font);
        LOGFONTA logFont{};
        font->GetLogFont(&logFont);
        y += std::max(16, static_cast<int>(logFont.lfHeight) + 8);
    }
}

void GalleryPainter::Helpers(const CRect& area) {
    const int width = (area.Width() - 2 * kGap) / 3;
    TransparentBlitDemo(CRect(area.left, area.top, area.left + width, area.bottom));
    AlphaBlendDemo(CRect(area.left + width + kGap, area.top, area.left + 2 * width + kGap, area.bottom));
    ImageListDemo(CRect(area.left + 2 * (width + kGap), area.top, area.right, area.bottom));
}

void GalleryPainter::TransparentBlitDemo(const CRect& area) {
    Caption(area, "KaloCtlTransparentBlt, key magenta");
    const CRect stage(area.left, area.top + 18, area.right, area.bottom);
    Checkerboard(m_dc, stage, 8, GetKaloColor(ZC_EDITORVIEWBACKLIGHT), GetKaloColor(ZC_EDITORVIEWBACKDARK));

    constexpr int size = 64;
    const COLORREF key = RGB(255, 0, 255);
    Canvas sprite(m_dc, size, size);
    sprite.Dc().FillSolidRect(0, 0, size, size, key);
    CBrush ring(GetKaloColor(14));
    CBrush core(GetKaloColor(12));
    CBrush* previous = sprite.Dc().SelectObject(&ring);
    sprite.Dc().SelectStockObject(NULL_PEN);
    sprite.Dc().Ellipse(4, 4, size - 4, size - 4);
    sprite.Dc().SelectObject(&core);
    sprite.Dc().Ellipse(18, 18, size - 18, size - 18);
    sprite.Dc().SelectObject(previous);

    const int y = stage.top + (stage.Height() - size) / 2;
    // Left: the plain copy with its key colour; right: the keyed blit.
    m_dc.BitBlt(stage.left + 12, y, size, size, &sprite.Dc(), 0, 0, SRCCOPY);
    KaloCtlTransparentBlt(m_dc.GetSafeHdc(), stage.left + 24 + size, y, size, size, sprite.Dc().GetSafeHdc(),
                          0, 0, key);
}

void GalleryPainter::AlphaBlendDemo(const CRect& area) {
    Caption(area, "KaloCtlAlphaBlend 0 / 64 / 128 / 192 / 255");
    const CRect stage(area.left, area.top + 18, area.right, area.bottom);
    for (int x = stage.left; x < stage.right; x += 12) {
        CRect stripe(x, stage.top, std::min(x + 6, static_cast<int>(stage.right)), stage.bottom);
        m_dc.FillSolidRect(&stripe, GetKaloColor(9));
        CRect gap(stripe.right, stage.top, std::min(x + 12, static_cast<int>(stage.right)), stage.bottom);
        m_dc.FillSolidRect(&gap, GetKaloColor(1));
    }
    constexpr int size = 36;
    Canvas tile(m_dc, size, size);
    tile.Dc().FillSolidRect(0, 0, size, size, GetKaloColor(10));
    const int step = (stage.Width() - size) / 4;
    const int y = stage.top + (stage.Height() - size) / 2;
    const int alphas[] = {0, 64, 128, 192, 255};
    for (int i = 0; i < 5; ++i) {
        const int x = stage.left + i * step;
        KaloCtlAlphaBlend(m_dc.GetSafeHdc(), x, y, size, size, tile.Dc().GetSafeHdc(), 0, 0, alphas[i]);
        CRect frame(x, y, x + size, y + size);
        m_dc.Draw3dRect(&frame, GetKaloColor(0), GetKaloColor(0));
    }
}

void GalleryPainter::ImageListDemo(const CRect& area) {
    Caption(area, "KaloImageList modes 0-4");
    const CRect stage(area.left, area.top + 18, area.right, area.bottom);
    m_dc.FillSolidRect(&stage, GetKaloColor(ZC_TOOLBARBACK));

    constexpr int size = 32;
    const COLORREF key = GetKaloColor(0);
    auto* image = new CBitmap;
    image->Attach(KaloCtlCreateBitmap(size, size, 32));
    {
        CDC dc;
        dc.CreateCompatibleDC(&m_dc);
        HGDIOBJ previous = dc.SelectObject(image->GetSafeHandle());
        dc.FillSolidRect(0, 0, size, size, key);
        const POINT diamond[] = {{size / 2, 2}, {size - 2, size / 2}, {size / 2, size - 2}, {2, size / 2}};
        CBrush fill(GetKaloColor(13));
        CBrush* old = dc.SelectObject(&fill);
        dc.Polygon(diamond, 4);
        dc.SelectObject(old);
        dc.SelectObject(previous);
    }
    // The mask lets the background through (OR) around the diamond, copies inside it.
    auto* mask = new CBitmap;
    mask->CreateBitmap(size, size, 1, 1, nullptr);
    {
        CDC dc;
        dc.CreateCompatibleDC(&m_dc);
        HGDIOBJ previous = dc.SelectObject(mask->GetSafeHandle());
        dc.FillSolidRect(0, 0, size, size, RGB(255, 255, 255));
        dc.SelectStockObject(BLACK_BRUSH);
        dc.Ellipse(4, 4, size - 4, size - 4);
        dc.SelectObject(previous);
    }
    KaloImageList list;
    list.AddImage(image, mask);
    list.SetGlobalBimapMask(mask);
    list.SetImageClrMask(0, key);
    list.SetGlobalClrMask(key);

    const int step = (stage.Width() - size) / 4;
    const int y = stage.top + (stage.Height() - size) / 2 - 6;
    for (DWORD mode = 0; mode <= 4; ++mode) {
        const int x = stage.left + static_cast<int>(mode) * step;
        // Placed through the context's origin: the keyed modes always draw there.
        const CPoint origin = m_dc.OffsetViewportOrg(x, y);
        list.Draw(&m_dc, 0, POINT{0, 0}, mode);
        m_dc.SetViewportOrg(origin);
        char label[8];
        std::snprintf(label, sizeof label, "%lu", mode);
        Text(x + size / 2 - 3, y + size + 4, label, GetKaloColor(ZC_N_TOOLBARBUTTONTEXT),
             KaloCtlGetDefaultFont());
    }
    list.DeleteAllImages();
}

void GalleryPainter::Swatch(const CRect& rect, COLORREF color) {
    m_dc.FillSolidRect(&rect, color);
    m_dc.Draw3dRect(&rect, GetKaloColor(ZC_CONTROLBORDER), GetKaloColor(ZC_CONTROLBORDER));
}

void GalleryPainter::Text(int x, int y, const char* text, COLORREF color, CFont* font) {
    // Fonts are missing only before the theme starts; text then uses the context's font.
    CFont* previous = font ? m_dc.SelectObject(font) : nullptr;
    m_dc.SetTextColor(color);
    m_dc.TextOut(x, y, text);
    if (previous) {
        m_dc.SelectObject(previous);
    }
}

void GalleryPainter::Caption(const CRect& area, const char* text) {
    Text(area.left, area.top, text, GetKaloColor(ZC_CONTROLTEXT), KaloCtlGetDefaultFont());
}
