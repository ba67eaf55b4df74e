#pragma once

#include <Trellis.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// Keeps the process-wide theme's metrics and colours as they were before a test.
class ThemeSnapshot {
public:
    ThemeSnapshot() : m_theme(*GetKaloInterfaceData()), m_colors(m_theme.Colors) { SaveMetrics(); }
    ~ThemeSnapshot() {
        m_theme.Colors = m_colors;
        m_theme.ButtonOkSize = m_ok;
        m_theme.ButtonApplySize = m_apply;
        m_theme.ButtonCancelSize = m_cancel;
        int* metric = &m_theme.MarginLeft;
        for (size_t i = 0; i < m_metrics.size(); ++i) {
            metric[i] = m_metrics[i];
        }
    }

private:
    void SaveMetrics() {
        m_ok = m_theme.ButtonOkSize;
        m_apply = m_theme.ButtonApplySize;
        m_cancel = m_theme.ButtonCancelSize;
        const int* metric = &m_theme.MarginLeft;
        m_metrics.assign(metric, metric + 9);
    }
    KaloInterfaceData& m_theme;
    std::vector<COLORREF> m_colors;
    SIZE m_ok{}, m_apply{}, m_cancel{};
    std::vector<int> m_metrics;
};

// A fixture whose tests put their controls on one visible popup window, the theme started
// first (controls take their brushes when they are built). `Parent` may record what the
// controls tell it; a fixture that needs the window elsewhere (the real mouse must reach it,
// or a size of its own) passes its screen rectangle to the constructor.
template <typename Parent = CWnd> class HostWindowTest : public ::testing::Test {
protected:
    explicit HostWindowTest(const CRect& place = CRect(0, 0, 400, 300)) : m_place(place) {}
    static void SetUpTestSuite() { InitKaloControls(); }
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, m_place.left,
                                      m_place.top, m_place.Width(), m_place.Height(), nullptr, nullptr));
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        AfxDeleteTempMaps();
    }

    Parent m_parent;

private:
    CRect m_place;
};

// A control that counts the paint messages it receives.
template <typename Control> class PaintCounting : public Control {
public:
    int paints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_PAINT)
            ++paints;
        return Control::WindowProc(message, wParam, lParam);
    }
};

// Where a child window sits in its parent's client area.
inline CRect RectInParent(const CWnd& child) {
    CRect place;
    ::GetWindowRect(child.GetSafeHwnd(), &place);
    ::MapWindowPoints(nullptr, ::GetParent(child.GetSafeHwnd()), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// A whole file's bytes.
inline std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A 32-bit top-down DIB selected into a memory context, for pixel assertions.
class PixelCanvas {
public:
    PixelCanvas(int width, int height) : m_width(width) {
        m_bitmap = KaloCtlCreateDib32(width, height, &m_bits);
        m_dc = CreateCompatibleDC(nullptr);
        m_previous = SelectObject(m_dc, m_bitmap);
    }
    ~PixelCanvas() {
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC Dc() const { return m_dc; }
    HBITMAP Bitmap() const { return m_bitmap; }
    void Fill(COLORREF color) const {
        RECT all{0, 0, m_width, 1 << 14};
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    void Fill(const RECT& rect, COLORREF color) const {
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(m_dc, &rect, brush);
        DeleteObject(brush);
    }
    // The pixel as a COLORREF, read straight from memory.
    COLORREF At(int x, int y) const {
        GdiFlush();
        const DWORD value = m_bits[y * m_width + x];
        return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }

private:
    int m_width;
    HBITMAP m_bitmap = nullptr;
    uint32_t* m_bits = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// A file in the temporary folder, removed again at the end of the test.
class TempFile {
public:
    explicit TempFile(const std::string& content) {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        char name[MAX_PATH];
        GetTempFileNameA(folder, "kal", 0, name);
        m_path = name;
        HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }
    ~TempFile() { DeleteFileA(m_path.c_str()); }
    const char* Path() const { return m_path.c_str(); }

private:
    std::string m_path;
};

// An owner-draw request for `window` painting into `dc`, as the system would send it.
inline DRAWITEMSTRUCT OwnerDrawItem(HWND window, HDC dc, UINT state) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = window;
    item.hDC = dc;
    GetClientRect(window, &item.rcItem);
    return item;
}

// Asks a window to paint its client area into the canvas.
inline void PrintClient(HWND window, const PixelCanvas& canvas) {
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
}

// Dispatches this thread's messages for `milliseconds` (timers, posted and input messages).
inline void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

// Real mouse input: moves the cursor to a screen point, then lets the messages arrive.
inline void MoveMouseTo(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    PumpFor(30);
}

// A real left click (press and release together) at a screen point.
inline void ClickAt(POINT screen) {
    MoveMouseTo(screen);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof inputs[0]);
    PumpFor(30);
}

// The centre of a window on the screen.
inline POINT CentreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A dialog template in memory without controls (pass data() to CreateIndirect or
// InitModalIndirect; the vector must outlive the call).
inline std::vector<WORD> EmptyDialogTemplate(DWORD style, short width, short height, const wchar_t* title) {
    std::vector<WORD> words{LOWORD(style),
                            HIWORD(style),
                            0,
                            0,
                            0,
                            0,
                            0,
                            static_cast<WORD>(width),
                            static_cast<WORD>(height),
                            0,
                            0};
    for (; *title; ++title)
        words.push_back(static_cast<WORD>(*title));
    words.push_back(0);
    return words;
}

// A heap CBitmap holding a 32-bit section filled with one colour, for the image list to own.
inline CBitmap* SolidBitmap(int width, int height, COLORREF color) {
    auto bitmap = std::make_unique<CBitmap>();
    bitmap->Attach(KaloCtlCreateBitmap(width, height, 32));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap->GetSafeHandle());
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return bitmap.release();
}
