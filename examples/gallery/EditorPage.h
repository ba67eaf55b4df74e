#pragma once

#include "GalleryPage.h"

// The script editor: a sample script, its context menu, full screen and a one-line editor.
std::unique_ptr<GalleryPage> MakeEditorPage();
// The same page with the completion list open (its screenshot).
std::unique_ptr<GalleryPage> MakeEditorCompletionPage();
