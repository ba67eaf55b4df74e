// Run-time binding: libraries come only from the system directory, and a missing entry point
// ends the program with the runtime error box and exit code -1.
#include "MessageBoxWatcher.h"
#include "ChildProcess.h"
#include "SystemLibrary.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ProbePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    folder = folder.substr(0, folder.find_last_of('\\'));
    return folder + "\\planted\\skin_bind_probe.exe";
}

std::string ProbeFolder() {
    std::string path = ProbePath();
    return path.substr(0, path.find_last_of('\\'));
}

} // namespace

TEST(SkinBinding, MissingEntryMessageNamesLibraryAndFunction) {
    EXPECT_EQ(MissingEntryMessage("GdiPlus.dll", "GdipFoo"),
              "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“GdiPlus.dll”中的输出命令“GdipFoo”\r\n");
    EXPECT_EQ(MissingEntryMessage("", "GdipFoo"),
              "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件中的输出命令“GdipFoo”\r\n");
}

TEST(SkinBinding, AMissingEntryPointShowsTheFatalBoxAndExitsWithMinusOne) {
    SetEnvironmentVariableA("SKIN_PROBE_MODE", "missing");
    ChildProcess child(ProbePath(), ProbeFolder());
    ASSERT_TRUE(child.Started());
    MessageBoxWatcher watcher(child.Id());
    ASSERT_TRUE(watcher.WaitFor(1, 30000));
    DWORD exitCode = 0;
    ASSERT_TRUE(child.WaitForExit(30000, exitCode));
    EXPECT_EQ(exitCode, 0xFFFFFFFFu);
    auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text,
              MissingEntryMessage("GdiPlus.dll", "GdipNoSuchEntryPoint").substr(0, seen[0].text.size()));
    EXPECT_NE(seen[0].text.find("“GdipNoSuchEntryPoint”"), std::string::npos);
}

TEST(SkinBinding, ALibraryPlantedInTheProgramFolderIsNotLoaded) {
    SetEnvironmentVariableA("SKIN_PROBE_MODE", "bridge");
    ChildProcess child(ProbePath(), ProbeFolder());
    ASSERT_TRUE(child.Started());
    DWORD exitCode = 99;
    ASSERT_TRUE(child.WaitForExit(30000, exitCode));
    EXPECT_EQ(exitCode, 0u) << "3: planted library missing, 4: planted library loaded, 5: not from system, "
                               "6: planted library lacks the plain export";
}
