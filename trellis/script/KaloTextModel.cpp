#include "KaloTextModel.h"

#include <array>
#include <cstring>
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

long KaloCharacterBytes(const char* text, long at, long bytes) {
    return KaloIsLeadByte(text[at]) && at + 1 < bytes ? 2 : 1;
}

long KaloTextModel::FindBackward(const char* text, long from) const {
    const long length = text ? static_cast<long>(std::strlen(text)) : 0;
    if (length == 0 || from < 0)
        return -1;
    CoreString head;
    ReadRange(0, from + KaloTextPositions(text, length), head);
    const char* bytes = head.CStr();
    const long size = static_cast<long>(head.Length());
    // Walked forward by characters, so a trail byte never starts a match.
    long found = -1;
    long position = 0;
    for (long i = 0; i < size && position <= from; ++position) {
        if (i + length <= size && std::memcmp(bytes + i, text, static_cast<size_t>(length)) == 0)
            found = position;
        i += KaloCharacterBytes(bytes, i, size);
    }
    return found;
}

long KaloTextPositions(const char* text, long bytes) {
    long positions = 0;
    for (long i = 0; i < bytes; i += KaloCharacterBytes(text, i, bytes))
        ++positions;
    return positions;
}

std::vector<long> KaloCharacterStarts(const char* text, long bytes) {
    std::vector<long> starts;
    for (long i = 0; i < bytes; i += KaloCharacterBytes(text, i, bytes))
        starts.push_back(i);
    return starts;
}

long KaloTextByteOffset(const char* text, long bytes, long position) {
    long i = 0;
    for (long p = 0; p < position && i < bytes; ++p)
        i += KaloCharacterBytes(text, i, bytes);
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
