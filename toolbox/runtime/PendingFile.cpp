#include "PendingFile.h"

#include "Files.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace toolbox {

namespace {

const char kTemporaryPrefix[] = "~toolbox-";
const char kShortPrefix[] = "~tb";
const char kTemporaryExtension[] = ".tmp";
// Replacements up to this size are held in memory and written in one call.
const size_t kLargestHeld = 1024 * 1024;

// Names differing in ASCII case are one file, so they share one temporary name.
uint32_t NameHash(const Text& name) {
    uint32_t hash = 2166136261u;
    for (char byte : ToLowerAscii(name)) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    return hash;
}

std::wstring Widen(const Text& text) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), size, &wide[0], length);
    return wide;
}

// Characters a file name in `folder` (given with its trailing separator, or empty for the
// working directory) may have before its full path reaches the path limit. Counted in
// UTF-16 units, as the system counts them, not in bytes.
int NameRoom(const Text& folder) {
    std::wstring wide = Widen(folder.empty() ? Text(".\\") : folder);
    DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return 0;
    return MAX_PATH - static_cast<int>(needed); // needed counts the NUL
}

// The rename request for SetFileInformationByHandle: the header with the wide name after it,
// zero-terminated by the header's own name slot.
std::vector<char> RenameRequest(const Text& destination) {
    std::wstring wide = Widen(destination);
    std::vector<char> request(sizeof(FILE_RENAME_INFO) + wide.size() * sizeof(WCHAR));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(request.data());
    info->ReplaceIfExists = TRUE;
    info->FileNameLength = static_cast<DWORD>(wide.size() * sizeof(WCHAR));
    wide.copy(info->FileName, wide.size());
    return request;
}

// Attributes and times in one call; a zero time leaves that time as it is.
bool SetBasicInfo(HANDLE file, const FILETIME& time) {
    LARGE_INTEGER stamp;
    stamp.LowPart = time.dwLowDateTime;
    stamp.HighPart = static_cast<LONG>(time.dwHighDateTime);
    FILE_BASIC_INFO basic{};
    basic.CreationTime = basic.LastAccessTime = basic.LastWriteTime = stamp;
    basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) != FALSE;
}

bool RenameOpenFile(HANDLE file, std::vector<char>& request) {
    return SetFileInformationByHandle(file, FileRenameInfo, request.data(),
                                      static_cast<DWORD>(request.size())) != FALSE;
}

bool SetSize(HANDLE file, LONGLONG size) {
    FILE_END_OF_FILE_INFO end;
    end.EndOfFile.QuadPart = size;
    return SetFileInformationByHandle(file, FileEndOfFileInfo, &end, sizeof end) != FALSE;
}

// Opened without truncating; `created` says whether it was not there before.
HANDLE OpenOver(const Text& path, bool& created) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    created = file != INVALID_HANDLE_VALUE && GetLastError() != ERROR_ALREADY_EXISTS;
    return file;
}

// A read-only destination is replaced too: an attempt refused for that is made once more
// after the destination was made writable.
template <typename Attempt> bool EvenIfReadOnly(const Text& destination, Attempt attempt) {
    if (attempt())
        return true;
    if (GetLastError() != ERROR_ACCESS_DENIED)
        return false;
    SetFileAttributesA(destination.c_str(), FILE_ATTRIBUTE_NORMAL);
    return attempt();
}

HANDLE CreateForWriting(const Text& path, DWORD disposition) {
    // DELETE access lets Commit rename the file through this handle.
    return CreateFileA(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

} // namespace

Text PendingFile::TemporaryPath(const Text& destination) {
    size_t separator = LastPathSeparator(destination);
    Text folder = separator == Text::npos ? Text() : destination.substr(0, separator + 1);
    char hash[9];
    snprintf(hash, sizeof hash, "%08x", static_cast<unsigned>(NameHash(destination.substr(folder.size()))));
    Text name = kTemporaryPrefix + Text(hash) + kTemporaryExtension;
    const int room = NameRoom(folder);
    if (static_cast<int>(name.size()) > room) {
        // A destination that exists has a name at least one character long, so its
        // replacement always finds room here.
        name = (kShortPrefix + Text(hash)).substr(0, room > 0 ? static_cast<size_t>(room) : 0);
    }
    return name.empty() ? Text() : folder + name;
}

PendingFile::PendingFile(const Text& destination, FolderListings* listings, std::optional<uint64_t> size)
    : destination_(destination), listings_(listings) {
    // A destination that exists is never opened for writing before its data is complete:
    // known to be there, a small one is held in memory and a larger one goes to the temporary
    // file at once; otherwise it is created anew, and where that fails (it is there after
    // all) the temporary file is used.
    const Presence there = listings ? listings->Lookup(destination) : Presence::Unknown;
    if (there == Presence::Yes && size && *size <= kLargestHeld) {
        held_ = true;
        data_.reserve(static_cast<size_t>(*size));
    } else if (there == Presence::Yes || !OpenInPlace()) {
        OpenBeside();
    }
}

bool PendingFile::OpenInPlace() {
    file_.Reset(CreateForWriting(destination_, CREATE_NEW));
    if (!file_.Valid())
        return false;
    RemoveLeftover();
    return true;
}

bool PendingFile::OpenBeside() {
    temporary_ = TemporaryPath(destination_);
    // Always created anew: a leftover of the same name is overwritten.
    if (!temporary_.empty())
        file_.Reset(CreateForWriting(temporary_, CREATE_ALWAYS));
    return file_.Valid();
}

// A temporary file of a replacement that a killed process never finished: the destination is
// written without it now, so it is only removed.
void PendingFile::RemoveLeftover() const {
    Text leftover = TemporaryPath(destination_);
    if (!leftover.empty() && (!listings_ || listings_->Lookup(leftover) != Presence::No))
        DeleteFileA(leftover.c_str());
}

PendingFile::~PendingFile() {
    if (committed_ || !file_.Valid())
        return;
    file_.Reset();
    DeleteFileA(temporary_.empty() ? destination_.c_str() : temporary_.c_str());
}

bool PendingFile::Write(const char* data, size_t size) {
    if (held_) {
        if (size > kLargestHeld - data_.size())
            return false;
        data_.insert(data_.end(), data, data + size);
        return true;
    }
    DWORD written = 0;
    return WriteFile(file_.Get(), data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

bool PendingFile::Commit() {
    if (committed_ || !(held_ ? WriteOver() : PutInPlace()))
        return false;
    committed_ = true;
    file_.Reset();
    return true;
}

// The held data over the destination. The file is grown to the new size before anything in
// it is overwritten, so a full disk fails while the old content is still whole; a destination
// gone since it was listed is created, and removed again if the write fails.
bool PendingFile::WriteOver() {
    bool created = false;
    FileHandle file;
    if (!EvenIfReadOnly(destination_, [&] {
            file.Reset(OpenOver(destination_, created));
            return file.Valid();
        }))
        return false;
    const LONGLONG size = static_cast<LONGLONG>(data_.size());
    LARGE_INTEGER old;
    DWORD written = 0;
    const bool ok = GetFileSizeEx(file.Get(), &old) && (size <= old.QuadPart || SetSize(file.Get(), size)) &&
                    WriteFile(file.Get(), data_.data(), static_cast<DWORD>(size), &written, nullptr) &&
                    written == data_.size() && (size >= old.QuadPart || SetSize(file.Get(), size)) &&
                    SetBasicInfo(file.Get(), time_);
    file.Reset();
    if (ok)
        RemoveLeftover();
    else if (created)
        DeleteFileA(destination_.c_str());
    return ok;
}

bool PendingFile::PutInPlace() {
    // Attributes, times and name are changed through the open handle: under Wine every call
    // by path costs an extra open and lookup, which dominated the time per small entry.
    if (!file_.Valid() || !SetBasicInfo(file_.Get(), time_))
        return false;
    if (temporary_.empty())
        return true;
    std::vector<char> request = RenameRequest(destination_);
    return EvenIfReadOnly(destination_, [&] { return RenameOpenFile(file_.Get(), request); });
}

} // namespace toolbox
