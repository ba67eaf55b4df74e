#pragma once

#include "GalleryPage.h"

// A KaloDialog from a dialog template, shown beside the page while the page is open.
std::unique_ptr<GalleryPage> MakeDialogPage();
