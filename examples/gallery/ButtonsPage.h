#pragma once

#include "GalleryPage.h"

// Push, dialog, toolbar and bitmap buttons in all six states side by side; check and radio
// buttons in each look; a checked list; and a button that opens a KaloDialog.
std::unique_ptr<GalleryPage> MakeButtonsPage();
