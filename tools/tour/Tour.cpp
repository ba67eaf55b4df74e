// tour <game folder> <picture folder>: starts toolbox.exe in the game folder (its first run
// must be done), then acts as a user would: looks at the main window, installs all levels
// and catches the progress window mid-way, opens the map window and replaces level 5 by a
// level file of its own, closes everything. Each stop is saved as a 24-bit BMP of the
// window: main-window.bmp, progress-window.bmp, map-window.bmp.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const DWORD kTimeout = 20000;

struct Search {
    DWORD process;
    bool (*match)(const std::string& title);
    HWND found;
};

std::string TitleOf(HWND window) {
    char text[256] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        1000, nullptr);
    return text;
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window) && search->match(TitleOf(window))) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of the process whose title matches; null on timeout.
HWND WaitForWindow(DWORD process, bool (*match)(const std::string&), DWORD timeoutMs = kTimeout) {
    DWORD start = GetTickCount();
    do {
        Search search{process, match, nullptr};
        EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(1);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

struct ChildSearch {
    std::string caption;
    std::string className;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    bool byClass = !search->className.empty() && _stricmp(className, search->className.c_str()) == 0;
    bool byCaption = !search->caption.empty() && TitleOf(child) == search->caption;
    if (byClass || byCaption) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

HWND Child(HWND parent, const std::string& caption, const std::string& className = "") {
    ChildSearch search{caption, className, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Presses OK on the next message box of the process.
void AnswerMessageBox(DWORD process) {
    HWND box = WaitForWindow(process, [](const std::string& title) { return title == "信息："; });
    if (box)
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    Sleep(300);
}

bool WriteBmp(const std::string& path, HBITMAP bitmap, HDC dc, int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    if (!GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                   reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS))
        return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    FILE* out = fopen(path.c_str(), "wb");
    if (!out)
        return false;
    bool ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&header, sizeof header, 1, out) == 1 &&
              fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    return fclose(out) == 0 && ok;
}

// What the screen shows where the window is.
bool SaveWindowPicture(HWND window, const std::string& path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    bool ok = WriteBmp(path, bitmap, memory, width, height);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    printf("%s %s\n", ok ? "saved" : "could not save", path.c_str());
    return ok;
}

bool IsMainTitle(const std::string& title) {
    return title == "tumbra常用工具箱";
}

bool IsMapTitle(const std::string& title) {
    return title == "地图更换窗口";
}

// The progress window once it has shown a few reports ("20%" or more, below "100%").
bool IsProgressUnderWay(const std::string& title) {
    return title.size() >= 2 && title.size() <= 3 && title.back() == '%' && atoi(title.c_str()) >= 20;
}

// Catches the progress window while all levels are installed: the toolbox is held still
// for the picture, then let go.
void PictureInstall(PROCESS_INFORMATION& toolbox, HWND main, const std::string& pictures) {
    PostMessageA(Child(main, "所有"), BM_CLICK, 0, 0);
    HWND progress = WaitForWindow(toolbox.dwProcessId, IsProgressUnderWay, 10000);
    if (progress) {
        SuspendThread(toolbox.hThread);
        Sleep(300);
        SaveWindowPicture(progress, pictures + "\\progress-window.bmp");
        ResumeThread(toolbox.hThread);
    } else {
        printf("the progress window went by too fast to be pictured\n");
    }
    AnswerMessageBox(toolbox.dwProcessId);
}

void PictureMapWindow(DWORD process, HWND main, const std::string& game, const std::string& pictures) {
    std::string level = game + "\\我的关卡.qlx";
    CopyFileA((game + "\\3D Entities\\Level\\Level_13.qlx").c_str(), level.c_str(), FALSE);
    PostMessageA(Child(main, "更换地图"), BM_CLICK, 0, 0);
    HWND map = WaitForWindow(process, IsMapTitle);
    if (!map) {
        printf("the map window did not open\n");
        return;
    }
    SendMessageA(Child(map, "", "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(level.c_str()));
    SendMessageA(Child(map, "", "ComboBox"), CB_SETCURSEL, 4, 0);
    Sleep(1000);
    SaveWindowPicture(map, pictures + "\\map-window.bmp");
    PostMessageA(Child(map, "更换"), BM_CLICK, 0, 0);
    AnswerMessageBox(process);
    PostMessageA(map, WM_CLOSE, 0, 0);
    Sleep(500);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: tour <game folder> <picture folder>\n");
        return 2;
    }
    const std::string game = argv[1];
    const std::string pictures = argv[2];
    std::string program = game + "\\toolbox.exe";
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION toolbox{};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, game.c_str(),
                        &startup, &toolbox)) {
        fprintf(stderr, "tour: could not start %s\n", program.c_str());
        return 1;
    }
    int status = 1;
    if (HWND main = WaitForWindow(toolbox.dwProcessId, IsMainTitle)) {
        Sleep(1500);
        SaveWindowPicture(main, pictures + "\\main-window.bmp");
        PictureInstall(toolbox, main, pictures);
        PictureMapWindow(toolbox.dwProcessId, main, game, pictures);
        PostMessageA(main, WM_CLOSE, 0, 0);
        status = WaitForSingleObject(toolbox.hProcess, kTimeout) == WAIT_OBJECT_0 ? 0 : 1;
    }
    if (status != 0) {
        fprintf(stderr, "tour: the toolbox did not finish the tour\n");
        TerminateProcess(toolbox.hProcess, 1);
    }
    CloseHandle(toolbox.hThread);
    CloseHandle(toolbox.hProcess);
    return status;
}
