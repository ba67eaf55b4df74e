// Stand-in for the game's player: proves that it was started, and from where, by writing
// its working directory to "player-ran.txt" beside its own program file.
#include <windows.h>

#include <string>

namespace {

std::string ModuleFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char cwd[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(MAX_PATH, cwd);
    HANDLE file = CreateFileA((ModuleFolder() + "\\player-ran.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, cwd, length, &written, nullptr);
    CloseHandle(file);
    return 0;
}
