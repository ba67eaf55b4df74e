#include "KaloCompletionFilter.h"

bool KaloCompletionFilter::RouteToCompletion(UINT message, WPARAM key, const KaloKeyState& keys) {
    if (message == WM_KEYDOWN)
        return m_popup.OnKeyDown(key);
    // Shift+Tab is the block unindent, never a completion.
    if (key == VK_TAB && keys.shift)
        return false;
    return message == WM_CHAR && m_popup.OnChar(key, keys.ctrl && !keys.alt);
}
