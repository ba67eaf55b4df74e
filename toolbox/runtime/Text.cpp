#include "Text.h"

#include <climits>
#include <cstdio>

namespace toolbox {

namespace {

// Bytes taken by the character at `pos`: 2 for a lead byte with a byte after it.
size_t CharSize(const Text& text, size_t pos) {
    return IsLeadByte(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

const unsigned char kFullWidthRow = 0xA3;   // GBK row of the full-width ASCII forms
const unsigned char kSymbolRow = 0xA1;      // row holding the full-width space
const unsigned char kFullWidthSpace = 0xA1; // second byte of the full-width space

// Full-width forms (0xA3 0xA1..0xFE and the space 0xA1 0xA1) as their ASCII bytes.
Text NarrowFullWidth(const Text& text) {
    Text narrow;
    for (size_t pos = 0; pos < text.size();) {
        size_t size = CharSize(text, pos);
        unsigned char lead = static_cast<unsigned char>(text[pos]);
        unsigned char trail = size == 2 ? static_cast<unsigned char>(text[pos + 1]) : 0;
        if (size == 2 && lead == kFullWidthRow && trail >= 0xA1 && trail <= 0xFE)
            narrow.push_back(static_cast<char>(trail - 0x80));
        else if (size == 2 && lead == kSymbolRow && trail == kFullWidthSpace)
            narrow.push_back(' ');
        else
            narrow.append(text, pos, size);
        pos += size;
    }
    return narrow;
}

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

int TextLength(const Text& text) {
    return static_cast<int>(text.size());
}

Text MidText(const Text& text, int start, int count) {
    if (start < 1 || start > TextLength(text) || count <= 0)
        return Text();
    return text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count));
}

int FindLast(const Text& text, const Text& what, bool ignoreCase) {
    if (what.empty() || what.size() > text.size())
        return -1;
    const Text haystack = ignoreCase ? ToLowerAscii(text) : text;
    const Text needle = ignoreCase ? ToLowerAscii(what) : what;
    int found = -1;
    for (size_t pos = 0; pos + needle.size() <= haystack.size(); pos += CharSize(haystack, pos))
        if (haystack.compare(pos, needle.size(), needle) == 0)
            found = static_cast<int>(pos) + 1;
    return found;
}

Text ToLowerAscii(const Text& text) {
    Text lower = text;
    for (size_t pos = 0; pos < lower.size(); pos += CharSize(lower, pos))
        if (lower[pos] >= 'A' && lower[pos] <= 'Z')
            lower[pos] = static_cast<char>(lower[pos] - 'A' + 'a');
    return lower;
}

Text RemoveAllSpaces(const Text& text) {
    Text kept;
    for (size_t pos = 0; pos < text.size();) {
        size_t size = CharSize(text, pos);
        bool fullWidthSpace = size == 2 && static_cast<unsigned char>(text[pos]) == kSymbolRow &&
                              static_cast<unsigned char>(text[pos + 1]) == kFullWidthSpace;
        if (!fullWidthSpace && text[pos] != ' ')
            kept.append(text, pos, size);
        pos += size;
    }
    return kept;
}

Text ToText(int value) {
    return std::to_string(value);
}

Text ToText(double value) {
    char buffer[64];
    snprintf(buffer, sizeof buffer, "%.13g", value);
    return buffer;
}

Text ToText(const Bytes& bytes) {
    Text text(bytes.begin(), bytes.end());
    return text.substr(0, text.find('\0'));
}

Bytes ToBytes(const Text& text) {
    return Bytes(text.begin(), text.end());
}

int ToInteger(const Text& text) {
    const Text narrow = NarrowFullWidth(text.substr(0, text.find('\0')));
    size_t pos = 0;
    while (pos < narrow.size() && IsBlank(narrow[pos]))
        ++pos;
    bool negative = false;
    if (pos < narrow.size() && (narrow[pos] == '+' || narrow[pos] == '-'))
        negative = narrow[pos++] == '-';
    // Saturates like the C runtime's atoi instead of overflowing.
    long long value = 0;
    for (; pos < narrow.size() && narrow[pos] >= '0' && narrow[pos] <= '9'; ++pos)
        if (value <= INT_MAX)
            value = value * 10 + (narrow[pos] - '0');
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace toolbox
