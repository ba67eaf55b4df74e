#include "PendingFile.h"

#include "Files.h"

#include <cstdio>
#include <vector>

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

// The rename request for SetFileInformationByHandle: the header with the wide name after it,
// zero-terminated by the header's own name slot.
std::vector<char> RenameRequest(const Text& destination) {
    const int size = static_cast<int>(destination.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, destination.c_str(), size, nullptr, 0);
    std::vector<char> request(sizeof(FILE_RENAME_INFO) + static_cast<size_t>(length) * sizeof(WCHAR));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(request.data());
    info->ReplaceIfExists = TRUE;
    info->FileNameLength = static_cast<DWORD>(length * sizeof(WCHAR));
    MultiByteToWideChar(CP_ACP, 0, destination.c_str(), size, info->FileName, length);
    return request;
}

bool SetNormalAttributes(HANDLE file) {
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) != FALSE;
}

bool RenameOpenFile(HANDLE file, std::vector<char>& request) {
    return SetFileInformationByHandle(file, FileRenameInfo, request.data(),
                                      static_cast<DWORD>(request.size())) != FALSE;
}

} // namespace

PendingFile::PendingFile(const Text& destination) : destination_(destination) {
    size_t separator = LastPathSeparator(destination);
    Text folder = separator == Text::npos ? Text() : destination.substr(0, separator);
    for (int attempt = 0; attempt < kNameAttempts && !file_.Valid(); ++attempt) {
        temporary_ = TemporaryName(folder);
        // DELETE access lets Commit rename the file through this handle.
        file_.Reset(CreateFileA(temporary_.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
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
    // Attributes and name are changed through the open handle: under Wine every call by path
    // costs an extra open and lookup, which dominated the time per small entry.
    std::vector<char> request = RenameRequest(destination_);
    if (!SetNormalAttributes(file_.Get()))
        return false;
    bool moved = RenameOpenFile(file_.Get(), request);
    if (!moved && GetLastError() == ERROR_ACCESS_DENIED) {
        // A read-only destination is replaced too.
        SetFileAttributesA(destination_.c_str(), FILE_ATTRIBUTE_NORMAL);
        moved = RenameOpenFile(file_.Get(), request);
    }
    if (!moved)
        return false;
    committed_ = true;
    file_.Reset();
    return true;
}

} // namespace toolbox
