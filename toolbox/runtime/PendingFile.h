// A file being extracted: written to a temporary file in the destination's folder and
// moved over the destination only when complete, so a failing entry (corrupt data, full
// disk, locked target) never destroys or truncates the file already there.
#pragma once

#include "Handles.h"
#include "Text.h"

namespace toolbox {

class PendingFile {
public:
    // Creates the temporary file; the destination's folder must exist.
    explicit PendingFile(const Text& destination);
    // Deletes the temporary file unless it was committed.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool IsOpen() const { return file_.Valid(); }
    bool Write(const char* data, size_t size);
    // Creation, access and modification times.
    bool SetTimes(const FILETIME& time);
    // Replaces the destination (made writable first) and leaves it with normal attributes.
    bool Commit();

private:
    Text destination_;
    Text temporary_;
    FileHandle file_;
    bool committed_ = false;
};

} // namespace toolbox
