#include "GalleryPage.h"

#include "ThemePage.h"
#include "TrackPage.h"

const std::vector<GalleryPageEntry>& GalleryPages() {
    static const std::vector<GalleryPageEntry> pages = {
        {"theme", MakeThemePage},
        {"track", MakeTrackPage},
    };
    return pages;
}
