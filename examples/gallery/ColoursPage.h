#pragma once

#include "GalleryPage.h"

// The colour dialogs: buttons that open each one modally or modelessly, the chosen colour in a
// swatch, and both dialogs open beside them.
std::unique_ptr<GalleryPage> MakeColoursPage();
