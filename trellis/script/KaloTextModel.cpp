#include "KaloTextModel.h"

#include <initializer_list>

long KaloTextPositions(const char* text, long bytes) {
    long positions = 0;
    for (long i = 0; i < bytes; ++i, ++positions) {
        if (IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < bytes)
            ++i;
    }
    return positions;
}

long KaloTextByteOffset(const char* text, long bytes, long position) {
    long i = 0;
    for (long p = 0; p < position && i < bytes; ++p) {
        i += (IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < bytes) ? 2 : 1;
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
