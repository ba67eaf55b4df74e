#include "GalleryPage.h"

#include "ThemePage.h"
#include "ValuesPage.h"
#include "ColoursPage.h"

const std::vector<GalleryPageEntry>& GalleryPages() {
    static const std::vector<GalleryPageEntry> pages = {
        {"theme", MakeThemePage},
        {"values", MakeValuesPage},
        {"colours", MakeColoursPage},
    };
    return pages;
}
