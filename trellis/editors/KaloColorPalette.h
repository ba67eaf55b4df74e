#pragma once

#include "TrellisExport.h"

#include <windows.h>

#include <string>

// The 39 custom colours of the palette colour dialog and their file: one line per swatch,
// "red green blue" in decimal and a line break.
class TRELLIS_API KaloColorPalette {
public:
    static const int Count = 39;

    // The default palette: five shades each of red, green and blue, grey to black, yellow,
    // cyan and magenta, then three light tints.
    KaloColorPalette();

    COLORREF Get(int index) const { return m_colors[index]; }
    void Set(int index, COLORREF color) { m_colors[index] = color; }
    bool operator==(const KaloColorPalette& other) const;
    bool operator!=(const KaloColorPalette& other) const { return !(*this == other); }

    // Reads the file over the defaults: line i gives swatch i; each value keeps its low byte
    // (300 becomes 44); lines missing at the end leave their swatches black; a line without
    // three numbers keeps that swatch's default; lines beyond the 39th are ignored. FALSE,
    // with the palette untouched, when the file cannot be opened.
    BOOL Load(const char* path);
    // Writes the whole file beside the old one first and swaps it in, so a failed save leaves
    // the old file as it was. FALSE when anything failed.
    BOOL Save(const char* path) const;
    // The file's text.
    std::string Format() const;

    // "scriptColors.txt" in the folder of the host process's executable.
    static std::string DefaultPath();

private:
    COLORREF m_colors[Count];
};
