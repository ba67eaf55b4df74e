// The names each folder held when a file in it was first asked about, listed once: an
// extraction writing thousands of files then asks the file system once per folder, not once
// per file, whether a destination or a leftover temporary file is there. Files written
// since are not in a listing, so an answer is a hint that callers stay safe without.
#pragma once

#include "Text.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace toolbox {

enum class Presence { Yes, No, Unknown };

class FolderListings {
public:
    // Whether the file or folder at `path` was in its folder's listing; Unknown when the
    // folder could not be listed. Names compare ignoring ASCII case.
    Presence Lookup(const Text& path);

private:
    using Names = std::unordered_set<Text>;
    static std::optional<Names> List(const Text& folder);

    std::unordered_map<Text, std::optional<Names>> folders_;
};

} // namespace toolbox
