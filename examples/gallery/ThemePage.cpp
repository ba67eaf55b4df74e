#include "ThemePage.h"

#include "GalleryPainter.h"

namespace {

class ThemePage : public GalleryPage {
protected:
    BOOL CreateControls() override { return TRUE; }
    void PaintPage(CDC& dc, const CRect& client) override { GalleryPainter(dc).Paint(client); }
};

} // namespace

std::unique_ptr<GalleryPage> MakeThemePage() {
    return std::make_unique<ThemePage>();
}
