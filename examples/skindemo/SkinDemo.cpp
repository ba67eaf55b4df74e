// The skin demo: a sizable skinned window with maximize and restore, three tabs with pages,
// help and main-menu buttons, a status text and skinned push buttons.
//
// Command line (for unattended screenshots): --hover puts the mouse on the maximize button,
// --tab=<caption> selects that tab, --exit-after=<ms> ends the demo by itself.
#include "SkinEngine.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kTitle[] = "皮肤演示";
constexpr char kPageClass[] = "SkinDemoPage";
constexpr char kFrameClass[] = "SkinDemoFrame";
constexpr UINT_PTR kHoverTimer = 1, kExitTimer = 2;
constexpr int kMenuMaximize = 100, kMenuAbout = 101, kMenuClose = 102;

HWND g_frame = nullptr;

struct Options {
    bool hover = false;
    std::string tab;
    UINT exitAfter = 0;
};

Options ParseOptions(const char* commandLine) {
    Options options;
    std::string line = commandLine ? commandLine : "";
    options.hover = line.find("--hover") != std::string::npos;
    if (size_t at = line.find("--tab="); at != std::string::npos) {
        size_t end = line.find(' ', at);
        options.tab = line.substr(at + 6, end == std::string::npos ? std::string::npos : end - at - 6);
    }
    if (size_t at = line.find("--exit-after="); at != std::string::npos)
        options.exitAfter = static_cast<UINT>(std::strtoul(line.c_str() + at + 13, nullptr, 10));
    return options;
}

void Status(const char* text) {
    SkinEngine::Instance()->SetStatusText(g_frame, text);
}

void OnHelp() {
    Status("帮助：拖动横幅移动窗口，双击横幅最大化，拖动边缘改变大小。");
}

void OnMainMenu() {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kMenuMaximize, IsZoomed(g_frame) ? "还原" : "最大化");
    AppendMenuA(menu, MF_STRING, kMenuAbout, "关于");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kMenuClose, "关闭");
    POINT at{};
    GetCursorPos(&at);
    int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, g_frame, nullptr);
    DestroyMenu(menu);
    if (chosen == kMenuMaximize)
        PostMessageA(g_frame, WM_SYSCOMMAND, IsZoomed(g_frame) ? SC_RESTORE : SC_MAXIMIZE, 0);
    else if (chosen == kMenuAbout)
        SkinEngine::Instance()->SelectTab(g_frame, "关于");
    else if (chosen == kMenuClose)
        PostMessageA(g_frame, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void OnTab() {
    Status("切换了标签页。");
}

HWND AddControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int w, int h,
                int id = 0) {
    HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

LRESULT CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        std::string text = "按下了：";
        char caption[64] = {};
        GetWindowTextA(reinterpret_cast<HWND>(lParam), caption, sizeof caption);
        Status((text + caption).c_str());
        return 0;
    }
    return DefWindowProcA(page, message, wParam, lParam);
}

// A page starts as a captioned pop-up, the way a designed dialog would; the tab adopts it.
HWND MakePage() {
    return CreateWindowExA(0, kPageClass, "", WS_POPUP | WS_CAPTION, 0, 0, 300, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

HWND ButtonsPage() {
    HWND page = MakePage();
    AddControl(page, "STATIC", "皮肤化的按钮：普通、默认与禁用。", 0, 16, 14, 300, 16);
    AddControl(page, "BUTTON", "确定", BS_DEFPUSHBUTTON, 16, 40, 96, 28, 1);
    AddControl(page, "BUTTON", "取消", BS_PUSHBUTTON, 124, 40, 96, 28, 2);
    HWND disabled = AddControl(page, "BUTTON", "已禁用", BS_PUSHBUTTON, 232, 40, 96, 28, 3);
    EnableWindow(disabled, FALSE);
    AddControl(page, "BUTTON", "一个更宽的按钮", BS_PUSHBUTTON, 16, 80, 204, 36, 4);
    AddControl(page, "BUTTON", "开关按钮", BS_AUTOCHECKBOX | BS_PUSHLIKE, 232, 80, 96, 36, 5);
    return page;
}

HWND OptionsPage() {
    HWND page = MakePage();
    AddControl(page, "BUTTON", "选项", BS_GROUPBOX, 16, 8, 320, 112);
    AddControl(page, "BUTTON", "显示状态栏", BS_AUTOCHECKBOX, 32, 32, 140, 20, 11);
    AddControl(page, "BUTTON", "记住窗口大小", BS_AUTOCHECKBOX, 32, 56, 140, 20, 12);
    AddControl(page, "BUTTON", "浅色", BS_AUTORADIOBUTTON | WS_GROUP, 190, 32, 120, 20, 13);
    AddControl(page, "BUTTON", "深色", BS_AUTORADIOBUTTON, 190, 56, 120, 20, 14);
    AddControl(page, "BUTTON", "应用", BS_PUSHBUTTON, 32, 84, 96, 26, 15);
    return page;
}

HWND AboutPage() {
    HWND page = MakePage();
    AddControl(page, "STATIC",
               "这个窗口由皮肤引擎绘制：横幅、标题按钮、标签页、边框和状态栏。\r\n"
               "拖动横幅或状态栏移动窗口；双击横幅最大化或还原；拖动边缘或角改变大小。",
               0, 16, 14, 420, 60);
    return page;
}

// 4 bytes holding a shared system icon's handle.
std::string IconHandleBytes(LPCSTR id) {
    auto value = static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(LoadIconA(nullptr, id)));
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

Bytes AsBytes(const std::string& text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

void HoverMaximize() {
    const SkinWindowRecord* record = SkinEngine::Instance()->Record(g_frame);
    if (!record || record->elements.size() < 2)
        return;
    const RECT& hit = record->elements[1].hit; // maximize: right after close
    POINT centre{(hit.left + hit.right) / 2, (hit.top + hit.bottom) / 2};
    RECT frame{};
    GetWindowRect(g_frame, &frame);
    SetCursorPos(frame.left + centre.x, frame.top + centre.y);
    PostMessageA(g_frame, WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
}

LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        KillTimer(window, wParam);
        if (wParam == kHoverTimer)
            HoverMaximize();
        else if (wParam == kExitTimer)
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterClasses(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = FrameProcedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kFrameClass;
    RegisterClassA(&wc);
    wc.style = 0;
    wc.lpfnWndProc = PageProcedure;
    wc.lpszClassName = kPageClass;
    RegisterClassA(&wc);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const Options options = ParseOptions(commandLine);
    SkinEngine engine;
    engine.InitialiseResources();
    RegisterClasses(instance);
    g_frame = CreateWindowExA(0, kFrameClass, kTitle, WS_OVERLAPPEDWINDOW, 40, 40, 520, 380, nullptr, nullptr,
                              instance, nullptr);
    AttachOptions attach;
    attach.helpButton = true;
    attach.mainMenuButton = true;
    attach.sizable = true;
    attach.minWidth = 420;
    attach.minHeight = 300;
    engine.Attach(g_frame, attach);
    engine.SetHelpHandler(g_frame, OnHelp);
    engine.SetMainMenuHandler(g_frame, OnMainMenu);
    engine.AddTab(g_frame, "按钮", {}, ButtonsPage(), OnTab);
    engine.AddTab(g_frame, "选项", AsBytes(IconHandleBytes(IDI_INFORMATION)), OptionsPage(), OnTab);
    engine.AddTab(g_frame, "关于", AsBytes(IconHandleBytes(IDI_QUESTION)), AboutPage(), OnTab);
    engine.SkinAllChildren();
    engine.SelectTab(g_frame, options.tab.empty() ? "按钮" : options.tab.c_str());
    engine.SetStatusText(g_frame, "就绪。试试标题按钮、标签页和窗口边缘。");

    ShowWindow(g_frame, SW_SHOWNORMAL);
    UpdateWindow(g_frame);
    if (options.hover)
        SetTimer(g_frame, kHoverTimer, 500, nullptr);
    else if (options.exitAfter)
        SetCursorPos(0, 0); // a mouse left on the frame by an earlier run would show a hover
    if (options.exitAfter) {
        // Unattended: stay on top of whatever else shares the display for the screenshot.
        SetWindowPos(g_frame, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetTimer(g_frame, kExitTimer, options.exitAfter, nullptr);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
