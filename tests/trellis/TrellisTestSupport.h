#pragma once

#include <Trellis.h>

#include "PixelCanvas.h"

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
