#pragma once

#include "GalleryPage.h"

// The image viewer with its linked alpha view and zoom buttons.
std::unique_ptr<GalleryPage> MakeImagePage();
