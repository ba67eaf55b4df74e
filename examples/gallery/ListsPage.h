#pragma once

#include "GalleryPage.h"

// A list box, a list view with coloured and selected items, and a tree.
std::unique_ptr<GalleryPage> MakeListsPage();
