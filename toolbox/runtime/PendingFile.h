// A file being extracted or copied. A destination that does not exist yet is written in
// place and deleted again unless committed: there is nothing to protect. An existing one is
// only ever replaced whole: the data goes to a temporary file beside it, which is moved over
// the destination once complete, so a failing entry (corrupt data, full disk, locked
// target) never destroys or truncates the file already there.
//
// The temporary file's name is derived from the destination ("~toolbox-XXXXXXXX.tmp", cut
// shorter when the path would exceed the path limit), so one left behind by a killed
// process is overwritten and removed the next time the same destination is written.
#pragma once

#include "Handles.h"
#include "Text.h"

namespace toolbox {

class PendingFile {
public:
    // Opens the destination or its temporary file; the destination's folder must exist.
    explicit PendingFile(const Text& destination);
    // Removes whatever an uncommitted file left: the temporary file, or the new destination.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool IsOpen() const { return file_.Valid(); }
    bool Write(const char* data, size_t size);
    // Creation, access and modification times.
    bool SetTimes(const FILETIME& time);
    // Puts the data in place (replacing a destination made writable first) and leaves the
    // file with normal attributes.
    bool Commit();

    // The temporary name used for a destination that exists; empty when none fits.
    static Text TemporaryPath(const Text& destination);

private:
    bool OpenInPlace();
    bool OpenBeside();
    void RemoveLeftover() const;

    Text destination_;
    Text temporary_; // empty while writing in place
    FileHandle file_;
    bool committed_ = false;
};

} // namespace toolbox
