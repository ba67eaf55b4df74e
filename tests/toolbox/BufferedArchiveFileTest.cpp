// The archive reader's buffered file: any mix of seeks and reads, across and beyond its
// windows, returns exactly the file's bytes.
#include "BufferedArchiveFile.h"
#include "TestFolder.h"
#include "ZipWriter.h"

#include <gtest/gtest.h>

#include <string>

using namespace toolbox;

namespace {

TEST(BufferedArchiveFileTest, SeeksAndReadsReturnTheFilesBytes) {
    TestFolder folder;
    const std::string path = folder / "archive.zi";
    std::string bytes(300 * 1024, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 131) >> 7);
    ASSERT_TRUE(WriteBytesToFile(path, bytes));

    zlib_filefunc64_def functions = BufferedArchiveFile::Functions();
    EXPECT_EQ(nullptr,
              functions.zopen64_file(nullptr, (folder / "missing.zi").c_str(), ZLIB_FILEFUNC_MODE_READ));
    EXPECT_EQ(nullptr, functions.zopen64_file(nullptr, path.c_str(), ZLIB_FILEFUNC_MODE_CREATE | 2));
    voidpf stream = functions.zopen64_file(nullptr, path.c_str(), ZLIB_FILEFUNC_MODE_READ);
    ASSERT_NE(nullptr, stream);

    const uint64_t size = bytes.size();
    struct Step {
        int64_t offset;
        int origin;
        size_t length;
        uint64_t expectedStart; // where the bytes read must come from
        size_t expectedLength;
    };
    const Step steps[] = {
        {0, ZLIB_FILEFUNC_SEEK_SET, 4, 0, 4},                          // the head
        {-22, ZLIB_FILEFUNC_SEEK_END, 22, size - 22, 22},              // the directory's end
        {65530, ZLIB_FILEFUNC_SEEK_SET, 12, 65530, 12},                // across a window's end
        {-100, ZLIB_FILEFUNC_SEEK_CUR, 1, 65442, 1},                   // back into the window
        {100, ZLIB_FILEFUNC_SEEK_SET, 200000, 100, 200000},            // bulk, larger than a window
        {-10, ZLIB_FILEFUNC_SEEK_END, 100, size - 10, 10},             // cut at the end
        {5, ZLIB_FILEFUNC_SEEK_END, 10, size + 5, 0},                  // past the end
        {131072, ZLIB_FILEFUNC_SEEK_SET, 65536 + 3, 131072, 65536 + 3} // window-sized and more
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.expectedStart);
        ASSERT_EQ(0,
                  functions.zseek64_file(nullptr, stream, static_cast<ZPOS64_T>(step.offset), step.origin));
        std::string read(step.length, '\0');
        ASSERT_EQ(step.expectedLength,
                  functions.zread_file(nullptr, stream, &read[0], static_cast<uLong>(step.length)));
        EXPECT_EQ(bytes.substr(step.expectedStart < size ? step.expectedStart : size, step.expectedLength),
                  read.substr(0, step.expectedLength));
        EXPECT_EQ(step.expectedStart + step.expectedLength, functions.ztell64_file(nullptr, stream));
    }
    EXPECT_NE(0, functions.zseek64_file(nullptr, stream, static_cast<ZPOS64_T>(-1), ZLIB_FILEFUNC_SEEK_SET));
    EXPECT_EQ(0, functions.zerror_file(nullptr, stream));
    EXPECT_EQ(0, functions.zclose_file(nullptr, stream));
}

} // namespace
