#include "Unzip.h"

#include "EntryName.h"
#include "Files.h"
#include "Handles.h"
#include "PendingFile.h"

// unzip.h first: iowin32.h relies on the macros it brings.
#include <unzip.h>
#include <iowin32.h>

#include <memory>
#include <vector>

namespace toolbox {

namespace {

const uint32_t kLocalHeaderSignature = 0x04034B50;
const size_t kHeadSize = 32;
const size_t kNameOffsetWord = 24;
const size_t kCopyBufferSize = 256 * 1024;
const size_t kLongestEntryName = 0xFFFF;

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
    zlib_filefunc64_def functions;
    fill_win32_filefunc64A(&functions);
    return Archive(unzOpen2_64(path.c_str(), &functions));
}

struct EntryInfo {
    Text name;
    uLong dosDate = 0;
};

bool CurrentEntry(void* archive, std::vector<char>& name, EntryInfo& entry) {
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(archive, &info, name.data(), static_cast<uLong>(name.size()), nullptr, 0,
                                nullptr, 0) != UNZ_OK)
        return false;
    entry.name.assign(name.data(), info.size_filename);
    entry.dosDate = info.dosDate;
    return true;
}

// Every entry name, in archive order; false when the directory cannot be read.
bool ReadEntryNames(void* archive, uint64_t count, std::vector<EntryInfo>& entries) {
    entries.clear();
    entries.reserve(static_cast<size_t>(count));
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

FILETIME EntryTime(uLong dosDate) {
    FILETIME local{};
    FILETIME universal{};
    DosDateTimeToFileTime(HIWORD(dosDate), LOWORD(dosDate), &local);
    LocalFileTimeToFileTime(&local, &universal);
    return universal;
}

bool ExtractDirectory(Text destination) {
    while (!destination.empty() && LastPathSeparator(destination) == destination.size() - 1)
        destination.pop_back();
    return FileExists(destination) || CreateFolderTree(destination);
}

// Inflates the current entry into a pending file and puts it in place once its CRC checked out.
bool ExtractFile(void* archive, const Text& destination, uLong dosDate, std::vector<char>& buffer) {
    if (unzOpenCurrentFile(archive) != UNZ_OK)
        return false;
    PendingFile file(destination);
    bool ok = file.IsOpen();
    while (ok) {
        int read = unzReadCurrentFile(archive, buffer.data(), static_cast<unsigned>(buffer.size()));
        if (read <= 0) {
            ok = read == 0;
            break;
        }
        ok = file.Write(buffer.data(), static_cast<size_t>(read));
    }
    // Closing reports a CRC mismatch once all data has been read.
    ok = unzCloseCurrentFile(archive) == UNZ_OK && ok;
    return ok && file.SetTimes(EntryTime(dosDate)) && file.Commit();
}

bool ExtractEntries(void* archive, const std::vector<EntryInfo>& entries, const Text& target, Element& unit) {
    std::vector<char> buffer(kCopyBufferSize);
    const uint64_t count = entries.size();
    for (uint64_t i = 0; i < count; ++i) {
        const EntryInfo& entry = entries[static_cast<size_t>(i)];
        if ((i == 0 ? unzGoToFirstFile(archive) : unzGoToNextFile(archive)) != UNZ_OK)
            return false;
        Text destination = EntryDestination(target, entry.name);
        bool ok = IsDirectoryEntryName(entry.name) ? ExtractDirectory(destination)
                                                   : ExtractFile(archive, destination, entry.dosDate, buffer);
        if (!ok)
            return false;
        unit.SetCurrentFile(destination);
        unit.RaiseProgress(static_cast<int>(i * 100 / count));
    }
    return true;
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
    std::vector<EntryInfo> entries;
    // Names are all checked before anything is written: an archive that would reach
    // outside the target leaves no trace at all.
    bool ok = ReadEntryNames(zip.get(), info.number_entry, entries) && AllNamesSafe(entries) &&
              ExtractEntries(zip.get(), entries, target, unit);
    unit.RaiseProgress(100);
    return ok ? 1 : 0;
}

Text CurrentUnzipFile(const Element& unit) {
    return unit.CurrentFile();
}

} // namespace toolbox
