// Unzip: results, progress reports, replacement of existing files, unsafe entry names and
// entries that fail half-way.
#include "Files.h"
#include "TestFolder.h"
#include "Unzip.h"
#include "ZipWriter.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace toolbox;

namespace {

std::vector<int> reports;

void RecordProgress(int percent) {
    reports.push_back(percent);
}

class UnzipTest : public ::testing::Test {
protected:
    void SetUp() override { reports.clear(); }

    std::string Archive(ZipWriter& zip) {
        std::string path = folder / "package.zi";
        EXPECT_TRUE(WriteBytesToFile(path, zip.Finish()));
        return path;
    }
    // Target folder inside the test folder, so "outside" is still ours to inspect.
    std::string Target() const { return folder / "game"; }
    int Run(const std::string& archive) { return Unzip(archive, Target(), unit); }

    TestFolder folder;
    Element unit{UnzipUnitDesign("unzip", RecordProgress)};
};

TEST_F(UnzipTest, ReportsEachEntryThenOneHundred) {
    ZipWriter zip;
    zip.AddFile("a.txt", "alpha");
    zip.AddFile("b.txt", "beta", ZipWriter::Method::Stored);
    zip.AddFile("c.txt", std::string(100000, 'c'));
    EXPECT_EQ(1, Run(Archive(zip)));
    EXPECT_EQ((std::vector<int>{0, 33, 66, 100}), reports);
    EXPECT_EQ("alpha", ReadFileText(Target() + "\\a.txt"));
    EXPECT_EQ("beta", ReadFileText(Target() + "\\b.txt"));
    EXPECT_EQ(100000u, ReadFileText(Target() + "\\c.txt").size());
    EXPECT_EQ(Target() + "\\c.txt", CurrentUnzipFile(unit));
}

TEST_F(UnzipTest, DirectoryEntriesCreateFoldersAndFilesGetTheEntryTime) {
    ZipWriter zip;
    zip.AddDirectory("3D Entities/");
    zip.AddDirectory("3D Entities/Level/");
    // 2010-03-04 05:06:08 local time.
    const uint32_t dosTime = (30u << 25) | (3u << 21) | (4u << 16) | (5u << 11) | (6u << 5) | 4u;
    zip.AddFile("3D Entities/Level/Level_01.qlx", "level", ZipWriter::Method::Deflated, dosTime);
    ASSERT_EQ(1, Run(Archive(zip)));
    std::string level = Target() + "\\3D Entities\\Level\\Level_01.qlx";
    EXPECT_EQ("level", ReadFileText(level));

    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(level.c_str(), GetFileExInfoStandard, &data));
    FILETIME local;
    SYSTEMTIME time;
    FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &time);
    EXPECT_EQ(2010, time.wYear);
    EXPECT_EQ(4, time.wDay);
    EXPECT_EQ(6, time.wMinute);
    EXPECT_EQ(8, time.wSecond);
}

TEST_F(UnzipTest, MissingArgumentOrArchiveGivesMinusOneWithoutReports) {
    EXPECT_EQ(-1, Unzip("", Target(), unit));
    EXPECT_EQ(-1, Unzip(folder / "missing.zi", "", unit));
    EXPECT_EQ(-1, Run(folder / "missing.zi"));
    EXPECT_TRUE(reports.empty());
    EXPECT_FALSE(FileExists(Target()));
}

TEST_F(UnzipTest, UnreadableArchivesGiveZeroWithoutTheFinalReport) {
    std::string notZip = folder / "text.zi";
    WriteFileText(notZip, "this is not an archive at all, only some text");
    EXPECT_EQ(0, Run(notZip));

    ZipWriter empty; // only an end-of-directory record: no local header at the start
    EXPECT_EQ(0, Run(Archive(empty)));

    std::string tooShort = folder / "short.zi";
    WriteFileText(tooShort, "PK\x03\x04");
    EXPECT_EQ(0, Run(tooShort));
    EXPECT_TRUE(reports.empty());
}

TEST_F(UnzipTest, TargetThatCannotBeCreatedGivesZero) {
    ZipWriter zip;
    zip.AddFile("a.txt", "alpha");
    std::string archive = Archive(zip);
    WriteFileText(folder / "file", "a file where a folder should be");
    EXPECT_EQ(0, Unzip(archive, folder / "file\\sub", unit));
    EXPECT_TRUE(reports.empty());
}

TEST_F(UnzipTest, MissingFolderStopsWithZeroAndKeepsEarlierEntries) {
    ZipWriter zip;
    zip.AddFile("first.txt", "1");
    zip.AddFile("nofolder/second.txt", "2");
    zip.AddFile("third.txt", "3");
    EXPECT_EQ(0, Run(Archive(zip)));
    EXPECT_EQ((std::vector<int>{0, 100}), reports);
    EXPECT_EQ("1", ReadFileText(Target() + "\\first.txt"));
    EXPECT_FALSE(FileExists(Target() + "\\third.txt"));
}

TEST_F(UnzipTest, ReadOnlyFileIsReplacedAndLeftNormal) {
    CreateDirectoryA(Target().c_str(), nullptr);
    std::string file = Target() + "\\locked.txt";
    WriteFileText(file, "old");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    ZipWriter zip;
    zip.AddFile("locked.txt", "new");
    EXPECT_EQ(1, Run(Archive(zip)));
    EXPECT_EQ("new", ReadFileText(file));
    EXPECT_EQ(0u, GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY);
}

TEST_F(UnzipTest, GbkNameWithBackslashTrailByteIsOneFile) {
    // 81 5C is a single character, not a folder separator.
    ZipWriter zip;
    zip.AddFile("\x81\x5C.txt", "gbk");
    zip.AddFile("汉化补丁.txt", "patch");
    EXPECT_EQ(1, Run(Archive(zip)));
    EXPECT_EQ("gbk", ReadFileText(Target() + "\\\x81\x5C.txt"));
    EXPECT_EQ("patch", ReadFileText(Target() + "\\汉化补丁.txt"));
}

// Everything in a folder, recursively; empty when nothing was written.
int CountFiles(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        count +=
            1 + ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? CountFiles(path + "\\" + name) : 0);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return count;
}

TEST_F(UnzipTest, UnsafeNameWritesNothingAnywhere) {
    const char* const unsafe[] = {
        "../evil.txt",
        "a/../../evil.txt",
        "..\\evil.txt",
        "sub/..",
        ".. /evil.txt",
        "/rooted.txt",
        "\\rooted.txt",
        "C:evil.txt",
        "C:/evil.txt",
        "\\\\server\\share\\x",
        "//server/share/x",
        "ok.txt:stream",
        "CON",
        "nul.txt",
        "dir/COM1.log",
        "lpt9",
        "bad\x01name.txt",
        "tab\tname.txt",
        "wild*.txt",
        "",
        "...\\evil.txt",
        "Aux .txt",
        "汉字/../../evil.txt",
    };
    for (const char* name : unsafe) {
        SCOPED_TRACE(name);
        reports.clear();
        ZipWriter zip;
        zip.AddDirectory("safe/");
        zip.AddFile("safe/first.txt", "written before the bad entry?");
        zip.AddFile(name, "evil");
        EXPECT_EQ(0, Run(Archive(zip)));
        EXPECT_EQ((std::vector<int>{100}), reports);
        EXPECT_EQ(0, CountFiles(Target()));
        EXPECT_EQ(2, CountFiles(folder.Path())); // the archive and the empty target folder
    }
}

TEST_F(UnzipTest, CorruptEntryKeepsTheExistingFile) {
    CreateDirectoryA(Target().c_str(), nullptr);
    std::string kept = Target() + "\\kept.txt";
    WriteFileText(kept, "the user's file");
    ZipWriter zip;
    zip.AddFile("first.txt", "fine");
    zip.AddFile("kept.txt", "REPLACEMENT-DATA", ZipWriter::Method::Stored);
    std::string bytes = zip.Finish();
    bytes[bytes.find("REPLACEMENT-DATA")] = 'X'; // the CRC no longer matches
    std::string archive = folder / "corrupt.zi";
    WriteBytesToFile(archive, bytes);

    EXPECT_EQ(0, Run(archive));
    EXPECT_EQ((std::vector<int>{0, 100}), reports);
    EXPECT_EQ("the user's file", ReadFileText(kept));
    EXPECT_EQ("fine", ReadFileText(Target() + "\\first.txt"));
    EXPECT_EQ(2, CountFiles(Target())); // no temporary file left behind
}

TEST_F(UnzipTest, LockedFileFailsAndStaysIntact) {
    CreateDirectoryA(Target().c_str(), nullptr);
    std::string locked = Target() + "\\running.exe";
    WriteFileText(locked, "in use");
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    ZipWriter zip;
    zip.AddFile("running.exe", "replacement");
    EXPECT_EQ(0, Run(Archive(zip)));
    CloseHandle(holder);
    EXPECT_EQ("in use", ReadFileText(locked));
    EXPECT_EQ(1, CountFiles(Target()));
}

} // namespace
