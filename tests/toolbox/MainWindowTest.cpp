// The main window driven like a user drives it: its layout, every package button, the ball
// patch list, the progress window and the three result messages, commands arriving in the
// middle of an extraction, the saved skin colour, the help text and the game launcher.
#include "AppTestSupport.h"
#include "MainWindow.h"
#include "MapWindow.h"
#include "MessageBoxWatcher.h"
#include "PackageInstaller.h"
#include "Program.h"
#include "ProgressWindow.h"
#include "SampleGame.h"
#include "SkinEngine.h"
#include "SkinColour.h"
#include "TestFolder.h"
#include "Unzip.h"
#include "ZipWriter.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace toolbox;

namespace {

struct Placed {
    const char* caption;
    int left, top, width, height;
};

const Placed kCaptioned[] = {
    {"安装汉化补丁", 16, 56, 176, 16},   {"原版关卡文件", 16, 96, 80, 16},
    {"第1关", 112, 96, 56, 16},          {"第2关", 184, 96, 56, 16},
    {"第3关", 248, 96, 56, 16},          {"第4关", 312, 96, 56, 16},
    {"第5关", 112, 120, 56, 16},         {"第6关", 184, 120, 56, 16},
    {"第7关", 248, 120, 56, 16},         {"第8关", 312, 120, 56, 16},
    {"第9关", 112, 144, 56, 16},         {"第10关", 184, 144, 56, 16},
    {"第11关", 248, 144, 56, 16},        {"第12关", 312, 144, 56, 16},
    {"第13关", 112, 168, 56, 16},        {"所有", 184, 168, 120, 16},
    {"全通关存档", 24, 192, 128, 16},    {"原版PH模型", 168, 192, 96, 16},
    {"原版BIN文件夹", 280, 192, 88, 16}, {"球速/弹力球补丁", 16, 216, 104, 20},
    {"确定", 280, 216, 40, 20},          {"下载tumbra", 24, 240, 88, 16},
    {"tumbra吧", 152, 240, 80, 16},      {"更换地图", 264, 248, 96, 24},
    {"皮肤颜色", 32, 264, 64, 16},       {"运行游戏", 224, 40, 136, 32},
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(game.Ready());
        LoadWindow(MainWindow(), nullptr, false);
        main = WindowHandle(MainWindow());
        ASSERT_NE(nullptr, main);
    }
    void TearDown() override {
        CloseWindow(ProgressWindow());
        CloseWindow(MainWindow());
        PumpFor(20);
    }

    HWND Button(const std::string& caption) const {
        HWND button = ChildByCaption(main, caption);
        EXPECT_NE(nullptr, button) << caption;
        return button;
    }
    // Clicks as a user would and returns the message box that the click leads to.
    SeenMessageBox ClickForMessage(const std::string& caption) {
        size_t before = watcher.Seen().size();
        PostMessageA(Button(caption), BM_CLICK, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return watcher.Seen().size() > before; })) << caption;
        auto seen = watcher.Seen();
        return seen.size() > before ? seen.back() : SeenMessageBox{};
    }
    void ExpectInstalled(const std::string& caption) {
        SeenMessageBox box = ClickForMessage(caption);
        EXPECT_EQ("成功!", box.text) << caption;
        EXPECT_EQ("信息：", box.caption);
        EXPECT_EQ(0u, box.icon);
    }
    void RemoveLevels() {
        for (int number = 1; number <= 13; ++number)
            DeleteFileA((game / GameInProgramFolder::Level(number)).c_str());
    }
    std::vector<int> LevelsPresent() const {
        std::vector<int> present;
        for (int number = 1; number <= 13; ++number)
            if (ReadFileText(game / GameInProgramFolder::Level(number)) == samplegame::StockLevel(number))
                present.push_back(number);
        return present;
    }
    void PutPackage(const std::string& name, ZipWriter& zip) {
        ASSERT_TRUE(WriteBytesToFile(game / ("datas\\" + name), zip.Finish()));
    }

    GameInProgramFolder game;
    MessageBoxWatcher watcher;
    HWND main = nullptr;
};

TEST_F(MainWindowTest, EveryElementSitsWhereItsDesignSays) {
    RECT frame;
    GetWindowRect(main, &frame);
    EXPECT_EQ(50, frame.left);
    EXPECT_EQ(50, frame.top);
    EXPECT_EQ(387, frame.right - frame.left);
    EXPECT_EQ(324, frame.bottom - frame.top);
    EXPECT_EQ("tumbra常用工具箱", MainWindow().Title());
    for (const Placed& element : kCaptioned) {
        HWND control = Button(element.caption);
        if (!control)
            continue;
        RECT rect = RectInWindow(control);
        EXPECT_EQ(element.left, rect.left) << element.caption;
        EXPECT_EQ(element.top, rect.top) << element.caption;
        EXPECT_EQ(element.width, rect.right - rect.left) << element.caption;
        EXPECT_EQ(element.height, rect.bottom - rect.top) << element.caption;
    }
    RECT colour = RectInWindow(MainWindow().Item("colour").Handle());
    EXPECT_EQ((RECT{120, 264, 200, 280}), colour);

    HWND list = MainWindow().Item("balls").Handle();
    RECT listRect = RectInWindow(list);
    EXPECT_EQ(128, listRect.left);
    EXPECT_EQ(216, listRect.top);
    EXPECT_EQ(128, listRect.right - listRect.left);
    EXPECT_EQ((std::vector<std::string>{"原版", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "小弹力球",
                                        "超弹力球"}),
              ComboItems(list));
    // Starts on "原版": a drop-down list cannot be emptied by the user, so balls-1.zi is out of reach.
    EXPECT_EQ(0, static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0)));
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(MainWindowTest, EveryPackageButtonInstallsItsOwnPackage) {
    for (int number = 1; number <= 13; ++number) {
        RemoveLevels();
        ExpectInstalled("第" + std::to_string(number) + "关");
        EXPECT_EQ(std::vector<int>{number}, LevelsPresent());
    }
    RemoveLevels();
    ExpectInstalled("所有");
    EXPECT_EQ(13u, LevelsPresent().size());

    ExpectInstalled("安装汉化补丁"); // from "汉化补丁.zi", a GBK file name
    EXPECT_EQ("简体中文界面\r\n", ReadFileText(game / "Language\\汉化.txt"));
    ExpectInstalled("全通关存档");
    EXPECT_EQ("levels completed: 13\r\n", ReadFileText(game / "Database\\progress.db"));
    ExpectInstalled("原版PH模型");
    EXPECT_EQ("stock PH model\r\n", ReadFileText(game / "3D Entities\\PH\\ball.ph"));
    ExpectInstalled("原版BIN文件夹");
    EXPECT_EQ("stock BIN folder\r\n", ReadFileText(game / "bin\\stock.txt"));

    HWND list = MainWindow().Item("balls").Handle();
    for (int index : {0, 10, 12}) {
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ExpectInstalled("确定");
        EXPECT_EQ("ball patch " + std::to_string(index) + "\r\n",
                  ReadFileText(game / "Textures\\Balls\\ball.cfg"));
    }
    EXPECT_FALSE(IsWindowLoaded(ProgressWindow()));
}

// What happens to the progress window, in order, while this thread runs.
class ProgressLog {
public:
    ProgressLog() { hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId()); }
    ~ProgressLog() {
        UnhookWindowsHookEx(hook_);
        onEvent = nullptr;
        events.clear();
    }
    ProgressLog(const ProgressLog&) = delete;
    ProgressLog& operator=(const ProgressLog&) = delete;

    static std::vector<std::string> events;
    // The dialog whose creation was recorded last as "message box" (any dialog counts).
    static HWND lastDialog;
    // Called with each event as it is recorded.
    static std::function<void(const std::string&)> onEvent;

private:
    static void Add(const std::string& event) {
        events.push_back(event);
        if (onEvent)
            onEvent(event);
    }
    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        HWND progress = WindowHandle(ProgressWindow());
        if (code == HC_ACTION && progress) {
            if (call->hwnd == progress && call->message == WM_SETTEXT)
                Add("title " + std::string(reinterpret_cast<const char*>(call->lParam)));
            else if (GetParent(call->hwnd) == progress && call->message == PBM_SETPOS)
                Add("bar " + std::to_string(call->wParam));
            else if (call->hwnd == progress && call->message == WM_DESTROY)
                Add("closed");
        }
        if (code == HC_ACTION && call->message == WM_INITDIALOG) {
            lastDialog = call->hwnd;
            Add("message box");
        }
        if (code == HC_ACTION && call->message == WM_CREATE && call->hwnd == WindowHandle(MapWindow()))
            Add("map window");
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook_ = nullptr;
};

std::vector<std::string> ProgressLog::events;
HWND ProgressLog::lastDialog = nullptr;
std::function<void(const std::string&)> ProgressLog::onEvent;

// Three file entries into folders the game already has.
ZipWriter ThreeEntries() {
    ZipWriter three;
    three.AddFile("3D Entities/Level/Level_01.qlx", "one");
    three.AddFile("3D Entities/Level/Level_02.qlx", std::string(300000, '2'));
    three.AddFile("3D Entities/Level/Level_03.qlx", "three");
    return three;
}

TEST_F(MainWindowTest, ProgressShowsEachReportAndClosesBeforeTheResult) {
    ZipWriter zip = ThreeEntries();
    PutPackage("Level_01.zi", zip);
    ProgressLog log;
    ExpectInstalled("第1关");
    EXPECT_EQ((std::vector<std::string>{"bar 0", "title 0%", "bar 33", "title 33%", "bar 66", "title 66%",
                                        "bar 100", "title 100%", "closed", "message box"}),
              ProgressLog::events);
    EXPECT_EQ(game / "3D Entities\\Level\\Level_03.qlx", CurrentUnzipFile(PackageUnzipUnit()));
    EXPECT_EQ(300000u, ReadFileText(game / GameInProgramFolder::Level(2)).size());
}

TEST_F(MainWindowTest, ManyEntriesShowEachPercentageOnce) {
    ZipWriter package;
    package.AddDirectory("Database/");
    for (int i = 0; i < 250; ++i)
        package.AddFile("Database/entry" + std::to_string(i) + ".txt", "x", ZipWriter::Method::Stored);
    PutPackage("Database.zi", package);
    ProgressLog log;
    ExpectInstalled("全通关存档");
    std::vector<std::string> titles;
    for (const std::string& event : ProgressLog::events)
        if (event.rfind("title ", 0) == 0)
            titles.push_back(event.substr(6));
    ASSERT_EQ(101u, titles.size()); // 251 reports, 101 different percentages
    for (int percent = 0; percent <= 100; ++percent)
        EXPECT_EQ(std::to_string(percent) + "%", titles[static_cast<size_t>(percent)]);
}

TEST_F(MainWindowTest, FailuresLeaveTheProgressWindowOpenForTheNextInstall) {
    DeleteFileA((game / "datas\\Level_02.zi").c_str());
    SeenMessageBox missing = ClickForMessage("第2关");
    EXPECT_EQ("参数错误!", missing.text);
    EXPECT_EQ("信息：", missing.caption);
    EXPECT_EQ(0u, missing.icon);
    ASSERT_TRUE(IsWindowLoaded(ProgressWindow()));
    HWND progress = WindowHandle(ProgressWindow());
    EXPECT_EQ(main, GetWindow(progress, GW_OWNER));

    ASSERT_TRUE(WriteFileText(game / "datas\\Level_04.zi", "not an archive at all, just text"));
    EXPECT_EQ("失败!未知错误!", ClickForMessage("第4关").text);
    ZipWriter empty;
    PutPackage("Level_05.zi", empty);
    EXPECT_EQ("失败!未知错误!", ClickForMessage("第5关").text);
    EXPECT_EQ(progress, WindowHandle(ProgressWindow())); // the same window, reused

    // Only a program can empty the ball patch list: the package name is then balls-1.zi.
    SendMessageA(MainWindow().Item("balls").Handle(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ("参数错误!", ClickForMessage("确定").text);

    ExpectInstalled("第3关");
    EXPECT_FALSE(IsWindowLoaded(ProgressWindow()));
}

TEST_F(MainWindowTest, ReadOnlyGameFileIsReplaced) {
    std::string level = game / GameInProgramFolder::Level(6);
    ASSERT_TRUE(WriteFileText(level, "edited by hand"));
    SetFileAttributesA(level.c_str(), FILE_ATTRIBUTE_READONLY);
    ExpectInstalled("第6关");
    EXPECT_EQ(samplegame::StockLevel(6), ReadFileText(level));
    EXPECT_EQ(0u, GetFileAttributesA(level.c_str()) & FILE_ATTRIBUTE_READONLY);
}

// What a click on the skin's help caption button sends; false when the window has none.
bool PostHelpClick(HWND window) {
    const SkinWindowRecord* record = SkinEngine::Instance()->Record(window);
    if (!record)
        return false;
    const SkinElement* help = nullptr;
    for (const SkinElement& element : record->elements)
        if (element.type == ElementCaptionButton && element.kind == CaptionHelp)
            help = &element;
    if (!help)
        return false;
    LPARAM at = MAKELPARAM((help->hit.left + help->hit.right) / 2, (help->hit.top + help->hit.bottom) / 2);
    PostMessageA(window, WM_MOUSEMOVE, 0, at);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
    return true;
}

void CALLBACK CloseMainWindow(HWND, UINT, UINT_PTR, DWORD) {
    CloseWindow(MainWindow());
}

TEST_F(MainWindowTest, CommandsDuringAnExtractionAreRefusedAndClosingWaitsForItsEnd) {
    ZipWriter zip = ThreeEntries();
    PutPackage("Level_01.zi", zip);
    DeleteFileA((game / GameInProgramFolder::Level(9)).c_str());
    bool mainAliveAtResult = false;
    bool mapOpened = false;
    bool dialogDuringExtraction = false;
    bool linksRefused = false;
    ProgressLog log;
    ProgressLog::onEvent = [&](const std::string& event) {
        if (event == "title 33%") {
            linksRefused = !MainWindow().Item("download").MayOpen() && !MainWindow().Item("forum").MayOpen();
            PostMessageA(Button("第9关"), BM_CLICK, 0, 0);
            PostMessageA(Button("运行游戏"), BM_CLICK, 0, 0);
            PostMessageA(Button("更换地图"), BM_CLICK, 0, 0);
            PostMessageA(MainWindow().Item("colour").Handle(), BM_CLICK, 0, 0);
            PostHelpClick(main);
            PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); // what the close caption button sends
        }
        if (event == "message box" && IsInstalling()) {
            // The colour dialog or the help box: it would hold the extraction until closed.
            dialogDuringExtraction = true;
            PostMessageA(ProgressLog::lastDialog, WM_COMMAND, IDCANCEL, 0);
        } else if (event == "message box") {
            mainAliveAtResult = IsWindow(main) != FALSE;
        }
        if (event == "map window") {
            mapOpened = true;
            PostMessageA(WindowHandle(MapWindow()), WM_CLOSE, 0, 0); // never leave a modal window waiting
        }
    };
    // A deadline for the message loop below, should the window never close.
    UINT_PTR deadline = SetTimer(nullptr, 0, 20000, CloseMainWindow);
    PostMessageA(Button("第1关"), BM_CLICK, 0, 0);
    RunMessageLoop(); // returns once the main window has closed: the program would end here
    KillTimer(nullptr, deadline);

    auto seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("成功!", seen[0].text);
    EXPECT_TRUE(mainAliveAtResult);
    EXPECT_FALSE(IsWindowLoaded(MainWindow()));
    EXPECT_FALSE(mapOpened);
    EXPECT_FALSE(dialogDuringExtraction);
    EXPECT_TRUE(linksRefused);
    EXPECT_EQ(300000u, ReadFileText(game / GameInProgramFolder::Level(2)).size());
    EXPECT_FALSE(Exists(game / GameInProgramFolder::Level(9)));
    PumpFor(1000); // a started player would have written its mark by now
    EXPECT_FALSE(Exists(game / "bin\\player-ran.txt"));
    EXPECT_FALSE(IsInstalling());
}

TEST_F(MainWindowTest, HelpButtonExplainsWithAnInformationBox) {
    ASSERT_TRUE(PostHelpClick(main));
    ASSERT_TRUE(PumpUntil([&] { return !watcher.Seen().empty(); }));
    SeenMessageBox box = watcher.Seen()[0];
    EXPECT_EQ("点击你想要使用的功能就可以了。如果出现失败提示，请尝试重新安装。", box.text);
    EXPECT_EQ("信息：", box.caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), box.icon);
}

TEST_F(MainWindowTest, RunGameStartsThePlayerInItsOwnFolderAndIsSilentWithoutIt) {
    std::string mark = game / "bin\\player-ran.txt";
    PostMessageA(Button("运行游戏"), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !ReadFileText(mark).empty(); }));
    EXPECT_EQ(game / "bin", ReadFileText(mark));

    DeleteFileA(mark.c_str());
    DeleteFileA((game / "bin\\Player.exe").c_str());
    PostMessageA(Button("运行游戏"), BM_CLICK, 0, 0);
    PumpFor(1500);
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_TRUE(IsWindowLoaded(MainWindow()));
}

TEST_F(MainWindowTest, PickedColourIsSavedAndBlackIsNotRestored) {
    Element& picker = MainWindow().Item("colour");
    picker.SetColour(RGB(200, 30, 40));
    SaveSkinColour();
    EXPECT_EQ(std::to_string(RGB(200, 30, 40)), ReadFileText(game / "skin.ini"));
    CloseWindow(MainWindow());
    LoadWindow(MainWindow(), nullptr, false);
    EXPECT_EQ(RGB(200, 30, 40), MainWindow().Item("colour").Colour()); // applied on creation

    MainWindow().Item("colour").SetColour(RGB(0, 0, 0));
    SaveSkinColour();
    EXPECT_EQ("0", ReadFileText(game / "skin.ini"));
    EXPECT_FALSE(SavedSkinColour());
}

TEST(SkinColourFile, OnlyPlainDigitsAreAColour) {
    GameInProgramFolder game;
    auto saved = [&](const std::string& text) {
        WriteFileText(game / "skin.ini", text);
        return SavedSkinColour();
    };
    EXPECT_EQ(std::optional<COLORREF>(123), saved(" 1 2　3 ")); // ASCII and full-width spaces
    EXPECT_EQ(std::optional<COLORREF>(16777215), saved("16777215"));
    EXPECT_FALSE(saved("0"));
    EXPECT_FALSE(saved(""));
    EXPECT_FALSE(saved("１２３")); // full-width digits
    EXPECT_FALSE(saved("-5"));
    EXPECT_FALSE(saved("123\r\n"));
    EXPECT_FALSE(saved("12ab"));
    EXPECT_FALSE(saved("123" + std::string(1 << 20, ' '))); // a huge file counts as none
    DeleteFileA((game / "skin.ini").c_str());
    EXPECT_FALSE(SavedSkinColour());

    EXPECT_TRUE(IsAllDigits("0123456789"));
    EXPECT_FALSE(IsAllDigits(""));
    EXPECT_FALSE(IsAllDigits("12 3"));
    EXPECT_FALSE(IsAllDigits("第1关"));
}

} // namespace
