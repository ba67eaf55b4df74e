#include "PendingFile.h"

#include "Files.h"

#include <cstdio>

namespace toolbox {

namespace {

const int kNameAttempts = 16;

// A short name beside the destination, unique in this process and unlikely elsewhere.
Text TemporaryName(const Text& folder) {
    static unsigned counter = 0;
    char name[64];
    snprintf(name, sizeof name, "~tbx%lx-%x.tmp", GetCurrentProcessId(), ++counter);
    return folder.empty() ? Text(name) : folder + "\\" + name;
}

} // namespace

PendingFile::PendingFile(const Text& destination) : destination_(destination) {
    size_t separator = LastPathSeparator(destination);
    Text folder = separator == Text::npos ? Text() : destination.substr(0, separator);
    for (int attempt = 0; attempt < kNameAttempts && !file_.Valid(); ++attempt) {
        temporary_ = TemporaryName(folder);
        file_.Reset(CreateFileA(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!file_.Valid() && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
}

PendingFile::~PendingFile() {
    if (committed_ || !file_.Valid())
        return;
    file_.Reset();
    DeleteFileA(temporary_.c_str());
}

bool PendingFile::Write(const char* data, size_t size) {
    DWORD written = 0;
    return WriteFile(file_.Get(), data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

bool PendingFile::SetTimes(const FILETIME& time) {
    return SetFileTime(file_.Get(), &time, &time, &time) != FALSE;
}

bool PendingFile::Commit() {
    file_.Reset();
    BOOL moved = MoveFileExA(temporary_.c_str(), destination_.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (!moved && GetLastError() == ERROR_ACCESS_DENIED) {
        // A read-only destination is replaced too.
        SetFileAttributesA(destination_.c_str(), FILE_ATTRIBUTE_NORMAL);
        moved = MoveFileExA(temporary_.c_str(), destination_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    if (!moved) {
        DeleteFileA(temporary_.c_str());
        return false;
    }
    committed_ = true;
    SetFileAttributesA(destination_.c_str(), FILE_ATTRIBUTE_NORMAL);
    return true;
}

} // namespace toolbox
