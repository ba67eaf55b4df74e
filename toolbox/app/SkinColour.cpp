#include "SkinColour.h"

#include "Files.h"

namespace toolbox {

namespace {

const char kSkinFile[] = "skin.ini";
// A colour reference in decimal, with room for the spaces the reader tolerates.
const size_t kSkinFileLimit = 256;

} // namespace

bool IsAllDigits(const Text& text) {
    if (text.empty())
        return false;
    for (char byte : text)
        if (byte < '0' || byte > '9')
            return false;
    return true;
}

std::optional<COLORREF> SavedSkinColour() {
    // Relative: the working directory is the program directory.
    if (!FileExists(kSkinFile))
        return std::nullopt;
    Text text = RemoveAllSpaces(ToText(ReadWholeFile(kSkinFile, kSkinFileLimit)));
    if (text == "0" || !IsAllDigits(text))
        return std::nullopt;
    return static_cast<COLORREF>(ToInteger(text));
}

void WriteSkinColour(COLORREF colour) {
    // Colour references are written as the picker's signed value.
    WriteWholeFile(ProgramDirectory() + "\\" + kSkinFile, ToBytes(ToText(static_cast<int>(colour))));
}

} // namespace toolbox
