#include "KaloEditFilter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

bool Holds(const char* text, char c) {
    return std::strchr(text, c) != nullptr;
}

bool IsDigit(unsigned ch) {
    return ch >= '0' && ch <= '9';
}

// Control keys, space, "!" and "/" to "9": what every numeric style lets through unchanged.
bool IsNeutral(unsigned ch) {
    return ch < 34 || (ch >= 47 && ch <= 57);
}

bool AcceptsUnsigned(unsigned ch) {
    if (IsDigit(ch)) {
        return true;
    }
    if (ch >= 34 && ch <= 46) {
        return false;
    }
    return ch < 58;
}

bool MinusAllowed(const char* text, int selStart) {
    return !Holds(text, '-') && selStart == 0;
}

bool AcceptsSigned(const char* text, int selStart, unsigned ch) {
    if (ch == '-') {
        return MinusAllowed(text, selStart);
    }
    return IsNeutral(ch);
}

bool AcceptsFloat(const char* text, int selStart, int selEnd, unsigned ch) {
    switch (ch) {
    case '.': {
        const int length = static_cast<int>(std::strlen(text));
        return !Holds(text, '.') || (selStart == 0 && selEnd >= length);
    }
    case ',':
        return !Holds(text, ',');
    case '-':
        return MinusAllowed(text, selStart);
    default:
        return IsNeutral(ch);
    }
}

// A selection at the start of "-..." replaces the minus: the character is judged against the
// text as it will be once the selection is gone, so a letter cannot take the minus's place.
bool AcceptsSignedFloat(const char* text, int selStart, int selEnd, unsigned ch) {
    if (text[0] == '-' && selStart == 0) {
        if (selEnd <= selStart) {
            return false;
        }
        const int length = static_cast<int>(std::strlen(text));
        const int end = std::min(selEnd, length);
        char rest[KaloEditFloatTextSize];
        std::snprintf(rest, sizeof rest, "%s", text + end);
        return AcceptsFloat(rest, 0, 0, ch);
    }
    return AcceptsFloat(text, selStart, selEnd, ch);
}

} // namespace

bool KaloEditAcceptsChar(int style, const char* text, int selStart, int selEnd, unsigned ch) {
    const char* safe = text ? text : "";
    switch (style) {
    case KaloEditUnsigned:
        return AcceptsUnsigned(ch);
    case KaloEditSigned:
        return AcceptsSigned(safe, selStart, ch);
    case KaloEditFloat:
        return AcceptsFloat(safe, selStart, selEnd, ch);
    case KaloEditSignedFloat:
        return AcceptsSignedFloat(safe, selStart, selEnd, ch);
    default:
        return true;
    }
}

char* KaloEditFloatFormat(int width, int decimals, char* out, size_t size) {
    if (size == 0) {
        return out;
    }
    char widthText[16] = "";
    char decimalsText[16] = "";
    if (width != -1) {
        std::snprintf(widthText, sizeof widthText, "%d", std::clamp(width, 0, KaloEditMaxFloatWidth));
    }
    if (decimals != -1) {
        std::snprintf(decimalsText, sizeof decimalsText, "%d",
                      std::clamp(decimals, 0, KaloEditMaxFloatDecimals));
    }
    const char* point = (width != -1 || decimals != -1) ? "." : "";
    std::snprintf(out, size, "%%%s%s%sf", widthText, point, decimalsText);
    return out;
}

bool KaloEditParseInt(const char* text, int* value) {
    int parsed = 0;
    if (!text || std::sscanf(text, "%d", &parsed) != 1) {
        return false;
    }
    *value = parsed;
    return true;
}

bool KaloEditParseFloat(const char* text, float* value) {
    float parsed = 0.0f;
    if (!text || std::sscanf(text, "%f", &parsed) != 1) {
        return false;
    }
    *value = parsed;
    return true;
}
