// Run by the binding tests as a child process, next to a planted "GdiPlus.dll". The mode comes
// in the environment variable SKIN_PROBE_MODE:
//   missing  binds an entry point GDI+ does not export (expects the fatal box and exit -1)
//   bridge   binds the whole bridge and exits 0 when GDI+ came from the system directory
#include "GraphicsBridge.h"

#include <cstring>
#include <string>

namespace {

std::string Folder(const std::string& path) {
    return path.substr(0, path.find_last_of('\\'));
}

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, sizeof path);
    return path;
}

// Whether the stand-in exports GdiplusStartup under its plain name, as GDI+ does: one that
// could not be bound anyway would make the check below prove nothing.
bool ExportsPlainStartup(const std::string& path) {
    HMODULE standIn = LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    bool exported = standIn && GetProcAddress(standIn, "GdiplusStartup");
    if (standIn)
        FreeLibrary(standIn);
    return exported;
}

int CheckBridgeSource() {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    std::string planted = Folder(ModulePath(nullptr)) + "\\GdiPlus.dll";
    if (GetFileAttributesA(planted.c_str()) == INVALID_FILE_ATTRIBUTES)
        return 3; // the planted library is missing: the test would prove nothing
    HMODULE bound = Gdip().GdiPlusModule();
    if (GetModuleHandleA(planted.c_str()))
        return 4;
    if (!ExportsPlainStartup(planted))
        return 6;
    return lstrcmpiA(Folder(ModulePath(bound)).c_str(), system) == 0 ? 0 : 5;
}

} // namespace

int main() {
    char mode[32] = {};
    GetEnvironmentVariableA("SKIN_PROBE_MODE", mode, sizeof mode);
    if (std::strcmp(mode, "missing") == 0) {
        SystemLibrary library("GdiPlus.dll", "gdiplus.dll");
        library.Entry<FARPROC>("GdipNoSuchEntryPoint");
        return 0;
    }
    if (std::strcmp(mode, "bridge") == 0)
        return CheckBridgeSource();
    return 2;
}
