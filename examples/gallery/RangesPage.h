#pragma once

#include "GalleryPage.h"

// Scroll bars, sliders, knobs and every kind of progress bar at several values.
std::unique_ptr<GalleryPage> MakeRangesPage();
