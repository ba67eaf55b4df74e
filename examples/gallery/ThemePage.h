#pragma once

#include "GalleryPage.h"

// The theme: its colour table, colour indices, fonts and the drawing helpers.
std::unique_ptr<GalleryPage> MakeThemePage();
