#include "GalleryPage.h"

#include "ThemePage.h"
#include "ButtonsPage.h"
#include "DialogPage.h"
#include "EditsPage.h"
#include "ListsPage.h"
#include "RangesPage.h"
#include "StaticsPage.h"
#include "ImagePage.h"
#include "TrackPage.h"
#include "ValuesPage.h"
#include "ColoursPage.h"
#include "EditorPage.h"

const std::vector<GalleryPageEntry>& GalleryPages() {
    static const std::vector<GalleryPageEntry> pages = {
        {"theme", MakeThemePage},
        {"buttons", MakeButtonsPage},
        {"dialog", MakeDialogPage},
        {"edits", MakeEditsPage},
        {"lists", MakeListsPage},
        {"ranges", MakeRangesPage},
        {"statics", MakeStaticsPage},
        {"image", MakeImagePage},
        {"track", MakeTrackPage},
        {"values", MakeValuesPage},
        {"colours", MakeColoursPage},
        {"editor", MakeEditorPage},
        {"completion", MakeEditorCompletionPage},
    };
    return pages;
}
