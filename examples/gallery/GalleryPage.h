#pragma once

#include <Trellis.h>

#include <memory>
#include <vector>

// One page of the gallery: a child window that fills the page area and shows one control
// family with every state visible at once (states are forced where the user would have to
// hover or press, so a screenshot shows them all).
class GalleryPage : public CWnd {
public:
    // Creates the page window inside `rect` of `parent`, then its controls.
    BOOL CreatePage(CWnd* parent, const CRect& rect);

protected:
    // Creates the page's controls; the page window exists. FALSE abandons the page.
    virtual BOOL CreateControls() = 0;
    // Paints the page background and any drawn content; the default fills with the theme's
    // dialog colour.
    virtual void PaintPage(CDC& dc, const CRect& client);

    // A caption text at (x, y) in the default font, for labelling a group of controls.
    void Label(CDC& dc, int x, int y, const char* text);

    int OnCreate(LPCREATESTRUCT create);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);

    DECLARE_MESSAGE_MAP()
};

// The table of pages, in the order of the gallery's page buttons. A family adds its page by
// one line in GalleryPages.cpp.
struct GalleryPageEntry {
    const char* name;
    std::unique_ptr<GalleryPage> (*make)();
};
const std::vector<GalleryPageEntry>& GalleryPages();
