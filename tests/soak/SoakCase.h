// One soak case: an archive extracted into a fresh game folder, with everything checked that
// a bad archive must never do.
#pragma once

#include <cstdint>
#include <string>

namespace soak {

struct CaseOutcome {
    int result = 0;
    std::string fault; // empty when the case passed
};

// Lays out `folder` (which must exist and be empty) with the game, a folder beside it and the
// archive, runs Unzip into the game and checks: the result is -1, 0 or 1; nothing beside
// the game was created or changed; every file the game had is either untouched or replaced
// whole by some entry's data; no temporary file is left. Empties `folder` again.
CaseOutcome RunCase(const std::string& archive, const std::string& folder);

// Runs cases first .. first + count - 1 in folders under `root`; counts failures and prints
// the first few faults. One summary line per call.
struct SoakSummary {
    uint32_t cases = 0;
    uint32_t failures = 0;
    uint32_t results[3] = {}; // how many gave -1, 0, 1
};
SoakSummary RunCases(uint32_t first, uint32_t count, const std::string& root);

} // namespace soak
