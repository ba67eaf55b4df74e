// Text services of the toolbox. A text is a byte string in the ANSI code page (GBK);
// lengths and positions count bytes and positions are 1-based.
#pragma once

#include <string>
#include <vector>

namespace toolbox {

using Text = std::string;
using Bytes = std::vector<char>;

// True for a GBK lead byte; the byte after it belongs to the same character.
inline bool IsLeadByte(char byte) {
    unsigned char value = static_cast<unsigned char>(byte);
    return value >= 0x81 && value <= 0xFE;
}

int TextLength(const Text& text);
// At most `count` bytes from the 1-based position `start`; empty when start lies outside.
Text MidText(const Text& text, int start, int count);
// 1-based position of the last occurrence, -1 when none. Double-byte characters are single
// steps, so a match never starts on a trail byte. The case folding touches ASCII only.
int FindLast(const Text& text, const Text& what, bool ignoreCase);
Text ToLowerAscii(const Text& text);
// Removes ASCII spaces and the full-width space (0xA1 0xA1).
Text RemoveAllSpaces(const Text& text);

Text ToText(int value);
Text ToText(double value);       // "%.13g"
Text ToText(const Bytes& bytes); // up to the first NUL
Bytes ToBytes(const Text& text);

// Full-width characters become their ASCII forms, then the text is read like atoi.
int ToInteger(const Text& text);

} // namespace toolbox
