// The archives the soak feeds to Unzip: a few real-looking packages and deterministic
// mutations of their headers and data.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace soak {

// The game folder every case starts from: relative path → contents ("" for a folder, whose
// path ends in "\"). Packages replace some of these files.
const std::map<std::string, std::string>& GameLayout();
// Every data any seed entry carries: an existing file may only ever end up with one of them
// (or keep its own).
const std::set<std::string>& EntryContents();
// Stored and deflated entries, directory entries, double-byte names, data descriptors and
// hostile names, each in a package of its own.
const std::vector<std::string>& SeedArchives();
// Case `index` of the soak: one seed archive with one or more mutations, always the same
// bytes for the same index.
std::string MutatedArchive(uint32_t index);

} // namespace soak
