#pragma once

#include "GalleryPage.h"

// The value editors: the angle control and gas pedals bound to labels, and function drawers
// whose markers follow a slider.
std::unique_ptr<GalleryPage> MakeValuesPage();
