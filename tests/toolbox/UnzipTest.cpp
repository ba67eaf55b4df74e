// Unzip: results, progress reports, replacement of existing files, unsafe entry names and
// entries that fail half-way.
#include "Files.h"
#include "FolderListings.h"
#include "PendingFile.h"
#include "TestFolder.h"
#include "Unzip.h"
#include "ZipWriter.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <optional>

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

// Both ways of replacing: a small entry held in memory, a large one through a temporary file.
TEST_F(UnzipTest, ReadOnlyFileIsReplacedAndLeftNormal) {
    CreateDirectoryA(Target().c_str(), nullptr);
    std::string file = Target() + "\\locked.txt";
    for (const std::string& data : {std::string("new"), std::string(2 * 1024 * 1024, 'n')}) {
        SCOPED_TRACE(data.size());
        WriteFileText(file, "old");
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
        ZipWriter zip;
        zip.AddFile("locked.txt", data);
        EXPECT_EQ(1, Run(Archive(zip)));
        EXPECT_EQ(data, ReadFileText(file));
        EXPECT_EQ(0u, GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY);
    }
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

// Existing files of any size are replaced by exactly the entry's bytes and time, whether
// the entry is held in memory (small) or goes through a temporary file (large).
TEST_F(UnzipTest, ReplacementsAreExactAtEverySize) {
    const size_t large = 2 * 1024 * 1024;
    const struct {
        size_t oldSize;
        size_t newSize;
    } cases[] = {{9, 3}, {3, 9}, {5, 5}, {10, 0}, {0, 10}, {large, 3}, {3, large}};
    const uint32_t dosTime = (30u << 25) | (3u << 21) | (4u << 16); // 2010-03-04
    const std::string path = Target() + "\\level.qlx";
    CreateDirectoryA(Target().c_str(), nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.oldSize) + " -> " + std::to_string(c.newSize));
        ASSERT_TRUE(WriteFileText(path, std::string(c.oldSize, 'o')));
        ZipWriter zip;
        zip.AddFile("level.qlx", std::string(c.newSize, 'n'), ZipWriter::Method::Deflated, dosTime);
        ASSERT_EQ(1, Run(Archive(zip)));
        EXPECT_EQ(std::string(c.newSize, 'n'), ReadFileText(path));
        EXPECT_EQ(1, CountFiles(Target()));
        WIN32_FILE_ATTRIBUTE_DATA data;
        SYSTEMTIME time;
        ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
        FileTimeToSystemTime(&data.ftLastWriteTime, &time);
        EXPECT_EQ(2010, time.wYear);
    }
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
        "\x81\x20/",        // lead byte without a trail byte: the system would make it "?"
        "dir\x81/evil.txt", // the lead byte would swallow the separator
        "name\x81",
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

// Entries whose data is not what the directory promises: each fails with 0 and neither the
// file it would replace nor a new file of its name is left changed or half written.
TEST_F(UnzipTest, DamagedEntriesFailAndLeaveNothingHalfWritten) {
    const std::string data = "level data " + std::string(4000, 'q') + " end";
    const std::string deflated = ZipWriter::Deflate(data);
    const uint32_t crc = ZipWriter::Crc(data);
    const uint32_t size = static_cast<uint32_t>(data.size());
    struct Damage {
        const char* what;
        std::string stored;
        uint16_t method;
        uint32_t crc;
        uint32_t size;
    };
    const Damage damages[] = {
        {"deflated data cut short", deflated.substr(0, deflated.size() / 2), 8, crc, size},
        {"stored data shorter than declared", data.substr(0, data.size() - 3), 0, crc, size},
        {"stored method over deflated data", deflated, 0, crc, size},
        {"size one too large, CRC to match", deflated, 8, ZipWriter::Crc(data + "x"), size + 1},
        {"size one too small", deflated, 8, crc, size - 1},
        {"wrong CRC", deflated, 8, crc ^ 1, size},
        {"method the reader cannot inflate", data, 12, crc, size},
    };
    CreateDirectoryA(Target().c_str(), nullptr);
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        WriteFileText(Target() + "\\kept.txt", "the user's file");
        DeleteFileA((Target() + "\\new.txt").c_str());
        for (const char* name : {"kept.txt", "new.txt"}) {
            reports.clear();
            ZipWriter zip;
            zip.AddFile("first.txt", "fine");
            zip.AddRawFile(name, damage.stored, damage.method, damage.crc, damage.size);
            EXPECT_EQ(0, Run(Archive(zip))) << name;
            EXPECT_EQ((std::vector<int>{0, 100}), reports);
        }
        EXPECT_EQ("the user's file", ReadFileText(Target() + "\\kept.txt"));
        EXPECT_EQ(2, CountFiles(Target())); // first.txt and kept.txt: nothing else
    }
}

TEST_F(UnzipTest, DataDescriptorsAndEncryptedEntries) {
    ZipWriter zip;
    zip.UseDataDescriptors(true);
    zip.AddFile("streamed.txt", std::string(5000, 's'));
    zip.AddFile("stored.txt", "stored", ZipWriter::Method::Stored);
    EXPECT_EQ(1, Run(Archive(zip)));
    EXPECT_EQ(std::string(5000, 's'), ReadFileText(Target() + "\\streamed.txt"));
    EXPECT_EQ("stored", ReadFileText(Target() + "\\stored.txt"));

    zip.AddFile("secret.txt", "secret", ZipWriter::Method::Stored);
    std::string bytes = zip.Finish();
    for (size_t at = bytes.find("PK"); at != std::string::npos; at = bytes.find("PK", at + 1)) {
        if (bytes.compare(at, 4, "PK\x03\x04") == 0)
            bytes[at + 6] |= 1; // the encryption flag, in both headers
        else if (bytes.compare(at, 4, "PK\x01\x02") == 0)
            bytes[at + 8] |= 1;
    }
    WriteBytesToFile(folder / "encrypted.zi", bytes);
    EXPECT_EQ(0, Run(folder / "encrypted.zi"));
    EXPECT_FALSE(FileExists(Target() + "\\secret.txt"));
}

// An archive that claims more entries than any file can hold is read as far as it goes.
TEST_F(UnzipTest, ImpossibleEntryCountFailsWithoutAborting) {
    ZipWriter zip;
    zip.AddFile("a.txt", "alpha");
    std::string bytes = zip.Finish();
    const size_t end = bytes.rfind("PK\x05\x06");
    // A 64-bit end record with its locator before the classic end record.
    auto put = [](std::string& out, uint64_t value, int size) {
        for (int i = 0; i < size; ++i)
            out.push_back(static_cast<char>(value >> (8 * i)));
    };
    const uint64_t huge = 0x7FFFFFFFFFFFFFFFull;
    uint32_t directoryOffset = 0;
    std::memcpy(&directoryOffset, &bytes[end + 16], 4);
    std::string record;
    put(record, 0x06064B50, 4);
    put(record, 44, 8);
    put(record, 45, 2);
    put(record, 45, 2);
    put(record, 0, 4);
    put(record, 0, 4);
    put(record, huge, 8);
    put(record, huge, 8);
    put(record, end - directoryOffset, 8);
    put(record, directoryOffset, 8);
    put(record, 0x07064B50, 4);
    put(record, 0, 4);
    put(record, end, 8);
    put(record, 1, 4);
    bytes.insert(end, record);
    WriteBytesToFile(folder / "count.zi", bytes);
    EXPECT_EQ(0, Run(folder / "count.zi"));
}

// A date or time that names no moment leaves the file's time as written, not 1601.
TEST_F(UnzipTest, InvalidEntryTimesKeepTheWrittenTime) {
    auto dos = [](unsigned year, unsigned month, unsigned day, unsigned hour) {
        return ((year - 1980) << 25) | (month << 21) | (day << 16) | (hour << 11);
    };
    const uint32_t times[] = {dos(2010, 0, 4, 5),  dos(2010, 13, 4, 5), dos(2010, 3, 0, 5),
                              dos(2010, 3, 4, 25), dos(2010, 2, 31, 5), dos(2010, 3, 4, 5) | 0x1F};
    ZipWriter zip;
    for (size_t i = 0; i < sizeof times / sizeof times[0]; ++i)
        zip.AddFile("file" + std::to_string(i) + ".txt", "data", ZipWriter::Method::Deflated, times[i]);
    ASSERT_EQ(1, Run(Archive(zip)));
    SYSTEMTIME now;
    GetSystemTime(&now);
    for (size_t i = 0; i < sizeof times / sizeof times[0]; ++i) {
        SCOPED_TRACE(i);
        WIN32_FILE_ATTRIBUTE_DATA data;
        ASSERT_TRUE(GetFileAttributesExA((Target() + "\\file" + std::to_string(i) + ".txt").c_str(),
                                         GetFileExInfoStandard, &data));
        SYSTEMTIME written;
        FileTimeToSystemTime(&data.ftLastWriteTime, &written);
        EXPECT_GE(written.wYear, now.wYear - 1);
    }
}

// Destinations right at the path limit: the replacement's temporary name must fit too.
TEST_F(UnzipTest, DestinationsAtThePathLimitAreExtracted) {
    const std::string name = "level1.qlx";
    std::string target = folder.Path() + "\\";
    target += std::string(MAX_PATH - 1 - 1 - name.size() - target.size(), 'd');
    ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
    const std::string destination = target + "\\" + name;
    ASSERT_EQ(static_cast<size_t>(MAX_PATH - 1), destination.size());
    ZipWriter zip;
    zip.AddFile(name, "new level");
    const std::string archive = Archive(zip);
    ASSERT_TRUE(WriteFileText(destination, "old level"));
    EXPECT_EQ(1, Unzip(archive, target, unit)); // replaced
    EXPECT_EQ("new level", ReadFileText(destination));
    ASSERT_TRUE(DeleteFileA(destination.c_str()));
    EXPECT_EQ(1, Unzip(archive, target, unit)); // written fresh
    EXPECT_EQ("new level", ReadFileText(destination));
    EXPECT_EQ(1, CountFiles(target));
}

// A temporary file a killed process left is recognisably ours and goes the next time the same
// destination is written, whether that replaces the file or writes it anew.
TEST_F(UnzipTest, LeftoverTemporaryFilesAreRemoved) {
    CreateDirectoryA(Target().c_str(), nullptr);
    const std::string destination = Target() + "\\Level_01.qlx";
    const std::string leftover = PendingFile::TemporaryPath(destination);
    EXPECT_EQ(Target() + "\\~toolbox-", leftover.substr(0, Target().size() + 10));
    EXPECT_EQ(leftover, PendingFile::TemporaryPath(Target() + "\\LEVEL_01.QLX"));
    ZipWriter zip;
    zip.AddFile("Level_01.qlx", "new");
    const std::string archive = Archive(zip);
    for (bool existing : {true, false}) {
        SCOPED_TRACE(existing);
        DeleteFileA(destination.c_str());
        if (existing)
            WriteFileText(destination, "old");
        WriteFileText(leftover, "half a level from a killed process");
        EXPECT_EQ(1, Run(archive));
        EXPECT_EQ("new", ReadFileText(destination));
        EXPECT_EQ(1, CountFiles(Target()));
    }
}

// A folder is listed once per extraction: a file that came or went since must still be
// replaced whole or written anew, and an abandoned write leaves no trace, whether the data
// goes to a temporary file or is held in memory.
TEST_F(UnzipTest, StaleFolderListingsStillReplaceWhole) {
    CreateDirectoryA(Target().c_str(), nullptr);
    const std::string path = Target() + "\\Level_01.qlx";
    FolderListings unlisted;
    EXPECT_EQ(Presence::Unknown, unlisted.Lookup(folder / "missing\\Level_01.qlx"));
    struct Case {
        const char* name;
        bool listed;
        bool thereNow;
        bool commit;
        const char* expected; // nullptr: no file
    };
    const Case cases[] = {
        {"appeared since, committed", false, true, true, "new"},
        {"appeared since, abandoned", false, true, false, "old"},
        {"gone since, committed", true, false, true, "new"},
        {"gone since, abandoned", true, false, false, nullptr},
    };
    // Without a size the data goes to a temporary file; with one it is held in memory.
    for (std::optional<uint64_t> size : {std::optional<uint64_t>(), std::optional<uint64_t>(3)})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (size ? ", held" : ""));
            DeleteFileA(path.c_str());
            if (c.listed)
                WriteFileText(path, "old");
            FolderListings listings;
            EXPECT_EQ(c.listed ? Presence::Yes : Presence::No, listings.Lookup(Target() + "\\LEVEL_01.QLX"));
            if (c.thereNow)
                WriteFileText(path, "old");
            else
                DeleteFileA(path.c_str());
            {
                PendingFile file(path, &listings, size);
                ASSERT_TRUE(file.IsOpen());
                ASSERT_TRUE(file.Write("new", 3));
                if (c.commit) {
                    EXPECT_TRUE(file.Commit());
                }
            }
            EXPECT_EQ(c.expected ? 1 : 0, CountFiles(Target()));
            if (c.expected) {
                EXPECT_EQ(c.expected, ReadFileText(path));
            }
        }
}

} // namespace
