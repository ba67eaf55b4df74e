#include "GalleryApp.h"

#include "GalleryWindow.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

GalleryApp theApp;

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
    std::memcpy(path + folder, "quillon.ini", sizeof("quillon.ini"));
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

UINT CloseAfterMs(const char* commandLine) {
    const char* option = commandLine ? std::strstr(commandLine, "--close-after") : nullptr;
    if (!option) {
        return 0;
    }
    return static_cast<UINT>(std::strtoul(option + std::strlen("--close-after"), nullptr, 10) * 1000);
}

// The value of `--page NAME`: the page the gallery opens on.
std::string FirstPage(const char* commandLine) {
    const char* option = commandLine ? std::strstr(commandLine, "--page") : nullptr;
    if (!option) {
        return {};
    }
    option += std::strlen("--page");
    while (*option == ' ') {
        ++option;
    }
    const char* end = option;
    while (*end && *end != ' ') {
        ++end;
    }
    return std::string(option, end);
}

std::unique_ptr<GalleryWindow> g_window;

} // namespace

GalleryApp::GalleryApp() : CWinApp("Trellis gallery") {}

BOOL GalleryApp::InitInstance() {
    InitKaloControls();
    g_window = std::make_unique<GalleryWindow>(SettingsFileExists(), CloseAfterMs(m_lpCmdLine),
                                               FirstPage(m_lpCmdLine));
    if (!g_window->CreateGallery()) {
        return FALSE;
    }
    m_pMainWnd = g_window.get();
    g_window->ShowWindow(m_nCmdShow);
    g_window->UpdateWindow();
    return TRUE;
}

int GalleryApp::ExitInstance() {
    m_pMainWnd = nullptr;
    g_window.reset();
    return CWinApp::ExitInstance();
}
