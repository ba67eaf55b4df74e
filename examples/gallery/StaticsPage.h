#pragma once

#include "GalleryPage.h"

// Statics, framed rectangles, a view with tool bar, left bar and a draggable split bar.
std::unique_ptr<GalleryPage> MakeStaticsPage();
