#pragma once

#include "GalleryPage.h"

// Edits of each numeric style and combo boxes, in normal, focused and disabled looks.
std::unique_ptr<GalleryPage> MakeEditsPage();
