// The archive reader's access to the archive file, read through two 64 KB windows. The
// reader takes the directory and the entry headers a byte at a time, and each of those
// reads was a system call of its own: a few hundred per entry, more than writing a small
// entry costs. One window follows the directory and one the entry data, so walking the
// directory while extracting does not evict the data being read.
#pragma once

#include "Handles.h"

#include <unzip.h>

#include <cstdint>
#include <vector>

namespace toolbox {

class BufferedArchiveFile {
public:
    // Read-only access to a file named by an ANSI path, for unzOpen2_64.
    static zlib_filefunc64_def Functions();

    BufferedArchiveFile(FileHandle file, uint64_t size);

    // Copies up to `size` bytes from the current position; fewer at the end of the file or
    // after a failed read.
    unsigned long Read(void* buffer, unsigned long size);
    // false for a position before the start.
    bool Seek(int64_t offset, int origin);
    uint64_t Position() const { return position_; }
    bool Failed() const { return failed_; }

private:
    struct Window {
        uint64_t start = 0;
        size_t length = 0;
        uint64_t lastUse = 0;
        std::vector<unsigned char> bytes;
    };

    size_t ReadAt(uint64_t offset, void* buffer, size_t size);
    Window* WindowAt(uint64_t offset);
    Window& Refill(uint64_t offset);

    FileHandle file_;
    uint64_t size_;
    uint64_t position_ = 0;
    uint64_t uses_ = 0;
    bool failed_ = false;
    Window windows_[2];
};

} // namespace toolbox
