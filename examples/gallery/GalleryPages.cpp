#include "GalleryPage.h"

#include "ThemePage.h"
#include "ButtonsPage.h"
#include "DialogPage.h"

const std::vector<GalleryPageEntry>& GalleryPages() {
    static const std::vector<GalleryPageEntry> pages = {
        {"theme", MakeThemePage},
        {"buttons", MakeButtonsPage},
        {"dialog", MakeDialogPage},
    };
    return pages;
}
