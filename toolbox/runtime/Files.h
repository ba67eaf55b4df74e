// File services. Paths are ANSI texts, absolute or relative to the working directory.
#pragma once

#include "Text.h"

namespace toolbox {

// Folder of the program file without a trailing "\" ("C:" in a drive's root); empty when
// the module path cannot be had whole.
Text ProgramDirectory();

// True when FindFirstFileA finds a match: files and folders both count, wildcards work.
bool FileExists(const Text& path);
bool IsDirectory(const Text& path);
// The whole file; empty when it cannot be read or holds more than `limit` bytes, which
// callers set to what their format can hold, so a huge file is as good as a missing one.
Bytes ReadWholeFile(const Text& path, size_t limit);
// Creates or truncates the file (no sharing while open) and writes the bytes.
bool WriteWholeFile(const Text& path, const Bytes& bytes);
// Replaces an existing target whole, or leaves it untouched on failure; a missing target
// folder or a read-only target fails.
bool CopyFileOver(const Text& source, const Text& target);
bool RemoveFile(const Text& path);
// Deletes the folder with everything in it (read-only files too); true when it is gone.
bool RemoveFolderTree(const Text& path);
// Creates the folder and every missing parent; true when it exists afterwards.
bool CreateFolderTree(const Text& path);
// Byte position of the last "\" or "/" that is not the trail byte of a double-byte
// character; Text::npos when there is none.
size_t LastPathSeparator(const Text& path);

} // namespace toolbox
