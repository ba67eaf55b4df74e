#include "GalleryPage.h"

#include "ThemePage.h"

const std::vector<GalleryPageEntry>& GalleryPages() {
    static const std::vector<GalleryPageEntry> pages = {
        {"theme", MakeThemePage},
    };
    return pages;
}
