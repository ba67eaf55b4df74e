#include "Unzip.h"

#include "BufferedArchiveFile.h"
#include "EntryName.h"
#include "Files.h"
#include "Handles.h"
#include "PendingFile.h"

#include <unzip.h>

#include <zlib.h>

#include <memory>
#include <new>
#include <optional>
#include <vector>

namespace toolbox {

namespace {

const uint32_t kLocalHeaderSignature = 0x04034B50;
const size_t kHeadSize = 32;
const size_t kNameOffsetWord = 24;
const size_t kCopyBufferSize = 256 * 1024;
const size_t kLongestEntryName = 0xFFFF;
const uLong kEncryptedFlag = 0x1;

struct ArchiveCloser {
    void operator()(void* archive) const { unzClose(archive); }
};
using Archive = std::unique_ptr<void, ArchiveCloser>;

int32_t LittleEndian32(const unsigned char* bytes) {
    return static_cast<int32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                (static_cast<uint32_t>(bytes[3]) << 24));
}

// The archive must begin with a local file header whose name length is not zero.
bool HasZipHead(const Text& archive) {
    FileHandle file(CreateFileA(archive.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    unsigned char head[kHeadSize];
    DWORD read = 0;
    if (!file.Valid() || !ReadFile(file.Get(), head, sizeof head, &read, nullptr) || read != sizeof head)
        return false;
    return static_cast<uint32_t>(LittleEndian32(head)) == kLocalHeaderSignature &&
           LittleEndian32(head + kNameOffsetWord) >= 1;
}

Archive OpenArchive(const Text& path) {
    zlib_filefunc64_def functions = BufferedArchiveFile::Functions();
    return Archive(unzOpen2_64(path.c_str(), &functions));
}

// What the central directory says about an entry; every file entry is checked against it.
struct EntryInfo {
    Text name;
    uLong dosDate = 0;
    uLong method = 0;
    uLong flags = 0;
    uint64_t size = 0;
};

bool CurrentEntry(void* archive, std::vector<char>& name, EntryInfo& entry) {
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(archive, &info, name.data(), static_cast<uLong>(name.size()), nullptr, 0,
                                nullptr, 0) != UNZ_OK)
        return false;
    entry.name.assign(name.data(), info.size_filename);
    entry.dosDate = info.dosDate;
    entry.method = info.compression_method;
    entry.flags = info.flag;
    entry.size = info.uncompressed_size;
    return true;
}

// Every entry, in archive order; false when the directory cannot be read. The list grows
// as entries are read: the archive's own count may be anything.
bool ReadEntries(void* archive, uint64_t count, std::vector<EntryInfo>& entries) {
    entries.clear();
    std::vector<char> name(kLongestEntryName + 1);
    for (uint64_t i = 0; i < count; ++i) {
        EntryInfo entry;
        if ((i == 0 ? unzGoToFirstFile(archive) : unzGoToNextFile(archive)) != UNZ_OK ||
            !CurrentEntry(archive, name, entry))
            return false;
        entries.push_back(std::move(entry));
    }
    return true;
}

bool AllNamesSafe(const std::vector<EntryInfo>& entries) {
    for (const EntryInfo& entry : entries)
        if (!IsSafeEntryName(entry.name))
            return false;
    return true;
}

// Stored or deflated, not encrypted: anything else would come out as raw bytes.
bool IsReadableMethod(const EntryInfo& entry) {
    return (entry.method == 0 || entry.method == Z_DEFLATED) && !(entry.flags & kEncryptedFlag);
}

// None for a date or time that names no real moment (month 13, hour 25, ...): the file then
// keeps the time it was written at.
std::optional<FILETIME> EntryTime(uLong dosDate) {
    const WORD date = HIWORD(dosDate), time = LOWORD(dosDate);
    SYSTEMTIME fields{};
    fields.wYear = static_cast<WORD>(1980 + (date >> 9));
    fields.wMonth = static_cast<WORD>((date >> 5) & 0x0F);
    fields.wDay = static_cast<WORD>(date & 0x1F);
    fields.wHour = static_cast<WORD>(time >> 11);
    fields.wMinute = static_cast<WORD>((time >> 5) & 0x3F);
    fields.wSecond = static_cast<WORD>((time & 0x1F) * 2);
    FILETIME local{};
    FILETIME universal{};
    if (fields.wSecond > 59 || !SystemTimeToFileTime(&fields, &local) ||
        !LocalFileTimeToFileTime(&local, &universal))
        return std::nullopt;
    return universal;
}

bool ExtractDirectory(Text destination) {
    while (!destination.empty() && LastPathSeparator(destination) == destination.size() - 1)
        destination.pop_back();
    // Exists as a folder, not merely as some match of a search pattern.
    return CreateFolderTree(destination);
}

// Inflates the current entry into a pending file, which is put in place only when the data
// is exactly what the directory promised: the declared size and the declared CRC. The reader
// checks the CRC itself when closing an entry whose declared size was delivered in full.
bool ExtractFile(void* archive, const Text& destination, const EntryInfo& entry, std::vector<char>& buffer,
                 FolderListings& listings) {
    if (!IsReadableMethod(entry) || unzOpenCurrentFile(archive) != UNZ_OK)
        return false;
    PendingFile file(destination, &listings, entry.size);
    bool ok = file.IsOpen();
    uint64_t total = 0;
    while (ok) {
        int read = unzReadCurrentFile(archive, buffer.data(), static_cast<unsigned>(buffer.size()));
        if (read <= 0) {
            ok = read == 0;
            break;
        }
        total += static_cast<uint64_t>(read);
        // More data than declared: stop at once instead of filling the disk.
        ok = total <= entry.size && file.Write(buffer.data(), static_cast<size_t>(read));
    }
    ok = unzCloseCurrentFile(archive) == UNZ_OK && ok && total == entry.size;
    if (!ok)
        return false;
    if (std::optional<FILETIME> time = EntryTime(entry.dosDate))
        file.SetTimes(*time);
    return file.Commit();
}

bool ExtractEntries(void* archive, const std::vector<EntryInfo>& entries, const Text& target, Element& unit) {
    std::vector<char> buffer(kCopyBufferSize);
    FolderListings listings;
    const uint64_t count = entries.size();
    for (uint64_t i = 0; i < count; ++i) {
        const EntryInfo& entry = entries[static_cast<size_t>(i)];
        if ((i == 0 ? unzGoToFirstFile(archive) : unzGoToNextFile(archive)) != UNZ_OK)
            return false;
        Text destination = EntryDestination(target, entry.name);
        bool ok = IsDirectoryEntryName(entry.name)
                      ? ExtractDirectory(destination)
                      : ExtractFile(archive, destination, entry, buffer, listings);
        if (!ok)
            return false;
        unit.SetCurrentFile(destination);
        unit.RaiseProgress(static_cast<int>(i * 100 / count));
    }
    return true;
}

// Names are all checked before anything is written: an archive that would reach outside the
// target leaves no trace at all.
bool ExtractAll(void* archive, uint64_t count, const Text& target, Element& unit) {
    try {
        std::vector<EntryInfo> entries;
        return ReadEntries(archive, count, entries) && AllNamesSafe(entries) &&
               ExtractEntries(archive, entries, target, unit);
    } catch (const std::bad_alloc&) {
        // A directory too large for memory is a failed extraction, not the end of the program.
        return false;
    }
}

} // namespace

int Unzip(const Text& archive, const Text& target, Element& unit) {
    if (archive.empty() || target.empty() || !FileExists(archive))
        return -1;
    if (!FileExists(target) && !CreateFolderTree(target))
        return 0;
    if (!HasZipHead(archive))
        return 0;
    Archive zip = OpenArchive(archive);
    unz_global_info64 info;
    if (!zip || unzGetGlobalInfo64(zip.get(), &info) != UNZ_OK)
        return 0;
    bool ok = ExtractAll(zip.get(), info.number_entry, target, unit);
    unit.RaiseProgress(100);
    return ok ? 1 : 0;
}

Text CurrentUnzipFile(const Element& unit) {
    return unit.CurrentFile();
}

} // namespace toolbox
