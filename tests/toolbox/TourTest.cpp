// The real toolbox program from first run to closing, driven from outside like a user:
// it unpacks its packages, opens its main window, installs a level, starts the game,
// replaces a level through the modal map window and ends when its window is closed.
#include "ChildProcess.h"
#include "MessageBoxWatcher.h"
#include "SampleGame.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

namespace {

const DWORD kTimeout = 20000;

struct ChildSearch {
    const std::string* caption;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    if ((search->className && _stricmp(className, search->className) == 0) ||
        (search->caption && WindowTextOf(child) == *search->caption)) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

HWND Child(HWND parent, const std::string& caption) {
    ChildSearch search{&caption, nullptr, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildOfClass(HWND parent, const char* className) {
    ChildSearch search{nullptr, className, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitUntil(const std::function<bool()>& condition) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > kTimeout)
            return false;
        Sleep(20);
    }
    return true;
}

class TourTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(samplegame::Build(game.Path(), ProgramFolder() + "\\Player.exe"));
        ASSERT_TRUE(CopyFileA((ProgramFolder() + "\\toolbox.exe").c_str(), program.c_str(), FALSE));
    }
    // Clicks a button of the other process and returns the text of the box that follows.
    std::string ClickForMessage(MessageBoxWatcher& watcher, HWND button) {
        size_t before = watcher.Seen().size();
        EXPECT_NE(nullptr, button);
        PostMessageA(button, BM_CLICK, 0, 0);
        EXPECT_TRUE(watcher.WaitFor(before + 1, kTimeout));
        auto seen = watcher.Seen();
        return seen.size() > before ? seen.back().text : std::string();
    }

    TestFolder game;
    std::string program = game / "toolbox.exe";
};

TEST_F(TourTest, FirstRunThenInstallRunReplaceAndClose) {
    {
        ChildProcess firstRun(program, game.Path());
        MessageBoxWatcher watcher(firstRun.Id());
        DWORD exitCode = 1;
        ASSERT_TRUE(firstRun.WaitForExit(kTimeout, exitCode));
        ASSERT_EQ(1u, watcher.Seen().size());
        EXPECT_EQ("初始化成功，请重新运行本程序！", watcher.Seen()[0].text);
    }

    ChildProcess toolbox(program, game.Path());
    MessageBoxWatcher watcher(toolbox.Id());
    HWND main = toolbox.WaitForWindow("tumbra常用工具箱", kTimeout);
    ASSERT_NE(nullptr, main);

    std::string level3 = game / "3D Entities\\Level\\Level_03.qlx";
    ASSERT_TRUE(WriteFileText(level3, "broken"));
    EXPECT_EQ("成功!", ClickForMessage(watcher, Child(main, "第3关")));
    EXPECT_EQ(samplegame::StockLevel(3), ReadFileText(level3));
    EXPECT_FALSE(toolbox.HasWindow("100%")); // the progress window closed before the report

    PostMessageA(Child(main, "运行游戏"), BM_CLICK, 0, 0);
    std::string mark = game / "bin\\player-ran.txt";
    ASSERT_TRUE(WaitUntil([&] { return !ReadFileText(mark).empty(); }));
    EXPECT_EQ(game / "bin", ReadFileText(mark));

    PostMessageA(Child(main, "更换地图"), BM_CLICK, 0, 0);
    HWND map = toolbox.WaitForWindow("地图更换窗口", kTimeout);
    ASSERT_NE(nullptr, map);
    EXPECT_EQ(main, GetWindow(map, GW_OWNER));
    EXPECT_FALSE(IsWindowEnabled(main)); // modal
    std::string custom = game / "custom.QLX";
    ASSERT_TRUE(WriteFileText(custom, "my own level"));
    SendMessageA(ChildOfClass(map, "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(custom.c_str()));
    SendMessageA(ChildOfClass(map, "ComboBox"), CB_SETCURSEL, 4, 0);
    EXPECT_EQ("成功", ClickForMessage(watcher, Child(map, "更换")));
    EXPECT_EQ("my own level", ReadFileText(game / "3D Entities\\Level\\Level_05.qlx"));
    PostMessageA(map, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));

    PostMessageA(main, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(toolbox.WaitForExit(kTimeout, exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ(2u, watcher.Seen().size());
}

} // namespace
