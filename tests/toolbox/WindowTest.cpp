// Designed windows, their elements, modal loading, the message loop and the file services
// the start-up relies on.
#include "Files.h"
#include "Messages.h"
#include "MessageBoxWatcher.h"
#include "Program.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

using namespace toolbox;

namespace {

int clicks = 0;
int createdCalls = 0;
bool ownerDisabledWhileModal = false;

void CountClick() {
    ++clicks;
}

void CountCreated() {
    ++createdCalls;
}

DesignedWindow& Sample() {
    static DesignedWindow window([] {
        WindowDesign design;
        design.title = "样例窗口";
        design.box = {50, 50, 387, 324};
        design.onCreated = CountCreated;
        design.elements = {
            LabelDesign("label", "原版关卡文件", {16, 96, 80, 16}),
            ButtonDesign("button", "第1关", {112, 96, 56, 16}, CountClick),
            EditDesign("edit", {8, 48, 200, 16}),
            DropDownListDesign("list", {128, 216, 128, 20}, {"原版", "1", "2"}),
            ProgressBarDesign("progress", {8, 24, 280, 20}),
            ColourPickerDesign("colour", {120, 264, 80, 16}, CountClick, RGB(10, 20, 30)),
            HyperlinkDesign("link", "下载tumbra", {24, 240, 88, 16}, "https://example.org/"),
            OpenFileDialogDesign("open", "tumbra地图（QLX文件）|*.QLX", "qlx"),
        };
        return design;
    }());
    return window;
}

void CloseItself();

DesignedWindow& Modal() {
    static DesignedWindow window([] {
        WindowDesign design;
        design.title = "地图更换窗口";
        design.box = {50, 50, 275, 169};
        design.onCreated = CloseItself;
        return design;
    }());
    return window;
}

void CloseItself() {
    ownerDisabledWhileModal = !IsWindowEnabled(Sample().Handle());
    PostMessageA(Modal().Handle(), WM_CLOSE, 0, 0);
}

TEST(DesignedWindow, LoadsWithItsDesignAndProperties) {
    createdCalls = 0;
    DesignedWindow& window = Sample();
    LoadWindow(window, nullptr, false);
    ASSERT_TRUE(IsWindowLoaded(window));
    EXPECT_EQ(1, createdCalls);
    LoadWindow(window, nullptr, false); // already there: not created twice
    EXPECT_EQ(1, createdCalls);

    RECT rect;
    GetWindowRect(WindowHandle(window), &rect);
    EXPECT_EQ(387, rect.right - rect.left);
    EXPECT_EQ(324, rect.bottom - rect.top);
    EXPECT_EQ("样例窗口", window.Title());

    window.Item("label").SetCaption("正在初始化...");
    EXPECT_EQ("正在初始化...", window.Item("label").Caption());
    window.Item("edit").SetCaption("C:\\maps\\新地图.qlx");
    EXPECT_EQ("C:\\maps\\新地图.qlx", window.Item("edit").Caption());
    window.Item("progress").SetPosition(42);
    EXPECT_EQ(42, window.Item("progress").Position());
    EXPECT_EQ(-1, window.Item("list").Selection());
    window.Item("list").SetSelection(2);
    EXPECT_EQ(2, window.Item("list").Selection());
    EXPECT_EQ(RGB(10, 20, 30), window.Item("colour").Colour());
    EXPECT_EQ(ElementKind::None, window.Item("no such element").Kind());

    clicks = 0;
    SendMessageA(window.Item("button").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(1, clicks);

    window.SetTitle("42%");
    EXPECT_EQ("42%", window.Title());
    CloseWindow(window);
    EXPECT_FALSE(IsWindowLoaded(window));
    EXPECT_EQ(nullptr, window.Item("label").Handle());
}

TEST(DesignedWindow, ModalLoadDisablesTheOwnerUntilClosed) {
    LoadWindow(Sample(), nullptr, false);
    LoadWindow(Modal(), &Sample(), true);
    EXPECT_TRUE(ownerDisabledWhileModal);
    EXPECT_FALSE(IsWindowLoaded(Modal()));
    EXPECT_TRUE(IsWindowEnabled(Sample().Handle()));
    CloseWindow(Sample());
}

TEST(DesignedWindow, MessageLoopEndsWithTheLastWindow) {
    LoadWindow(Sample(), nullptr, false);
    PostMessageA(Sample().Handle(), WM_CLOSE, 0, 0);
    RunMessageLoop(); // returns: the last window is gone
    EXPECT_FALSE(IsWindowLoaded(Sample()));
}

TEST(Events, ProcessPendingEventsKeepsTheQuitRequest) {
    PostQuitMessage(7);
    ProcessPendingEvents();
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, message.wParam);
}

TEST(Messages, ShowMessageUsesTheInformationCaptionByDefault) {
    MessageBoxWatcher watcher;
    ShowMessage("成功!");
    ShowMessage("错误！", kMessageError, "错误：");
    ASSERT_TRUE(watcher.WaitFor(2));
    auto seen = watcher.Seen();
    EXPECT_EQ("成功!", seen[0].text);
    EXPECT_EQ("信息：", seen[0].caption);
    EXPECT_EQ(0u, seen[0].icon);
    EXPECT_EQ("错误：", seen[1].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), seen[1].icon);
}

TEST(Files, ExistenceWholeFilesAndFolders) {
    TestFolder folder;
    std::string file = folder / "skin.ini";
    EXPECT_FALSE(FileExists(file));
    EXPECT_TRUE(WriteWholeFile(file, ToBytes("123")));
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(folder / "*.ini"));
    EXPECT_TRUE(FileExists(folder.Path()));
    EXPECT_EQ("123", ToText(ReadWholeFile(file, 3)));
    EXPECT_TRUE(ReadWholeFile(file, 2).empty()); // beyond the bound: as good as missing
    EXPECT_TRUE(ReadWholeFile(folder / "missing", 16).empty());
    EXPECT_FALSE(WriteWholeFile("", ToBytes("x")));
    EXPECT_TRUE(CreateFolderTree(folder / "a\\b\\c"));
    EXPECT_TRUE(IsDirectory(folder / "a\\b\\c"));
    EXPECT_TRUE(CopyFileOver(file, folder / "a\\copy.ini"));
    EXPECT_FALSE(CopyFileOver(file, folder / "missing\\copy.ini"));
    EXPECT_TRUE(RemoveFile(file));
    // FileExists left no find handle open: the folder can go at once.
    EXPECT_TRUE(FileExists(folder / "a\\b\\c"));
    EXPECT_TRUE(RemoveDirectoryA((folder / "a\\b\\c").c_str()));

    WriteWholeFile(folder / "a\\b\\read-only.txt", ToBytes("x"));
    SetFileAttributesA((folder / "a\\b\\read-only.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(RemoveFolderTree(folder / "a"));
    EXPECT_FALSE(FileExists(folder / "a"));
    EXPECT_TRUE(FileExists(folder.Path()));
}

TEST(Files, ProgramDirectoryIsTheProgramsFolder) {
    EXPECT_EQ(ProgramFolder(), ProgramDirectory());
}

} // namespace
