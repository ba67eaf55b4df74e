#include "GalleryPage.h"

#include "ThemePage.h"
#include "StaticsPage.h"
#include "ImagePage.h"

const std::vector<GalleryPageEntry>& GalleryPages() {
    static const std::vector<GalleryPageEntry> pages = {
        {"theme", MakeThemePage},
        {"statics", MakeStaticsPage},
        {"image", MakeImagePage},
    };
    return pages;
}
