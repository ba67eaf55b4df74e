#pragma once

#include "TrellisExport.h"

#include <cstddef>

// Typed-input rules and value formatting of KaloEdit, kept apart from the window so they can
// be checked without one.

// Edit styles (the low four bits of the edit's flags word); any other value is free text.
enum KaloEditStyle {
    KaloEditUnsigned = 1,
    KaloEditSigned = 2,
    KaloEditFloat = 4,
    KaloEditSignedFloat = 8, // a leading minus is protected from being typed in front of
};

// Whether the character `ch`, typed into `text` with the selection [selStart, selEnd), may
// reach the control under `style`.
TRELLIS_API bool KaloEditAcceptsChar(int style, const char* text, int selStart, int selEnd, unsigned ch);

// Builds the printf format of a float edit: "%", the width unless -1, "." when either is not -1,
// the decimals unless -1, "f". Width and decimals are clamped so that any float formatted with
// the result fits KaloEditFloatTextSize bytes. Returns `out`.
TRELLIS_API char* KaloEditFloatFormat(int width, int decimals, char* out, size_t size);

// Large enough for FLT_MAX with the most decimals and the widest width the format allows.
constexpr size_t KaloEditFloatTextSize = 128;
constexpr int KaloEditMaxFloatWidth = 64;
constexpr int KaloEditMaxFloatDecimals = 24;

// Parses `text` as the edit does ("%d" / "%f"); false leaves `value` untouched.
TRELLIS_API bool KaloEditParseInt(const char* text, int* value);
TRELLIS_API bool KaloEditParseFloat(const char* text, float* value);
