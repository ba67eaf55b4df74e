// The Windows environment every other test relies on: the Chinese code page, a font that
// draws Chinese text, and message boxes that the watcher can read and dismiss.
#include "MessageBoxWatcher.h"

#include <gtest/gtest.h>

// Each build's suite must run as that build: the 32-bit one through 32-bit Wine beside the
// 64-bit system, the 64-bit one natively.
TEST(Platform, RunsAsTheBuildItWasMadeFor) {
    BOOL wow64 = FALSE;
    ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
    EXPECT_EQ(wow64 != FALSE, sizeof(void*) == 4);
}

TEST(Platform, AnsiCodePageIsChinese) {
    EXPECT_EQ(GetACP(), 936u);
}

TEST(Platform, ChineseFaceNameResolvesToAnInstalledFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    HGDIOBJ old = SelectObject(dc, font);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof face, face);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    EXPECT_STRNE(face, "");
    EXPECT_EQ(std::string(face).find("Tahoma"), std::string::npos);
}

TEST(Platform, MessageBoxIsRecordedAndDismissed) {
    MessageBoxWatcher watcher;
    int pressed = MessageBoxA(nullptr, "初始化成功", "信息：", MB_ICONINFORMATION | MB_TASKMODAL);
    EXPECT_EQ(pressed, IDOK);
    auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "初始化成功");
    EXPECT_EQ(seen[0].caption, "信息：");
    EXPECT_EQ(seen[0].icon, static_cast<UINT>(MB_ICONINFORMATION));
}
