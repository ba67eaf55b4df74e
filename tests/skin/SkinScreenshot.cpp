// Shows a skinned window laid out like the toolbox's main window for a few seconds, so a
// screenshot of the frame can be taken (README). Not a test: it only displays.
#include "SkinEngine.h"

namespace {

constexpr UINT_PTR kShowTimer = 1;

void AddChild(HWND parent, const char* className, const char* text, int x, int y, int w, int h,
              DWORD style = 0) {
    HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    SkinEngine engine;
    engine.InitialiseResources();
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "SkinScreenshotWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "tumbra常用工具箱", WS_OVERLAPPEDWINDOW, 50, 50, 387,
                                  324, nullptr, nullptr, instance, nullptr);
    AddChild(window, "STATIC", "原版关卡文件", 16, 96, 80, 16);
    for (int i = 0; i < 4; ++i) {
        char caption[16];
        wsprintfA(caption, "第%d关", i + 1);
        AddChild(window, "BUTTON", caption, 112 + 68 * i, 96, 56, 18);
    }
    AddChild(window, "BUTTON", "运行游戏", 224, 180, 136, 32);
    AddChild(window, "STATIC", "皮肤颜色", 32, 264 - 30, 64, 16);
    AttachOptions options;
    options.minimizeBox = true;
    options.maximizeBox = false;
    options.helpButton = true;
    engine.Attach(window, options);
    engine.SkinAllChildren();
    engine.SetStatusText(window, "tumbra工具箱，玩tumbra必备的软件。");
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    SetTimer(window, kShowTimer, 8000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == window && message.wParam == kShowTimer)
            break;
        DispatchMessageA(&message);
    }
    DestroyWindow(window);
    return 0;
}
