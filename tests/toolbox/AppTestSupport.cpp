#include "AppTestSupport.h"

#include "SampleGame.h"
#include "TestFolder.h"
#include "ZipWriter.h"

namespace {

std::string ProgramName() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length);
    return full.substr(full.find_last_of('\\') + 1);
}

// Everything in the program's folder but the program itself.
void ClearProgramFolder() {
    std::string folder = ProgramFolder();
    std::string program = ProgramName();
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    std::vector<std::string> names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != ".." && _stricmp(name.c_str(), program.c_str()) != 0)
            names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    for (const std::string& name : names)
        RemoveTree(folder + "\\" + name);
}

} // namespace

GameInProgramFolder::GameInProgramFolder() {
    ClearProgramFolder(); // what an interrupted run left behind
    // The build puts Player.exe one level up, beside the other programs.
    std::string folder = ProgramFolder();
    ready_ = samplegame::Build(folder, folder + "\\..\\Player.exe") &&
             CreateDirectoryA((folder + "\\datas").c_str(), nullptr);
    for (const samplegame::Package& package : samplegame::Packages())
        ready_ = ready_ && WriteBytesToFile(folder + "\\datas\\" + package.name, package.archive);
    DeleteFileA((folder + "\\data.zip").c_str());
    // As the runtime does before any toolbox code runs.
    SetCurrentDirectoryA(folder.c_str());
}

GameInProgramFolder::~GameInProgramFolder() {
    ClearProgramFolder();
}

std::string GameInProgramFolder::operator/(const std::string& name) const {
    return ProgramFolder() + "\\" + name;
}

std::string GameInProgramFolder::Level(int number) {
    char name[64];
    snprintf(name, sizeof name, "3D Entities\\Level\\Level_%02d.qlx", number);
    return name;
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(5);
    }
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

namespace {

struct CaptionSearch {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<CaptionSearch*>(param);
    char text[256] = {};
    GetWindowTextA(child, text, sizeof text);
    if (*search->caption == text) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND ChildByCaption(HWND parent, const std::string& caption) {
    CaptionSearch search{&caption, nullptr};
    EnumChildWindows(parent, MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        char text[256] = {};
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

RECT RectInWindow(HWND control) {
    RECT window;
    RECT rect;
    GetWindowRect(GetAncestor(control, GA_ROOT), &window);
    GetWindowRect(control, &rect);
    OffsetRect(&rect, -window.left, -window.top);
    return rect;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::ostream& operator<<(std::ostream& out, const RECT& rect) {
    return out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}
