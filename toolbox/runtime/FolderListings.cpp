#include "FolderListings.h"

#include "Files.h"

#include <windows.h>

namespace toolbox {

Presence FolderListings::Lookup(const Text& path) {
    const size_t separator = LastPathSeparator(path);
    if (separator == Text::npos)
        return Presence::Unknown;
    const Text folder = ToLowerAscii(path.substr(0, separator + 1));
    auto found = folders_.find(folder);
    if (found == folders_.end())
        found = folders_.emplace(folder, List(folder)).first;
    if (!found->second)
        return Presence::Unknown;
    return found->second->count(ToLowerAscii(path.substr(separator + 1))) ? Presence::Yes : Presence::No;
}

std::optional<FolderListings::Names> FolderListings::List(const Text& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return std::nullopt;
    Names names;
    do
        names.insert(ToLowerAscii(data.cFileName));
    while (FindNextFileA(find, &data));
    const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(find);
    if (!complete)
        return std::nullopt;
    return names;
}

} // namespace toolbox
