#include "KaloTheme.h"

#include "KaloDefaults.h"
#include "KaloSettingsReader.h"
#include "TrellisModule.h"

#include <string>

#define KALO_DEFINE_COLOR_INDEX(name, index) int name = index;
KALO_COLOR_INDEX_LIST(KALO_DEFINE_COLOR_INDEX)
#undef KALO_DEFINE_COLOR_INDEX

namespace {

KaloInterfaceData g_theme;
int g_windowVersion = 0;

struct FontSpec {
    const char* face;
    int height;
    int width;
    int weight;
    bool italic;
    bool underline;
};

const FontSpec kFonts[] = {
    {"Arial", 12, 5, 0, false, false},      {"Arial", 14, 5, FW_BOLD, false, false},
    {"Arial", 14, 5, FW_BOLD, false, true}, {"Arial", 12, 5, 0, true, false},
    {"Arial", 12, 5, 0, false, true},       {"Arial", 12, 5, 0, true, true},
    {"System", 20, 10, 0, true, true},      {"Arial", 6, 5, 0, false, false},
};

std::string ModulePath(HMODULE module) {
    // Grows until the whole path fits: a deep host folder must not be cut short.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(module, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) {
            return std::string();
        }
        path.resize(path.size() * 2);
    }
}

void CreateThemeFonts() {
    for (const FontSpec& font : kFonts) {
        RegisterKaloFont(font.height, font.width, 0, 0, font.weight, font.italic, font.underline, FALSE, 0, 0,
                         0, 0, 0, font.face);
    }
    KaloCtlSetDefaultFont(g_theme.FontAt(0));
    KaloCtlSetDefaultBoldFont(g_theme.FontAt(1));
}

// Snaps every colour to the nearest one the display shows, through a device context of the
// main window or, for a thread without one, of a short-lived hidden 10x10 child window.
void SnapColorsToDisplay() {
    HWND window = nullptr;
    if (CWnd* main = AfxGetMainWnd()) {
        window = main->GetSafeHwnd();
    }
    HWND probe = nullptr;
    if (!window) {
        // The class is registered under the host's instance, so the window is created there too.
        probe = CreateWindowExA(0, AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW), "", WS_CHILD, 0, 0, 10, 10,
                                GetDesktopWindow(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(1974)),
                                AfxGetInstanceHandle(), nullptr);
        window = probe;
    }
    if (HDC dc = GetDC(window)) {
        for (COLORREF& color : g_theme.Colors) {
            color = GetNearestColor(dc, color);
        }
        ReleaseDC(window, dc);
    }
    if (probe) {
        DestroyWindow(probe);
    }
}

void StartTheme() {
    DetectWindowVersion();
    LoadKaloSettings(KaloSettingsReader::PathBeside(ModulePath(nullptr)).c_str());
    CreateThemeFonts();
    SnapColorsToDisplay();
    KaloCtlSetDefaultBackColor(g_theme.ColorAt(4));
    KaloCtlSetDefaultBorderColor(g_theme.ColorAt(0));
    KaloCtlSetDefaultTextColor(g_theme.ColorAt(0));
    KaloCtlSetDefaultEditColor(g_theme.ColorAt(7));
    // One brush per colour known now; colours registered later get no brush of their own.
    const size_t colorCount = g_theme.Colors.size();
    for (size_t i = g_theme.Brushes.size(); i < colorCount; ++i) {
        g_theme.AddBrush(g_theme.Colors[i]);
    }
    AfxInitRichEdit2();
}

} // namespace

void InitKaloControls() {
    static bool started = false;
    if (started) {
        return;
    }
    started = true;
    TrellisRegisterResources();
    // Dialog templates may name common-control classes before any wrapper is created.
    AfxEnsureCommonControls();
    StartTheme();
}

void InitKaloControlsForDll() {
    TrellisRegisterResources();
}

KaloInterfaceData* GetKaloInterfaceData() {
    return &g_theme;
}

COLORREF GetKaloColor(int index) {
    return g_theme.ColorAt(index);
}
COLORREF SetKaloColor(int index, COLORREF color) {
    return g_theme.ReplaceColor(index, color);
}
int RegisterKaloColor(COLORREF color) {
    return g_theme.AddColor(color);
}

CBrush* GetKaloBrush(int index) {
    return g_theme.BrushAt(index);
}
CBrush* GetKaloBrush(COLORREF color) {
    return g_theme.FindBrush(color);
}
COLORREF SetKaloBrush(int index, COLORREF color) {
    return g_theme.RecolorBrush(index, color);
}
int RegisterKaloBrush(COLORREF color) {
    return g_theme.AddBrush(color);
}

int RegisterKaloFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                     BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                     BYTE quality, BYTE pitchAndFamily, const char* faceName) {
    LOGFONTA logFont{height,    width,   escapement,   orientation,   weight,  italic,         underline,
                     strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily, {}};
    lstrcpynA(logFont.lfFaceName, faceName ? faceName : "", LF_FACESIZE);
    return g_theme.AddFont(logFont);
}

CFont* GetKaloFont(int index) {
    CFont* font = g_theme.FontAt(index);
    return font ? font : KaloCtlGetDefaultFont();
}

BOOL LoadKaloSettings(const char* path) {
    return path && KaloSettingsReader(g_theme).ReadFile(path);
}

int DetectWindowVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExA(&info)) {
        return g_windowVersion;
    }
    switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
        g_windowVersion = 1;
        break;
    case VER_PLATFORM_WIN32_WINDOWS:
        g_windowVersion = info.dwMinorVersion == 0 ? 2 : 4;
        break;
    case VER_PLATFORM_WIN32_NT:
        g_windowVersion = info.dwMajorVersion <= 4 ? 8 : 16;
        break;
    default:
        break;
    }
    return g_windowVersion;
}

int GetWindowVersion() {
    return g_windowVersion;
}
