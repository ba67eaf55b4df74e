// The layouts of the start-up and progress windows as loaded in this process: frame,
// title, element rectangles and the start-up label's own font.
#include "AppTestSupport.h"
#include "MainWindow.h"
#include "Program.h"
#include "ProgressWindow.h"
#include "StartupWindow.h"
#include "PixelCanvas.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace toolbox;

namespace {

RECT Frame(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    return frame;
}

RECT InClient(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(WindowLayout, StartupLabelHasItsOwnSixteenPixelFont) {
    // No "Startup.exe" beside the program: the window stays and explains.
    ASSERT_FALSE(Exists("Startup.exe"));
    LoadWindow(StartupWindow(), nullptr, false);
    HWND window = WindowHandle(StartupWindow());
    ASSERT_NE(nullptr, window);
    EXPECT_EQ((RECT{50, 50, 307, 174}), Frame(window));
    EXPECT_EQ("TUMBRA常用工具箱", StartupWindow().Title());

    HWND label = ChildByCaption(window, "将本程序和data.zip置于tumbra目录下使工具箱生效");
    ASSERT_NE(nullptr, label);
    EXPECT_EQ((RECT{24, 24, 224, 80}), InClient(label));
    LOGFONTA font{};
    ASSERT_NE(0,
              GetObjectA(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_STREQ("宋体", font.lfFaceName);
    EXPECT_EQ(-16, font.lfHeight); // a character height, not a cell height
    EXPECT_EQ(FW_NORMAL, font.lfWeight);
    EXPECT_EQ(GB2312_CHARSET, font.lfCharSet);
    CloseWindow(StartupWindow());
    EXPECT_FALSE(IsWindowLoaded(StartupWindow()));
}

TEST(WindowLayout, ProgressWindowIsOwnedByTheMainWindow) {
    LoadWindow(MainWindow(), nullptr, false);
    LoadWindow(ProgressWindow(), &MainWindow(), false);
    HWND window = WindowHandle(ProgressWindow());
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(WindowHandle(MainWindow()), GetWindow(window, GW_OWNER));
    EXPECT_EQ((RECT{50, 50, 351, 157}), Frame(window));
    EXPECT_EQ("解压中...", ProgressWindow().Title());
    HWND bar = FindWindowExA(window, nullptr, PROGRESS_CLASSA, nullptr);
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ((RECT{8, 24, 288, 44}), InClient(bar));
    EXPECT_EQ(0, static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)));
    EXPECT_EQ(100, static_cast<int>(SendMessageA(bar, PBM_GETRANGE, FALSE, 0)));
    HWND label = FindWindowExA(window, nullptr, "Static", nullptr);
    ASSERT_NE(nullptr, label);
    EXPECT_EQ((RECT{8, 56, 288, 72}), InClient(label));
    CloseWindow(ProgressWindow());
    CloseWindow(MainWindow());
    PumpFor(20);
}

// Reports set the bar without painting it; the next dispatch paints the newest position.
TEST(WindowLayout, TheProgressBarShowsTheNewestReportAfterADispatch) {
    LoadWindow(MainWindow(), nullptr, false);
    LoadWindow(ProgressWindow(), &MainWindow(), false);
    HWND bar = FindWindowExA(WindowHandle(ProgressWindow()), nullptr, PROGRESS_CLASSA, nullptr);
    ASSERT_NE(nullptr, bar);
    RECT client;
    GetClientRect(bar, &client);
    const int width = client.right, middle = client.bottom / 2;
    auto middleRow = [&] {
        PixelCanvas canvas(width, client.bottom);
        HDC dc = GetDC(bar);
        BitBlt(canvas.Dc(), 0, 0, width, client.bottom, dc, 0, 0, SRCCOPY);
        ReleaseDC(bar, dc);
        std::vector<COLORREF> row;
        for (int x = 0; x < width; ++x)
            row.push_back(canvas.At(x, middle));
        return row;
    };
    OnUnzipProgress(0);
    PumpFor(50);
    const std::vector<COLORREF> empty = middleRow();
    OnUnzipProgress(30);
    OnUnzipProgress(60);
    EXPECT_EQ(60, static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)));
    EXPECT_EQ("60%", ProgressWindow().Title());
    PumpFor(50);
    const std::vector<COLORREF> filled = middleRow();
    int changed = 0;
    for (int x = 0; x < width; ++x)
        changed += filled[static_cast<size_t>(x)] != empty[static_cast<size_t>(x)];
    EXPECT_GT(changed, width * 45 / 100);
    EXPECT_LT(changed, width * 75 / 100);
    OnUnzipProgress(100);
    EXPECT_FALSE(IsWindowLoaded(ProgressWindow()));
    CloseWindow(MainWindow());
    PumpFor(20);
}

} // namespace
