#include "GalleryPage.h"

#include "ThemePage.h"
#include "EditorPage.h"

const std::vector<GalleryPageEntry>& GalleryPages() {
    static const std::vector<GalleryPageEntry> pages = {
        {"theme", MakeThemePage},
        {"editor", MakeEditorPage},
    };
    return pages;
}
