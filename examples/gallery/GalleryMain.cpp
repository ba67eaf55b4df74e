// The gallery host: shows the Trellis theme and drawing helpers.
//   gallery.exe [--close-after SECONDS]
#include "GalleryWindow.h"

#include <cstdlib>
#include <cstring>

namespace {

bool SettingsFileExists() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return false;
    }
    char* slash = std::strrchr(path, '\\');
    const size_t folder = slash ? static_cast<size_t>(slash - path + 1) : 0;
    if (folder + sizeof("quillon.ini") > MAX_PATH) {
        return false;
    }
    std::strcpy(path + folder, "quillon.ini");
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

UINT CloseAfterMs(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--close-after") == 0) {
            return static_cast<UINT>(std::strtoul(argv[i + 1], nullptr, 10) * 1000);
        }
    }
    return 0;
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        AfxDeleteTempMaps();
    }
    return static_cast<int>(msg.wParam);
}

} // namespace

int main(int argc, char** argv) {
    InitKaloControls();
    GalleryWindow window(SettingsFileExists(), CloseAfterMs(argc, argv));
    if (!window.CreateGallery()) {
        return 1;
    }
    window.ShowWindow(SW_SHOW);
    window.UpdateWindow();
    return RunMessageLoop();
}
