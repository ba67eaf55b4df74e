#include "SkinTestSupport.h"

#include "WindowProps.h"

#include <cstdlib>
#include <string>

COLORREF FrameCapture::At(int x, int y) const {
    uint32_t p = pixels[size_t(y) * size_t(width) + size_t(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

FrameCapture CaptureFrame(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    FrameCapture capture;
    capture.width = r.right - r.left;
    capture.height = r.bottom - r.top;
    PixelCanvas canvas(capture.width, capture.height);
    SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
    capture.pixels = canvas.Words();
    return capture;
}

int WhitePixels(const FrameCapture& frame, const RECT& area) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += Brightness(frame.At(x, y)) >= 3 * 250;
    return count;
}

bool HasMagenta(const PixelCanvas& canvas) {
    for (uint32_t word : canvas.Words()) {
        if ((word & 0xFFFFFF) == 0xFF00FF)
            return true;
    }
    return false;
}

AttachOptions CaptionButtons(bool minimize, bool maximize, bool help, bool mainMenu) {
    AttachOptions options;
    options.minimizeBox = minimize;
    options.maximizeBox = maximize;
    options.helpButton = help;
    options.mainMenuButton = mainMenu;
    return options;
}

HWND CreateTestWindow(int width, int height, const char* title, DWORD style) {
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = "SkinTestWindow";
        return RegisterClassA(&wc);
    }();
    return CreateWindowExA(0, MAKEINTATOM(atom), title, style, 50, 50, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void SkinTest::SetUp() {
    engine_ = std::make_unique<SkinEngine>();
    engine_->InitialiseResources();
}

void SkinTest::TearDown() {
    for (HWND window : windows_) {
        if (IsWindow(window))
            DestroyWindow(window);
    }
    engine_.reset();
}

HWND SkinTest::MakeWindow(int width, int height, const char* title, DWORD style) {
    HWND window = CreateTestWindow(width, height, title, style);
    windows_.push_back(window);
    return window;
}

std::vector<RecordedMessage> g_recorded;

LRESULT CALLBACK CommandRecorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND || message == WM_NCLBUTTONDOWN) {
        g_recorded.push_back({message, wParam, lParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::vector<WPARAM> TakePostedCommands(HWND window) {
    std::vector<WPARAM> commands;
    MSG message;
    while (PeekMessageA(&message, window, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE))
        commands.push_back(message.wParam);
    return commands;
}

Leftovers g_leftovers;

namespace {

WNDPROC g_watchedProcedure = nullptr;

LRESULT CALLBACK LeftoverWatcher(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        g_leftovers.engineProps = CountEngineProps(window);
        g_leftovers.ownProcedureBack =
            GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&LeftoverWatcher);
    }
    return CallWindowProcA(g_watchedProcedure, window, message, wParam, lParam);
}

} // namespace

void WatchLeftovers(HWND window) {
    g_leftovers = {};
    g_watchedProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LeftoverWatcher)));
}

namespace {

BOOL CALLBACK CountEngineProp(HWND, LPSTR name, HANDLE, ULONG_PTR count) {
    if (!IS_INTRESOURCE(name) &&
        (std::string(name).rfind("Zirko", 0) == 0 || std::string(name).rfind("Velour", 0) == 0))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

} // namespace

int CountEngineProps(HWND window) {
    int count = 0;
    EnumPropsExA(window, CountEngineProp, reinterpret_cast<LPARAM>(&count));
    return count;
}

INT_PTR Prop(HWND window, const char* name) {
    return ReadProp(window, name);
}

int Brightness(COLORREF colour) {
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour);
}

::testing::AssertionResult ColourNear(COLORREF actual, COLORREF expected, int tolerance) {
    auto within = [&](int a, int b) { return std::abs(a - b) <= tolerance; };
    if (within(GetRValue(actual), GetRValue(expected)) && within(GetGValue(actual), GetGValue(expected)) &&
        within(GetBValue(actual), GetBValue(expected)))
        return ::testing::AssertionSuccess();
    char text[96];
    wsprintfA(text, "colour RGB(%d,%d,%d), expected RGB(%d,%d,%d)", GetRValue(actual), GetGValue(actual),
              GetBValue(actual), GetRValue(expected), GetGValue(expected), GetBValue(expected));
    return ::testing::AssertionFailure() << text;
}
