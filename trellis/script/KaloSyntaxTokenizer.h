#pragma once

#include "KaloSyntaxTables.h"

#include <vector>

// A stretch of one line in a colour of its own, in positions within the line (a double-byte
// character is one position), end excluded.
struct KaloColourRun {
    long Start = 0;
    long End = 0;
    COLORREF Color = 0;

    bool operator==(const KaloColourRun& other) const {
        return Start == other.Start && End == other.End && Color == other.Color;
    }
};

// Colours one line: `text` is its `bytes` bytes (with its line break, if any). Words are
// maximal runs of word characters, coloured when the keyword table has them with exact case;
// at a separator that may start a scope, the first scope whose start matches colours the rest
// of the line. A double-byte character is one character, classed by its lead byte, so its
// trail byte never ends a word or starts a scope. `runs` is replaced, in line order.
TRELLIS_API void KaloColourLine(const char* text, long bytes, const KaloSyntaxTables& tables,
                                std::vector<KaloColourRun>& runs);
