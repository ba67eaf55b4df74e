#include "SkinTestSupport.h"

#include "WindowProps.h"

#include <cstdlib>
#include <cstring>
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
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, dib);
    SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    GdiFlush();
    capture.pixels.resize(size_t(capture.width) * size_t(capture.height));
    std::memcpy(capture.pixels.data(), bits, capture.pixels.size() * sizeof(uint32_t));
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    return capture;
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
