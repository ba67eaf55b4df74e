// The map window driven like a user drives it: choosing a level file, its validity check,
// level numbering, copies that fail and the messages for each outcome.
#include "AppTestSupport.h"
#include "MainWindow.h"
#include "MapWindow.h"
#include "Files.h"
#include "MessageBoxWatcher.h"
#include "Program.h"
#include "SampleGame.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace toolbox;

namespace {

const char kInvalid[] = "错误！请输入正确的地图文件名，必须为QLX格式！";

class MapWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(game.Ready());
        CreateDirectoryA((game / "my maps").c_str(), nullptr);
        CreateDirectoryA((game / "maps.d").c_str(), nullptr);
        LoadWindow(MainWindow(), nullptr, false);
        // Loaded without the modal loop, so this thread can go on driving it.
        LoadWindow(MapWindow(), &MainWindow(), false);
        map = WindowHandle(MapWindow());
        ASSERT_NE(nullptr, map);
    }
    void TearDown() override {
        CloseWindow(MapWindow());
        CloseWindow(MainWindow());
        PumpFor(20);
    }

    // Types the path, picks the list entry and clicks "更换"; returns the box that follows.
    SeenMessageBox Replace(const std::string& path, int index) {
        SetWindowTextA(MapWindow().Item("path").Handle(), path.c_str());
        SendMessageA(MapWindow().Item("level").Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        size_t before = watcher.Seen().size();
        PostMessageA(ChildByCaption(map, "更换"), BM_CLICK, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return watcher.Seen().size() > before; })) << path;
        auto seen = watcher.Seen();
        return seen.size() > before ? seen.back() : SeenMessageBox{};
    }
    std::string Level(int number) const { return ReadFileText(game / GameInProgramFolder::Level(number)); }
    std::string MapFile(const std::string& name, const std::string& content) {
        std::string path = game / name;
        EXPECT_TRUE(WriteFileText(path, content));
        return path;
    }

    GameInProgramFolder game;
    MessageBoxWatcher watcher;
    HWND map = nullptr;
};

TEST_F(MapWindowTest, LayoutAndLevelList) {
    RECT frame;
    GetWindowRect(map, &frame);
    EXPECT_EQ((RECT{50, 50, 325, 219}), frame);
    EXPECT_EQ("地图更换窗口", MapWindow().Title());
    EXPECT_EQ(WindowHandle(MainWindow()), GetWindow(map, GW_OWNER));
    EXPECT_EQ((RECT{8, 48, 208, 64}), RectInWindow(MapWindow().Item("path").Handle()));
    EXPECT_EQ((RECT{216, 48, 256, 64}), RectInWindow(ChildByCaption(map, "浏览")));
    EXPECT_EQ((RECT{96, 120, 176, 144}), RectInWindow(ChildByCaption(map, "更换")));
    HWND list = MapWindow().Item("level").Handle();
    EXPECT_EQ(8, RectInWindow(list).left);
    EXPECT_EQ(88, RectInWindow(list).top);
    EXPECT_EQ(248, RectInWindow(list).right - RectInWindow(list).left);
    std::vector<std::string> items = ComboItems(list);
    ASSERT_EQ(13u, items.size());
    EXPECT_EQ("第1关", items.front());
    EXPECT_EQ("第13关", items.back());
}

TEST_F(MapWindowTest, ValidLevelFileInAnyCaseReplacesTheChosenLevel) {
    SeenMessageBox box = Replace(MapFile("my maps\\新地图.QLX", "custom seven"), 6);
    EXPECT_EQ("成功", box.text);
    EXPECT_EQ("信息：", box.caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), box.icon);
    EXPECT_EQ("custom seven", Level(7));
    EXPECT_EQ("成功", Replace(MapFile("my maps\\b.Qlx", "custom ten"), 9).text);
    EXPECT_EQ("custom ten", Level(10));
    EXPECT_EQ("成功", Replace(MapFile("my maps\\c.qlx", "again"), 9).text); // replaced twice
    EXPECT_EQ("again", Level(10));
    EXPECT_TRUE(IsWindowLoaded(MapWindow())); // stays for further replacements
}

TEST_F(MapWindowTest, LevelNumbering) {
    auto level = [](int index) { return LevelFilePath(index).substr(ProgramDirectory().size()); };
    EXPECT_EQ("\\3D Entities\\Level\\Level_01.qlx", level(0));
    EXPECT_EQ("\\3D Entities\\Level\\Level_09.qlx", level(8));
    EXPECT_EQ("\\3D Entities\\Level\\Level_10.qlx", level(9));
    EXPECT_EQ("\\3D Entities\\Level\\Level_13.qlx", level(12));
    EXPECT_EQ("\\3D Entities\\Level\\Level_00.qlx", level(-1));
    // Nothing chosen: the copy goes to Level_00.qlx, which the game never loads.
    EXPECT_EQ("成功", Replace(MapFile("my maps\\d.qlx", "zero"), -1).text);
    EXPECT_EQ("zero", ReadFileText(game / "3D Entities\\Level\\Level_00.qlx"));
}

TEST_F(MapWindowTest, PathsThatAreNoLevelFileAreRejected) {
    MapFile("my maps\\noextension", "x");
    MapFile("maps.d\\levelqlx", "x");
    MapFile("my maps\\level.txt", "x");
    for (const std::string& path :
         {std::string(), game / "my maps\\missing.qlx", game / "my maps\\noextension",
          game / "maps.d\\levelqlx", game / "my maps\\level.txt"}) {
        SeenMessageBox box = Replace(path, 0);
        EXPECT_EQ(kInvalid, box.text) << path;
        EXPECT_EQ("错误：", box.caption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), box.icon);
    }
    EXPECT_EQ(samplegame::StockLevel(1), Level(1));
}

TEST_F(MapWindowTest, CopiesThatCannotBeDoneFailAndLeaveTheLevelAlone) {
    std::string source = MapFile("my maps\\e.qlx", "custom");
    std::string stock2 = Level(2);
    SetFileAttributesA((game / GameInProgramFolder::Level(2)).c_str(), FILE_ATTRIBUTE_READONLY);
    SeenMessageBox box = Replace(source, 1);
    EXPECT_EQ("失败", box.text);
    EXPECT_EQ("信息：", box.caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), box.icon);
    EXPECT_EQ(stock2, Level(2));

    // Wildcards pass the existence test but name no file to copy.
    EXPECT_EQ("失败", Replace(game / "my maps\\*.qlx", 2).text);

    ASSERT_TRUE(MoveFileA((game / "3D Entities\\Level").c_str(), (game / "3D Entities\\Moved").c_str()));
    EXPECT_EQ("失败", Replace(source, 0).text);
    EXPECT_FALSE(Exists(game / "3D Entities\\Level"));
}

TEST_F(MapWindowTest, CopyFailingMidwayNeverTruncatesTheLevel) {
    std::string source = MapFile("my maps\\big.qlx", std::string(2 << 20, 'b'));
    std::string stock4 = Level(4);
    // Another program holds a lock on the middle of the file: reading stops there.
    HANDLE holder = CreateFileA(source.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    ASSERT_TRUE(LockFile(holder, 1 << 20, 0, 4096, 0));
    EXPECT_EQ("失败", Replace(source, 3).text);
    UnlockFile(holder, 1 << 20, 0, 4096, 0);
    CloseHandle(holder);
    EXPECT_EQ(stock4, Level(4));
    WIN32_FIND_DATAA data;
    HANDLE leftover = FindFirstFileA((game / "3D Entities\\Level\\*.tmp").c_str(), &data);
    EXPECT_EQ(INVALID_HANDLE_VALUE, leftover);
    if (leftover != INVALID_HANDLE_VALUE)
        FindClose(leftover);
}

TEST(FileExtension, IsWhatFollowsTheLastDot) {
    EXPECT_EQ("QLX", FileExtension("C:\\maps\\level.QLX"));
    EXPECT_EQ("qlx", FileExtension("a.b.qlx"));
    EXPECT_EQ("d\\levelqlx", FileExtension("C:\\maps.d\\levelqlx"));
    EXPECT_EQ("", FileExtension("C:\\maps\\level"));
    EXPECT_EQ("", FileExtension("level."));
}

// Answers the open-file dialog of this process: types a name into its file name field and
// confirms. Also notes the dialog's file type text.
class OpenDialogAnswer {
public:
    explicit OpenDialogAnswer(std::string name) : name_(std::move(name)), thread_([this] { Answer(); }) {}
    ~OpenDialogAnswer() {
        stop_ = true;
        thread_.join();
    }
    std::string fileType;

private:
    static HWND FindDialog() {
        std::vector<HWND> dialogs = VisibleDialogs();
        return dialogs.empty() ? nullptr : dialogs.front();
    }
    // Types the name and confirms until the dialog has gone; cancels it when time runs out,
    // so the test never waits on a dialog nobody answers.
    void Answer() {
        DWORD start = GetTickCount();
        HWND dialog = nullptr;
        while (!stop_ && GetTickCount() - start < 15000) {
            if (dialog && !IsWindow(dialog))
                return;
            if (HWND found = FindDialog()) {
                dialog = found;
                char type[256] = {};
                SendMessageA(GetDlgItem(dialog, 0x470), WM_GETTEXT, sizeof type,
                             reinterpret_cast<LPARAM>(type));
                fileType = type;
                // The file name field: a combo box (cmb13) or a plain edit (edt1).
                for (int id : {0x47C, 0x480})
                    if (HWND field = GetDlgItem(dialog, id))
                        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name_.c_str()));
                PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
                Sleep(500);
                continue;
            }
            Sleep(20);
        }
        if (dialog && IsWindow(dialog))
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }

    std::string name_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST_F(MapWindowTest, BrowseFillsInTheChosenFile) {
    MapFile("my maps\\chosen.qlx", "chosen");
    HWND path = MapWindow().Item("path").Handle();
    {
        OpenDialogAnswer answer(game / "my maps\\chosen.qlx");
        PostMessageA(ChildByCaption(map, "浏览"), BM_CLICK, 0, 0);
        ASSERT_TRUE(PumpUntil([&] { return !MapWindow().Item("path").Caption().empty(); }));
        EXPECT_EQ("tumbra地图（QLX文件）", answer.fileType);
    }
    char text[MAX_PATH] = {};
    GetWindowTextA(path, text, sizeof text);
    EXPECT_EQ(game / "my maps\\chosen.qlx", text);
    EXPECT_TRUE(watcher.Seen().empty());
}

} // namespace
