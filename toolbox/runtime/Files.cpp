#include "Files.h"

#include "Handles.h"
#include "PendingFile.h"

#include <cstdint>
#include <vector>

namespace toolbox {

namespace {

const DWORD kLongestPath = 32768;
const size_t kCopyBufferSize = 256 * 1024;

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

} // namespace

size_t LastPathSeparator(const Text& path) {
    size_t last = Text::npos;
    for (size_t pos = 0; pos < path.size(); pos += IsLeadByte(path[pos]) ? 2 : 1)
        if (IsSeparator(path[pos]))
            last = pos;
    return last;
}

Text ProgramDirectory() {
    for (DWORD size = MAX_PATH; size <= kLongestPath; size *= 2) {
        Text path(size, '\0');
        DWORD length = GetModuleFileNameA(nullptr, &path[0], size);
        if (length == 0)
            return Text();
        // A path that fills the buffer was cut short (the call does not always say so).
        if (length < size) {
            path.resize(length);
            size_t separator = LastPathSeparator(path);
            return separator == Text::npos ? Text() : path.substr(0, separator);
        }
    }
    return Text();
}

bool FileExists(const Text& path) {
    WIN32_FIND_DATAA data;
    FindHandle find(FindFirstFileA(path.c_str(), &data));
    return find.Valid();
}

bool IsDirectory(const Text& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Bytes ReadWholeFile(const Text& path, size_t limit) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || static_cast<uint64_t>(size.QuadPart) > limit)
        return Bytes();
    Bytes bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return Bytes();
    bytes.resize(read);
    return bytes;
}

bool WriteWholeFile(const Text& path, const Bytes& bytes) {
    if (path.empty())
        return false;
    FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return false;
    DWORD written = 0;
    return bytes.empty() ||
           (WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size());
}

bool CopyFileOver(const Text& source, const Text& target) {
    DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    FileHandle in(CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    FILETIME written;
    if (!in.Valid() || !GetFileTime(in.Get(), nullptr, nullptr, &written))
        return false;
    // Copied beside the target and swapped in whole: a copy that fails midway leaves the
    // old file as it was.
    PendingFile out(target);
    if (!out.IsOpen())
        return false;
    std::vector<char> buffer(kCopyBufferSize);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(in.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr))
            return false;
        if (read == 0) {
            out.SetTimes(written);
            return out.Commit();
        }
        if (!out.Write(buffer.data(), read))
            return false;
    }
}

bool RemoveFile(const Text& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

bool RemoveFolderTree(const Text& path) {
    WIN32_FIND_DATAA data;
    FindHandle find(FindFirstFileA((path + "\\*").c_str(), &data));
    if (find.Valid()) {
        do {
            const Text name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            const Text child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            // A linked folder is removed as a link: what it points to is not ours.
            const DWORD folder = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
            if ((data.dwFileAttributes & folder) == FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolderTree(child);
            else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveDirectoryA(child.c_str());
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(find.Get(), &data));
    }
    find.Reset();
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return RemoveDirectoryA(path.c_str()) != FALSE;
}

bool CreateFolderTree(const Text& path) {
    if (path.empty())
        return false;
    if (IsDirectory(path))
        return true;
    size_t separator = LastPathSeparator(path);
    if (separator != Text::npos && separator > 0) {
        Text parent = path.substr(0, separator);
        // "C:" and the separators of a UNC prefix are no folders to create.
        bool isRoot = parent.size() == 2 && parent[1] == ':';
        if (!isRoot && !IsSeparator(parent.back()))
            CreateFolderTree(parent);
    }
    CreateDirectoryA(path.c_str(), nullptr);
    return IsDirectory(path);
}

} // namespace toolbox
