#include "Messages.h"

#include <windows.h>

namespace toolbox {

int ShowMessage(const Text& text, unsigned style) {
    return ShowMessage(text, style, "信息：");
}

int ShowMessage(const Text& text, unsigned style, const Text& caption) {
    if (!(style & MB_SYSTEMMODAL))
        style |= MB_TASKMODAL;
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

} // namespace toolbox
