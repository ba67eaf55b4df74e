#pragma once

#include "GalleryPage.h"

// The track control: tracks of different heights with coloured key bars, collapsed and
// expanded, selected and current rows, a rename in progress; names drag to reorder.
std::unique_ptr<GalleryPage> MakeTrackPage();
