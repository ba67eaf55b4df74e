// What users feel on the frame: caption buttons pressed, dragged off and clicked, handlers,
// dragging and double-click maximize, the system-command bookkeeping, edge sizing zones and
// cursors, size limits, and tabs with their pages.
#include "RealInput.h"
#include "SkinTestSupport.h"

#include "SkinArtIds.h"
#include "WindowProps.h"

#include <atomic>
#include <cstring>
#include <thread>

namespace {

// Layout of a 300 x 200 window with every caption button (close at the right, then
// maximize/restore, minimize, main menu, help) and a status bar.
constexpr POINT kClose{270, 10}, kMaximize{235, 10}, kMinimize{210, 10}, kMainMenu{185, 10}, kHelp{155, 10};
constexpr POINT kBanner{60, 40}, kStatus{60, 200 - 10}, kPanel{150, 120};
constexpr int kCloseIndex = 1, kMinimizeIndex = 4;

int g_helpCalls = 0;
int g_mainMenuCalls = 0;
int g_tabCalls = 0;
void CountHelp() {
    ++g_helpCalls;
}
void CountMainMenu() {
    ++g_mainMenuCalls;
}
void CountTab() {
    ++g_tabCalls;
}

LRESULT Mouse(HWND window, UINT message, POINT p) {
    return SendMessageA(window, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(p.x, p.y));
}

void Click(HWND window, POINT p) {
    Mouse(window, WM_LBUTTONDOWN, p);
    Mouse(window, WM_LBUTTONUP, p);
}

class FrameInputTest : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        g_recorded.clear();
        g_helpCalls = g_mainMenuCalls = g_tabCalls = 0;
    }

    // A window whose own procedure records system commands and non-client button-downs.
    HWND Framed(AttachOptions options = AllButtons(), int w = 300, int h = 200) {
        HWND window = MakeWindow(w, h);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CommandRecorder));
        engine_->Attach(window, options);
        return window;
    }

    static AttachOptions AllButtons() { return CaptionButtons(true, true, true, true); }

    static AttachOptions Sizable() {
        AttachOptions options = AllButtons();
        options.sizable = true;
        return options;
    }

    const SkinWindowRecord& RecordOf(HWND window) { return *engine_->Record(window); }
};

} // namespace

TEST_F(FrameInputTest, PressingCloseDraggingOffAndReleasingElsewherePostsNothing) {
    HWND window = Framed();
    EXPECT_EQ(Mouse(window, WM_LBUTTONDOWN, kClose), 0);
    EXPECT_EQ(RecordOf(window).pressedIndex, kCloseIndex);
    Mouse(window, WM_MOUSEMOVE, kMinimize);
    EXPECT_EQ(RecordOf(window).hoverIndex, -1) << "hover does not move while a press is held";
    EXPECT_TRUE(RecordOf(window).elements[0].pressed) << "the press survives moving off";
    Mouse(window, WM_LBUTTONUP, kPanel);
    EXPECT_EQ(RecordOf(window).pressedIndex, -1);
    EXPECT_FALSE(RecordOf(window).elements[0].pressed);
    EXPECT_TRUE(TakePostedCommands(window).empty());

    Click(window, kClose);
    EXPECT_EQ(TakePostedCommands(window), std::vector<WPARAM>{SC_CLOSE});
    EXPECT_EQ(RecordOf(window).hoverIndex, kCloseIndex) << "after the click the mouse is over close";
}

TEST_F(FrameInputTest, CaptionButtonsPostCommandsAndCallTheirHandlersOnce) {
    HWND window = Framed();
    Click(window, kMinimize);
    Click(window, kMaximize);
    EXPECT_EQ(TakePostedCommands(window), (std::vector<WPARAM>{SC_MINIMIZE, SC_MAXIMIZE}));

    Click(window, kHelp);
    Click(window, kMainMenu);
    EXPECT_EQ(g_helpCalls, 0) << "no handler yet";
    engine_->SetHelpHandler(window, CountHelp);
    engine_->SetMainMenuHandler(window, CountMainMenu);
    Click(window, kHelp);
    EXPECT_EQ(g_helpCalls, 1);
    EXPECT_EQ(g_mainMenuCalls, 0);
    Click(window, kMainMenu);
    EXPECT_EQ(g_mainMenuCalls, 1);
    EXPECT_TRUE(TakePostedCommands(window).empty());
}

TEST_F(FrameInputTest, HoverFollowsTheMouseAndLeavingClearsHoverAndPress) {
    HWND window = Framed();
    EXPECT_EQ(Mouse(window, WM_MOUSEMOVE, kMinimize), 0);
    EXPECT_EQ(RecordOf(window).hoverIndex, kMinimizeIndex);
    EXPECT_TRUE(RecordOf(window).elements[kMinimizeIndex - 1].hovered);
    Mouse(window, WM_MOUSEMOVE, kPanel);
    EXPECT_EQ(RecordOf(window).hoverIndex, -1);
    EXPECT_FALSE(RecordOf(window).elements[kMinimizeIndex - 1].hovered);

    Mouse(window, WM_MOUSEMOVE, kClose);
    Mouse(window, WM_LBUTTONDOWN, kClose);
    SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(RecordOf(window).hoverIndex, -1);
    EXPECT_EQ(RecordOf(window).pressedIndex, -1);
    EXPECT_FALSE(RecordOf(window).elements[0].pressed);
    EXPECT_FALSE(RecordOf(window).elements[0].hovered);
    EXPECT_EQ(Prop(window, skinprop::Tracking), 0);
    Mouse(window, WM_LBUTTONUP, kClose);
    EXPECT_TRUE(TakePostedCommands(window).empty()) << "leaving cancelled the press";
}

TEST_F(FrameInputTest, BannerAndStatusTextStartADragUnlessMaximized) {
    HWND window = Framed();
    engine_->SetStatusText(window, "状态");
    for (POINT p : {kStatus, kBanner}) {
        g_recorded.clear();
        EXPECT_EQ(Mouse(window, WM_LBUTTONDOWN, p), 0);
        ASSERT_EQ(g_recorded.size(), 1u);
        EXPECT_EQ(g_recorded[0].message, UINT(WM_NCLBUTTONDOWN));
        EXPECT_EQ(g_recorded[0].wParam, WPARAM(HTCAPTION));
        Mouse(window, WM_LBUTTONUP, p);
    }
    g_recorded.clear();
    Mouse(window, WM_LBUTTONDOWN, kPanel);
    EXPECT_TRUE(g_recorded.empty()) << "the client panel is not a drag zone";

    // The recorder stops the command itself; the engine's bookkeeping has run by then.
    SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(Prop(window, skinprop::Maximize), 1);
    g_recorded.clear();
    Mouse(window, WM_LBUTTONDOWN, kBanner);
    EXPECT_TRUE(g_recorded.empty());
}

TEST_F(FrameInputTest, DoubleClickingTheBannerTogglesMaximizeButNotOnAButton) {
    HWND window = Framed();
    Mouse(window, WM_LBUTTONDBLCLK, kClose);
    Mouse(window, WM_LBUTTONDBLCLK, kPanel);
    EXPECT_TRUE(TakePostedCommands(window).empty());
    EXPECT_EQ(Mouse(window, WM_LBUTTONDBLCLK, kBanner), 0);
    EXPECT_EQ(TakePostedCommands(window), std::vector<WPARAM>{SC_MAXIMIZE});

    ShowWindow(window, SW_MAXIMIZE);
    Mouse(window, WM_LBUTTONDBLCLK, kBanner);
    EXPECT_EQ(TakePostedCommands(window), std::vector<WPARAM>{SC_RESTORE});
    ShowWindow(window, SW_HIDE);

    AttachOptions noMaximize = AllButtons();
    noMaximize.maximizeBox = false;
    HWND fixed = Framed(noMaximize);
    Mouse(fixed, WM_LBUTTONDBLCLK, kBanner);
    EXPECT_TRUE(TakePostedCommands(fixed).empty());
}

TEST_F(FrameInputTest, MaximizeButtonsFollowTheWindowWhicheverWayItChanges) {
    HWND window = Framed();
    // System commands carry flags in their low four bits (a caption double-click sets some).
    SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE | 2, 0);
    EXPECT_EQ(Prop(window, skinprop::Maximize), 1);
    EXPECT_FALSE(RecordOf(window).elements[1].visible);
    EXPECT_TRUE(RecordOf(window).elements[2].visible);
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE | 2, 0);
    EXPECT_EQ(Prop(window, skinprop::Maximize), 0);
    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE | 1, 0);
    EXPECT_EQ(Prop(window, skinprop::Minimized), 1);
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);

    // Not through system commands at all.
    ShowWindow(window, SW_MAXIMIZE);
    EXPECT_EQ(Prop(window, skinprop::Maximize), 1);
    EXPECT_TRUE(RecordOf(window).elements[2].visible) << "restore shows";
    ShowWindow(window, SW_RESTORE);
    EXPECT_EQ(Prop(window, skinprop::Maximize), 0);
    EXPECT_TRUE(RecordOf(window).elements[1].visible) << "maximize shows";
    ShowWindow(window, SW_HIDE);
}

TEST_F(FrameInputTest, ARestoreByAnyPathClearsTheMinimizedFlagAndTheFrameRebuildsAgain) {
    HWND window = Framed();
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0); // bookkeeping only: the recorder stops it
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_EQ(Prop(window, skinprop::Minimized), 1);
    ShowWindow(window, SW_RESTORE);
    EXPECT_EQ(Prop(window, skinprop::Minimized), 0);
    SetWindowPos(window, nullptr, 0, 0, 340, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Prop(window, skinprop::CacheWidth), 340);
    EXPECT_EQ(Prop(window, skinprop::CacheHeight), 220);
    ShowWindow(window, SW_HIDE);
}

namespace {

struct ZoneCase {
    int dx, dy; // from the left/top (positive) or right/bottom (negative, -1 = last pixel) edge
    int zone;   // 0: not a sizing zone
};

} // namespace

TEST_F(FrameInputTest, SizingZonesAtTheirBoundariesAlsoLeftOfAndAboveTheOrigin) {
    HWND window = Framed(Sizable());
    const ZoneCase cases[] = {
        {0, 0, HTTOPLEFT},       {10, 10, HTTOPLEFT},
        {-10, 10, HTTOPRIGHT},   {-1, 0, HTTOPRIGHT},
        {10, -10, HTBOTTOMLEFT}, {-10, -10, HTBOTTOMRIGHT},
        {3, 50, HTLEFT},         {4, 50, 0},
        {-3, 50, HTRIGHT},       {-4, 50, 0},
        {50, 3, HTTOP},          {50, 4, 0},
        {50, -3, HTBOTTOM},      {50, -4, 0},
        {11, 3, HTTOP},          {11, 11, 0},
        {-11, -3, HTBOTTOM},     {3, 11, HTLEFT},
        {-3, -11, HTRIGHT},      {150, 100, 0},
    };
    for (POINT origin : {POINT{60, 60}, POINT{-500, -300}}) {
        SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT r{};
        GetWindowRect(window, &r);
        for (const ZoneCase& c : cases) {
            int x = c.dx >= 0 ? r.left + c.dx : r.right + c.dx;
            int y = c.dy >= 0 ? r.top + c.dy : r.bottom + c.dy;
            LRESULT answer = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
            bool sizing = answer >= HTLEFT && answer <= HTBOTTOMRIGHT;
            if (c.zone)
                EXPECT_EQ(answer, c.zone) << "at " << c.dx << "," << c.dy << " origin " << origin.x;
            else
                EXPECT_FALSE(sizing) << "at " << c.dx << "," << c.dy << " origin " << origin.x << ": "
                                     << answer;
        }
    }

    HWND fixed = Framed();
    RECT r{};
    GetWindowRect(fixed, &r);
    LRESULT corner = SendMessageA(fixed, WM_NCHITTEST, 0, MAKELPARAM(r.left, r.top));
    EXPECT_FALSE(corner >= HTLEFT && corner <= HTBOTTOMRIGHT) << "not sizable: " << corner;
}

TEST_F(FrameInputTest, EachZoneHasItsCursorAndAMaximizedWindowTheArrow) {
    HWND window = Framed(Sizable());
    const struct {
        int zone;
        LPCSTR cursor;
    } cases[] = {{HTTOPLEFT, IDC_SIZENWSE},    {HTBOTTOMRIGHT, IDC_SIZENWSE}, {HTTOPRIGHT, IDC_SIZENESW},
                 {HTBOTTOMLEFT, IDC_SIZENESW}, {HTLEFT, IDC_SIZEWE},          {HTRIGHT, IDC_SIZEWE},
                 {HTTOP, IDC_SIZENS},          {HTBOTTOM, IDC_SIZENS},        {HTCLIENT, IDC_ARROW},
                 {HTCAPTION, IDC_ARROW}};
    for (const auto& c : cases) {
        SetCursor(nullptr);
        EXPECT_EQ(SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                               MAKELPARAM(c.zone, WM_MOUSEMOVE)),
                  1);
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, c.cursor)) << "zone " << c.zone;
    }

    ShowWindow(window, SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(window));
    RECT r{};
    GetWindowRect(window, &r);
    LRESULT zone = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(r.left + 1, r.top + 1));
    EXPECT_FALSE(zone >= HTLEFT && zone <= HTBOTTOMRIGHT) << zone;
    SetCursor(nullptr);
    SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(zone, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    g_recorded.clear();
    SendMessageA(window, WM_NCLBUTTONDOWN, HTLEFT, MAKELPARAM(r.left, r.top + 50));
    ASSERT_EQ(g_recorded.size(), 1u) << "no sizing command for a maximized window";
    EXPECT_EQ(g_recorded[0].message, UINT(WM_NCLBUTTONDOWN));
    ShowWindow(window, SW_HIDE);
}

TEST_F(FrameInputTest, AButtonDownOnAnEdgeStartsSystemSizingThere) {
    HWND window = Framed(Sizable());
    const LPARAM where = MAKELPARAM(400, 300);
    SendMessageA(window, WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, where);
    ASSERT_EQ(g_recorded.size(), 1u) << "sizing starts once: the button-down is not passed on";
    EXPECT_EQ(g_recorded[0].message, UINT(WM_SYSCOMMAND));
    EXPECT_EQ(g_recorded[0].wParam, WPARAM(SC_SIZE | WMSZ_BOTTOMRIGHT));
    EXPECT_EQ(g_recorded[0].lParam, where);
    g_recorded.clear();
    SendMessageA(window, WM_NCLBUTTONDOWN, HTLEFT, where);
    EXPECT_EQ(g_recorded[0].wParam, WPARAM(SC_SIZE | WMSZ_LEFT));
    g_recorded.clear();
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, where);
    EXPECT_EQ(g_recorded.size(), 1u);
}

namespace {

int g_sizingLoops = 0;
LRESULT CALLBACK SizingLoopCounter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERSIZEMOVE)
        ++g_sizingLoops;
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

TEST_F(FrameInputTest, DraggingAnEdgeWithTheRealMouseRunsOneSizingLoop) {
    g_sizingLoops = 0;
    HWND window = MakeWindow(300, 200);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SizingLoopCounter));
    engine_->Attach(window, Sizable());
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    RECT r{};
    GetWindowRect(window, &r);
    const POINT edge{r.right - 2, r.top + 100}, dragged{r.right + 38, r.top + 100};
    SetCursorPos(edge.x, edge.y);
    // The user: press on the edge, drag, release; a loop still running after that is ended
    // with Escape so the test cannot hang.
    std::atomic<bool> done{false};
    std::thread user([&] {
        SendMouseInput(edge, 0);
        SendMouseInput(edge, MOUSEEVENTF_LEFTDOWN);
        Sleep(300);
        SendMouseInput(dragged, 0);
        Sleep(200);
        SendMouseInput(dragged, MOUSEEVENTF_LEFTUP);
        Sleep(500);
        SendKeyPress(VK_ESCAPE);
        Sleep(200);
        done = true;
    });
    while (!done) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(5);
    }
    user.join();
    EXPECT_EQ(g_sizingLoops, 1);
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 340) << "the drag resized the window";
    ShowWindow(window, SW_HIDE);
}

TEST_F(FrameInputTest, SizeLimitsComeFromTheWorkAreaAndTheMinimumSize) {
    HWND window = Framed();
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    MINMAXINFO info{};
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 150);
    EXPECT_EQ(info.ptMinTrackSize.y, 100);
    EXPECT_EQ(info.ptMaxSize.x, work.right - work.left);
    EXPECT_EQ(info.ptMaxSize.y, work.bottom - work.top);
    EXPECT_EQ(info.ptMaxPosition.x, work.left);

    EXPECT_TRUE(engine_->MakeSizable(window, 320, 240));
    EXPECT_EQ(Prop(window, skinprop::SizeBox), 1);
    EXPECT_NE(GetWindowLongPtrA(window, GWL_STYLE) & WS_THICKFRAME, 0);
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 320);
    EXPECT_EQ(info.ptMinTrackSize.y, 240);
    EXPECT_FALSE(engine_->MakeSizable(MakeWindow(100, 100))) << "not attached";
}

namespace {

HWND MakePage() {
    return CreateTestWindow(200, 100, "page", WS_POPUP | WS_CAPTION);
}

RECT RectInParent(HWND page) {
    RECT r{};
    GetWindowRect(page, &r);
    MapWindowPoints(nullptr, GetParent(page), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Bytes NoIcon() {
    return {};
}

} // namespace

TEST_F(FrameInputTest, ATabRaisesALowBannerAndMovesThePageDown) {
    HWND window = Framed(AllButtons(), 400, 300);
    HWND page = MakePage();
    windows_.push_back(page);
    ASSERT_TRUE(engine_->AddTab(window, "一", NoIcon(), page, nullptr));
    EXPECT_EQ(GetParent(page), window);
    LONG_PTR style = GetWindowLongPtrA(page, GWL_STYLE);
    EXPECT_NE(style & WS_CHILD, 0);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION), 0);
    EXPECT_FALSE(IsWindowVisible(page) || (style & WS_VISIBLE)) << "pages appear only when selected";
    EXPECT_TRUE(RecordOf(window).elements.back().selected) << "the first tab starts selected";

    ASSERT_TRUE(engine_->SelectTab(window, "一"));
    EXPECT_NE(GetWindowLongPtrA(page, GWL_STYLE) & WS_VISIBLE, 0);
    RECT placed = RectInParent(page);
    EXPECT_EQ(placed.left, 3);
    EXPECT_EQ(placed.top, 81);
    EXPECT_EQ(placed.right, 400 - 3);
    EXPECT_EQ(placed.bottom, 300 - 26 - 3);

    AttachOptions low;
    low.bannerHeight = 60;
    engine_->Attach(window, low);
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
    EXPECT_EQ(RectInParent(page).top, 61);
    engine_->AddTab(window, "二", NoIcon(), nullptr, nullptr);
    EXPECT_EQ(Prop(window, skinprop::BannerHeight), 80);
    EXPECT_EQ(RectInParent(page).top, 81);
    EXPECT_FALSE(engine_->AddTab(MakeWindow(100, 100), "x", NoIcon(), nullptr, nullptr)) << "not attached";
}

TEST_F(FrameInputTest, RemovingTheMiddleTabMovesTheThirdAndKeepsHoverAndPressOnTheirTabs) {
    HWND window = Framed(AllButtons(), 400, 300);
    for (const char* caption : {"一", "二", "三"})
        engine_->AddTab(window, caption, NoIcon(), nullptr, nullptr);
    const int first = RecordOf(window).ElementCount() - 2;
    EXPECT_EQ(RecordOf(window).elements[size_t(first + 1)].x, 129);
    Mouse(window, WM_MOUSEMOVE, {129 + 30, 27 + 20});
    ASSERT_EQ(RecordOf(window).hoverIndex, first + 2);
    Mouse(window, WM_LBUTTONDOWN, {129 + 30, 27 + 20});

    EXPECT_FALSE(engine_->RemoveTab(window, "四"));
    ASSERT_TRUE(engine_->RemoveTab(window, "二"));
    const SkinWindowRecord& record = RecordOf(window);
    ASSERT_EQ(record.ElementCount(), first + 1);
    EXPECT_EQ(record.elements.back().text, "三");
    EXPECT_EQ(record.elements.back().x, 67);
    EXPECT_EQ(record.elements.back().hit.left, 67);
    EXPECT_EQ(record.nextTabX, 129);
    EXPECT_EQ(record.hoverIndex, first + 1) << "hover moved with the third tab";
    EXPECT_EQ(record.pressedIndex, first + 1);
    EXPECT_TRUE(record.elements.back().hovered);

    ASSERT_TRUE(engine_->RemoveTab(window, "三"));
    EXPECT_EQ(RecordOf(window).hoverIndex, -1) << "the hovered tab is gone";
    EXPECT_EQ(RecordOf(window).pressedIndex, -1);
    Mouse(window, WM_LBUTTONUP, {67 + 30, 27 + 20});
    Mouse(window, WM_MOUSEMOVE, kPanel);
    EXPECT_TRUE(TakePostedCommands(window).empty());
}

TEST_F(FrameInputTest, ClickingATabCallsItsHandlerAndShowsItsPageButNotWhenSelected) {
    HWND window = Framed(AllButtons(), 400, 300);
    HWND pageOne = MakePage(), pageTwo = MakePage();
    windows_.push_back(pageOne);
    windows_.push_back(pageTwo);
    engine_->AddTab(window, "一", NoIcon(), pageOne, CountTab);
    engine_->AddTab(window, "二", NoIcon(), pageTwo, CountTab);
    const POINT one{5 + 30, 50}, two{67 + 30, 50};

    Click(window, one);
    EXPECT_EQ(g_tabCalls, 0) << "the first tab is already selected";
    Click(window, two);
    EXPECT_EQ(g_tabCalls, 1);
    const SkinWindowRecord& record = RecordOf(window);
    EXPECT_FALSE(record.elements[record.elements.size() - 2].selected);
    EXPECT_TRUE(record.elements.back().selected);
    EXPECT_EQ(Prop(window, skinprop::PageWindow), reinterpret_cast<INT_PTR>(pageTwo));
    EXPECT_NE(GetWindowLongPtrA(pageTwo, GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(GetWindowLongPtrA(pageOne, GWL_STYLE) & WS_VISIBLE, 0);
    Click(window, two);
    EXPECT_EQ(g_tabCalls, 1);

    ASSERT_TRUE(engine_->SelectTab(window, "一"));
    EXPECT_EQ(GetWindowLongPtrA(pageTwo, GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_TRUE(RecordOf(window).elements[record.elements.size() - 2].selected);
    EXPECT_FALSE(RecordOf(window).elements.back().selected);
    EXPECT_FALSE(engine_->SelectTab(window, "三"));
}

TEST_F(FrameInputTest, TabIconsComeFromAHandleAnIconFileOrTheDefault) {
    HWND window = Framed(AllButtons(), 400, 300);
    HICON shared = LoadIconA(nullptr, IDI_APPLICATION);
    uint32_t handle = static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(shared));
    unsigned char fourBytes[4];
    std::memcpy(fourBytes, &handle, 4);
    engine_->AddTab(window, "句柄", {fourBytes, 4}, nullptr, nullptr);
    EXPECT_EQ(RecordOf(window).elements.back().icon, shared);

    engine_->AddTab(window, "默认", NoIcon(), nullptr, nullptr);
    EXPECT_EQ(RecordOf(window).elements.back().icon, engine_->Resources().defaultTabIcon.get());

    Bytes file = EmbeddedArt(GetModuleHandleA(nullptr), SKIN_ART_TAB_ICO);
    ASSERT_GT(file.size, 4u);
    engine_->AddTab(window, "文件", file, nullptr, nullptr);
    HICON built = RecordOf(window).elements.back().icon;
    EXPECT_NE(built, nullptr);
    EXPECT_NE(built, engine_->Resources().defaultTabIcon.get());

    const unsigned char junk[] = {1, 2, 3, 4, 5, 6};
    engine_->AddTab(window, "坏", {junk, sizeof junk}, nullptr, nullptr);
    EXPECT_EQ(RecordOf(window).elements.back().icon, engine_->Resources().defaultTabIcon.get());
}
