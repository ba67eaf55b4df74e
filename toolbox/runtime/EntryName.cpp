#include "EntryName.h"

#include "Files.h"

#include <windows.h>

#include <cstring>

namespace toolbox {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool IsForbiddenByte(char c) {
    return static_cast<unsigned char>(c) < 0x20 || (c != '\0' && std::strchr(":*?\"<>|", c) != nullptr);
}

bool IsReservedDeviceName(Text base) {
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    base = ToLowerAscii(base);
    static const char* const kDevices[] = {"con", "prn", "aux", "nul", "conin$", "conout$"};
    for (const char* device : kDevices)
        if (base == device)
            return true;
    bool numbered = base.size() == 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0);
    return numbered && base[3] >= '0' && base[3] <= '9';
}

bool IsSafeComponent(const Text& component) {
    if (component.empty() || component == ".")
        return true; // "a//b" and "./a" stay inside the target
    // "..", "...", ". ." and the like: Windows may resolve them upwards.
    if (component.find_first_not_of(". ") == Text::npos)
        return false;
    // A device name stays a device whatever extension follows it ("nul.txt").
    return !IsReservedDeviceName(component.substr(0, component.find('.')));
}

// A lead byte without a valid trail byte (81 20, or a lead byte at the end) would reach the
// file system as "?", a different name from the one checked here, and may hide a separator.
bool IsConvertible(const Text& name) {
    return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name.c_str(), static_cast<int>(name.size()),
                               nullptr, 0) > 0;
}

} // namespace

bool IsSafeEntryName(const Text& name) {
    if (name.empty() || IsSeparator(name[0]) || !IsConvertible(name))
        return false;
    Text component;
    for (size_t pos = 0; pos < name.size();) {
        bool doubleByte = IsLeadByte(name[pos]) && pos + 1 < name.size();
        if (doubleByte) {
            component.append(name, pos, 2);
            pos += 2;
            continue;
        }
        char c = name[pos++];
        if (IsForbiddenByte(c))
            return false;
        if (!IsSeparator(c)) {
            component.push_back(c);
            continue;
        }
        if (!IsSafeComponent(component))
            return false;
        component.clear();
    }
    return IsSafeComponent(component);
}

bool IsDirectoryEntryName(const Text& name) {
    return !name.empty() && LastPathSeparator(name) == name.size() - 1;
}

Text EntryDestination(const Text& target, const Text& name) {
    Text destination = target + "\\" + name;
    // "/" (0x2F) is never a trail byte, so a plain byte replacement is safe here.
    for (char& c : destination)
        if (c == '/')
            c = '\\';
    return destination;
}

} // namespace toolbox
