#pragma once

#include <Trellis.h>

// The gallery program: starts the library, opens the gallery window and pumps its messages.
//   gallery.exe [--close-after SECONDS]
class GalleryApp : public CWinApp {
public:
    GalleryApp();
    BOOL InitInstance() override;
    int ExitInstance() override;
};
