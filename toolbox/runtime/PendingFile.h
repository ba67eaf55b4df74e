// A file being extracted or copied. A destination that does not exist yet is written in
// place and deleted again unless committed: there is nothing to protect. An existing one is
// only ever replaced whole, so a failing entry (corrupt data, full disk, locked target)
// never destroys or truncates the file already there:
// - When its new size is known and at most 1 MB, the data is held in memory until complete
//   and then written over the destination in one write call, after the file has been grown
//   to the new size (on a full disk, that fails first). This skips the swap, which costs
//   more than the whole write of a small file on some systems.
// - Otherwise the data goes to a temporary file beside it, which is moved over the
//   destination once complete.
//
// The temporary file's name is derived from the destination ("~toolbox-XXXXXXXX.tmp", cut
// shorter when the path would exceed the path limit), so one left behind by a killed
// process is overwritten and removed the next time the same destination is written.
#pragma once

#include "FolderListings.h"
#include "Handles.h"
#include "Text.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace toolbox {

class PendingFile {
public:
    // Opens the destination or its temporary file; the destination's folder must exist.
    // With listings, whether the destination or a leftover is there is looked up in them
    // instead of asked of the file system for this one file. `size`, when known, is what
    // will be written.
    explicit PendingFile(const Text& destination, FolderListings* listings = nullptr,
                         std::optional<uint64_t> size = std::nullopt);
    // Removes whatever an uncommitted file left: the temporary file, or the new destination.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool IsOpen() const { return file_.Valid() || held_; }
    bool Write(const char* data, size_t size);
    // Creation, access and modification times, set by Commit.
    void SetTimes(const FILETIME& time) { time_ = time; }
    // Puts the data in place (replacing a destination made writable first) and leaves the
    // file with normal attributes and the times given.
    bool Commit();

    // The temporary name used for a destination that exists; empty when none fits.
    static Text TemporaryPath(const Text& destination);

private:
    bool OpenInPlace();
    bool OpenBeside();
    void RemoveLeftover() const;
    bool WriteOver();
    bool PutInPlace();

    Text destination_;
    FolderListings* listings_;
    Text temporary_; // empty while writing in place
    FileHandle file_;
    FILETIME time_{}; // zero: the times stay as written
    bool committed_ = false;
    bool held_ = false; // the data waits in `data_` for Commit to write it over the destination
    std::vector<char> data_;
};

} // namespace toolbox
