// Checks and maps the names of archive entries. Names are GBK byte strings: a trail byte
// may equal "\" or "|", so every scan steps over double-byte characters as units.
#pragma once

#include "Text.h"

namespace toolbox {

// False for any name that could lead outside the target folder or onto a device: empty
// names, ".." (or any all-dots) components, rooted and UNC names, drive letters and every
// other ":", reserved device names (CON, NUL, COM1 ...), control characters, wildcards and
// invalid double-byte pairs.
bool IsSafeEntryName(const Text& name);
// True when the name ends in a separator, the mark of a directory entry.
bool IsDirectoryEntryName(const Text& name);
// target + "\" + name with every "/" turned into "\".
Text EntryDestination(const Text& target, const Text& name);

} // namespace toolbox
