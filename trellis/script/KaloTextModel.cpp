#include "KaloTextModel.h"

#include <array>
#include <initializer_list>

bool KaloIsLeadByte(char c) {
    static const std::array<bool, 256> lead = [] {
        std::array<bool, 256> table{};
        for (int b = 0; b < 256; ++b)
            table[static_cast<size_t>(b)] = IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
        return table;
    }();
    return lead[static_cast<unsigned char>(c)];
}

long KaloTextPositions(const char* text, long bytes) {
    long positions = 0;
    for (long i = 0; i < bytes; ++i, ++positions) {
        if (KaloIsLeadByte(text[i]) && i + 1 < bytes)
            ++i;
    }
    return positions;
}

long KaloTextByteOffset(const char* text, long bytes, long position) {
    long i = 0;
    for (long p = 0; p < position && i < bytes; ++p) {
        i += (KaloIsLeadByte(text[i]) && i + 1 < bytes) ? 2 : 1;
    }
    return i;
}

void KaloDefaultSeparators(unsigned char* table) {
    for (int c = 0; c < 256; ++c) {
        const bool word = c >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '_';
        table[c] = word ? 0 : 255;
    }
    for (unsigned char c : {'(', ')', '[', ']'})
        table[c] = 1;
}
