// Start-up of the real toolbox program, run as a child process in a temporary folder: the
// run counter, and the three outcomes with their windows and message boxes.
#include "ChildProcess.h"
#include "MessageBoxWatcher.h"
#include "RunCounter.h"
#include "SampleGame.h"
#include "TestFolder.h"
#include "ZipWriter.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>

namespace {

const char kCounter[] = "C:\\tavro.txt";
const DWORD kTimeout = 20000;

// Puts the machine's run counter back as it was.
class CounterGuard {
public:
    CounterGuard()
        : existed_(GetFileAttributesA(kCounter) != INVALID_FILE_ATTRIBUTES), saved_(ReadFileText(kCounter)) {}
    ~CounterGuard() {
        if (existed_)
            WriteFileText(kCounter, saved_);
        else
            DeleteFileA(kCounter);
    }

private:
    bool existed_;
    std::string saved_;
};

class CountRunTest : public ::testing::Test {
protected:
    std::string CountFrom(const std::string& text) {
        WriteFileText(kCounter, text);
        toolbox::CountRun();
        return ReadFileText(kCounter);
    }
    CounterGuard guard;
};

TEST_F(CountRunTest, CountsAndWrapsAround) {
    DeleteFileA(kCounter);
    toolbox::CountRun();
    EXPECT_EQ("1", ReadFileText(kCounter));
    EXPECT_EQ("42", CountFrom("41"));
    EXPECT_EQ("-2147483648", CountFrom("2147483647"));
    toolbox::CountRun();
    EXPECT_EQ("-2147483647", ReadFileText(kCounter));
}

TEST_F(CountRunTest, ReadsLeadingDigitsAndTreatsTheRestAsZero) {
    EXPECT_EQ("13", CountFrom("12abc"));
    EXPECT_EQ("1", CountFrom("abc"));
    EXPECT_EQ("1", CountFrom(""));
    EXPECT_EQ("13", CountFrom("１２"));
    EXPECT_EQ("1", CountFrom(std::string(1 << 20, '7'))); // a huge file counts as none
}

TEST_F(CountRunTest, UnreadableCounterIsSilentlyLeftAlone) {
    WriteFileText(kCounter, "41");
    HANDLE holder = CreateFileA(kCounter, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    toolbox::CountRun();
    CloseHandle(holder);
    EXPECT_EQ("41", ReadFileText(kCounter));
}

// A copy of the toolbox in a folder of its own: its program directory is that folder.
// The boxes' icons are not compared here: icon handles of another process cannot be
// matched to the shared system icons (ShowMessage's styles are tested in-process).
class StartupTest : public ::testing::Test {
protected:
    std::string InstallToolbox() {
        std::string program = game / "toolbox.exe";
        EXPECT_TRUE(CopyFileA((ProgramFolder() + "\\toolbox.exe").c_str(), program.c_str(), FALSE));
        return program;
    }
    // A first run to its end, started in `workingFolder`: exit code 0, one box captioned
    // "信息：" and no main window. The box's text.
    std::string FirstRunReport(const std::string& workingFolder) {
        ChildProcess toolbox(InstallToolbox(), workingFolder);
        MessageBoxWatcher watcher(toolbox.Id());
        DWORD exitCode = 1;
        EXPECT_TRUE(toolbox.WaitForExit(kTimeout, exitCode));
        EXPECT_EQ(0u, exitCode);
        EXPECT_FALSE(toolbox.HasWindow("tumbra常用工具箱"));
        auto seen = watcher.Seen();
        EXPECT_EQ(1u, seen.size());
        if (seen.empty())
            return "";
        EXPECT_EQ("信息：", seen[0].caption);
        return seen[0].text;
    }
    void BuildGame() { ASSERT_TRUE(samplegame::Build(game.Path(), ProgramFolder() + "\\Player.exe")); }
    bool Exists(const std::string& name) const {
        return GetFileAttributesA((game / name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    CounterGuard guard;
    TestFolder game;
    TestFolder elsewhere;
};

TEST_F(StartupTest, OutsideAGameDirectoryTheWindowExplainsAndStays) {
    WriteFileText(game / "data.zip", "not touched");
    WriteFileText(kCounter, "5");
    ChildProcess toolbox(InstallToolbox(), game.Path());
    MessageBoxWatcher watcher(toolbox.Id());
    HWND window = toolbox.WaitForWindow("TUMBRA常用工具箱", kTimeout);
    ASSERT_NE(nullptr, window);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(257, rect.right - rect.left);
    EXPECT_EQ(124, rect.bottom - rect.top);
    EXPECT_EQ("将本程序和data.zip置于tumbra目录下使工具箱生效", WindowTextOf(GetWindow(window, GW_CHILD)));

    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(toolbox.WaitForExit(kTimeout, exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ("not touched", ReadFileText(game / "data.zip"));
    EXPECT_FALSE(Exists("datas"));
    EXPECT_EQ("6", ReadFileText(kCounter));
}

TEST_F(StartupTest, FirstRunUnpacksReportsDeletesAndEnds) {
    BuildGame();
    // Started from elsewhere: the toolbox still looks in its own folder.
    EXPECT_EQ("初始化成功，请重新运行本程序！", FirstRunReport(elsewhere.Path()));
    EXPECT_FALSE(Exists("data.zip"));
    EXPECT_TRUE(Exists("datas\\汉化补丁.zi"));
    EXPECT_TRUE(Exists("datas\\balls12.zi"));
}

// data.zip whose second package entry is damaged: "datas" is made before the failure.
std::string ArchiveFailingInsideDatas() {
    ZipWriter zip;
    zip.AddDirectory("datas/");
    zip.AddFile("datas/Level_01.zi", "a package");
    zip.AddRawFile("datas/Level_02.zi", "cut sho", 0, ZipWriter::Crc("cut short"), 9);
    zip.AddFile("datas/Level_03.zi", "never reached");
    return zip.Finish();
}

// Every failed first run keeps data.zip (when there is one) and leaves no "datas" behind, so
// the next start is a first run again.
TEST_F(StartupTest, FailedFirstRunKeepsTheArchiveAndRemovesWhatItCreated) {
    BuildGame();
    const struct {
        const char* what;
        std::optional<std::string> archive; // none: no data.zip at all
    } cases[] = {{"not an archive", std::string("damaged download")},
                 {"damaged entry inside datas", ArchiveFailingInsideDatas()},
                 {"missing", std::nullopt}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        if (test.archive)
            ASSERT_TRUE(WriteBytesToFile(game / "data.zip", *test.archive));
        else
            DeleteFileA((game / "data.zip").c_str());
        EXPECT_EQ("初始化失败，请重新安装本程序！请检查data.zip是否正常", FirstRunReport(game.Path()));
        if (test.archive) {
            EXPECT_EQ(*test.archive, ReadFileText(game / "data.zip"));
        }
        EXPECT_FALSE(Exists("datas"));
    }
}

// Only existence counts: a folder named Startup.exe marks the game, a file named datas the
// done first run.
TEST_F(StartupTest, MarkersMayBeFilesOrFolders) {
    BuildGame();
    DeleteFileA((game / "Startup.exe").c_str());
    CreateDirectoryA((game / "Startup.exe").c_str(), nullptr);
    WriteFileText(game / "datas", "a file, not the package folder");
    ChildProcess toolbox(InstallToolbox(), game.Path());
    MessageBoxWatcher watcher(toolbox.Id());
    HWND main = toolbox.WaitForWindow("tumbra常用工具箱", kTimeout);
    ASSERT_NE(nullptr, main);
    EXPECT_TRUE(Exists("data.zip"));
    PostMessageA(main, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(toolbox.WaitForExit(kTimeout, exitCode));
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(StartupTest, NormalRunOpensTheMainWindowInsteadOfTheStartupWindow) {
    BuildGame();
    CreateDirectoryA((game / "datas").c_str(), nullptr);
    ChildProcess toolbox(InstallToolbox(), elsewhere.Path());
    MessageBoxWatcher watcher(toolbox.Id());
    HWND main = toolbox.WaitForWindow("tumbra常用工具箱", kTimeout);
    ASSERT_NE(nullptr, main);
    RECT rect;
    GetWindowRect(main, &rect);
    EXPECT_EQ(387, rect.right - rect.left);
    EXPECT_EQ(324, rect.bottom - rect.top);
    EXPECT_FALSE(toolbox.HasWindow("TUMBRA常用工具箱"));
    EXPECT_TRUE(Exists("data.zip")); // not a first run: the archive is not looked at

    PostMessageA(main, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(toolbox.WaitForExit(kTimeout, exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_TRUE(watcher.Seen().empty());
}

} // namespace
