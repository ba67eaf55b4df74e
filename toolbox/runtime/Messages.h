// Message boxes of the toolbox.
#pragma once

#include "Text.h"

namespace toolbox {

// Style values of MessageBoxA used by the toolbox.
const unsigned kMessagePlain = 0;
const unsigned kMessageError = 16;
const unsigned kMessageInformation = 64;

// MessageBoxA without owner; caption "信息：" unless one is given; task-modal unless the
// style asks for system-modal. Returns the pressed button's code.
int ShowMessage(const Text& text, unsigned style = kMessagePlain);
int ShowMessage(const Text& text, unsigned style, const Text& caption);

} // namespace toolbox
