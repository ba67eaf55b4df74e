// The saved skin colour: "skin.ini" in the program directory, whose whole content is the
// decimal text of one colour reference, with no line end. It exists only once the user
// has picked a colour.
#pragma once

#include "Text.h"

#include <windows.h>

#include <optional>

namespace toolbox {

// True for a non-empty text of ASCII digits only; each byte is judged by itself, so a
// double-byte character never counts as a digit.
bool IsAllDigits(const Text& text);
// The colour "skin.ini" holds once its spaces are removed; nothing when the file is
// missing, holds "0" (black was saved, which the skin then leaves at its default) or
// anything but digits.
std::optional<COLORREF> SavedSkinColour();
// Writes the colour's decimal text to "skin.ini"; a failure is ignored.
void WriteSkinColour(COLORREF colour);

} // namespace toolbox
