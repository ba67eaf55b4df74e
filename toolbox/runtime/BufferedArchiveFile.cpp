#include "BufferedArchiveFile.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace toolbox {

namespace {

const size_t kWindowSize = 64 * 1024;

BufferedArchiveFile& Stream(voidpf stream) {
    return *static_cast<BufferedArchiveFile*>(stream);
}

// The reader is C: nothing may throw through it, so a failed allocation is a failed open.
voidpf ZCALLBACK CallbackOpen(voidpf, const void* name, int mode) {
    if (!name || (mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    FileHandle file(CreateFileA(static_cast<const char*>(name), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size))
        return nullptr;
    try {
        return new BufferedArchiveFile(std::move(file), static_cast<uint64_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

uLong ZCALLBACK CallbackRead(voidpf, voidpf stream, void* buffer, uLong size) {
    return Stream(stream).Read(buffer, size);
}

uLong ZCALLBACK CallbackWrite(voidpf, voidpf, const void*, uLong) {
    return 0;
}

ZPOS64_T ZCALLBACK CallbackTell(voidpf, voidpf stream) {
    return Stream(stream).Position();
}

long ZCALLBACK CallbackSeek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    return Stream(stream).Seek(static_cast<int64_t>(offset), origin) ? 0 : -1;
}

int ZCALLBACK CallbackClose(voidpf, voidpf stream) {
    delete &Stream(stream);
    return 0;
}

int ZCALLBACK CallbackError(voidpf, voidpf stream) {
    return Stream(stream).Failed() ? 1 : 0;
}

} // namespace

zlib_filefunc64_def BufferedArchiveFile::Functions() {
    zlib_filefunc64_def functions{};
    functions.zopen64_file = CallbackOpen;
    functions.zread_file = CallbackRead;
    functions.zwrite_file = CallbackWrite;
    functions.ztell64_file = CallbackTell;
    functions.zseek64_file = CallbackSeek;
    functions.zclose_file = CallbackClose;
    functions.zerror_file = CallbackError;
    return functions;
}

BufferedArchiveFile::BufferedArchiveFile(FileHandle file, uint64_t size)
    : file_(std::move(file)), size_(size) {
    for (Window& window : windows_)
        window.bytes.resize(kWindowSize);
}

unsigned long BufferedArchiveFile::Read(void* buffer, unsigned long size) {
    auto* out = static_cast<unsigned char*>(buffer);
    unsigned long done = 0;
    while (done < size && position_ < size_) {
        const size_t wanted = size - done;
        Window* window = WindowAt(position_);
        if (!window && wanted >= kWindowSize) {
            // Bulk data goes straight to the caller: copying it through a window gains nothing.
            const size_t read = ReadAt(position_, out + done, wanted);
            if (read == 0)
                break;
            done += static_cast<unsigned long>(read);
            position_ += read;
            continue;
        }
        if (!window && (window = &Refill(position_))->length == 0)
            break;
        const size_t offset = static_cast<size_t>(position_ - window->start);
        const size_t count = std::min(wanted, window->length - offset);
        memcpy(out + done, window->bytes.data() + offset, count);
        window->lastUse = ++uses_;
        done += static_cast<unsigned long>(count);
        position_ += count;
    }
    return done;
}

bool BufferedArchiveFile::Seek(int64_t offset, int origin) {
    int64_t base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        base = static_cast<int64_t>(position_);
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        base = static_cast<int64_t>(size_);
    else if (origin != ZLIB_FILEFUNC_SEEK_SET)
        return false;
    const int64_t target = base + offset;
    if (target < 0)
        return false;
    position_ = static_cast<uint64_t>(target);
    return true;
}

BufferedArchiveFile::Window* BufferedArchiveFile::WindowAt(uint64_t offset) {
    for (Window& window : windows_)
        if (offset >= window.start && offset - window.start < window.length)
            return &window;
    return nullptr;
}

BufferedArchiveFile::Window& BufferedArchiveFile::Refill(uint64_t offset) {
    Window& window = windows_[0].lastUse <= windows_[1].lastUse ? windows_[0] : windows_[1];
    window.start = offset;
    window.length = ReadAt(offset, window.bytes.data(), window.bytes.size());
    return window;
}

// One call per read: the offset travels with the request instead of in a separate seek.
size_t BufferedArchiveFile::ReadAt(uint64_t offset, void* buffer, size_t size) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD read = 0;
    const DWORD request = static_cast<DWORD>(std::min<size_t>(size, 0x40000000));
    if (!ReadFile(file_.Get(), buffer, request, &read, &at)) {
        failed_ = GetLastError() != ERROR_HANDLE_EOF;
        return 0;
    }
    return read;
}

} // namespace toolbox
