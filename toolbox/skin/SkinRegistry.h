// The process-wide list of attached windows, in attach order. A window's 1-based position is
// kept in its registry-index property and renumbered whenever a record is removed.
#pragma once

#include "SkinRecords.h"

class SkinRegistry {
public:
    // The record named by the window's registry-index property; null when that is out of range.
    SkinWindowRecord* RecordOf(HWND window);
    const SkinWindowRecord* RecordOf(HWND window) const;
    // 1-based position of the first record of this window, 0 when not registered.
    int Find(HWND window) const;
    // Appends the record and stores its position in the window's registry-index property.
    void Add(SkinWindowRecord record);
    // Removes the window's record and renumbers the windows after it. False when not registered.
    bool Remove(HWND window);

    int Count() const { return static_cast<int>(records_.size()); }
    std::vector<SkinWindowRecord>& Records() { return records_; }

private:
    std::vector<SkinWindowRecord> records_;
};
