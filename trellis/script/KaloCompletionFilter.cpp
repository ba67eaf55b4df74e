#include "KaloCompletionFilter.h"

bool KaloCompletionFilter::RouteToCompletion(UINT message, WPARAM key, const KaloKeyState& keys) {
    if (message == WM_KEYDOWN)
        return m_popup.OnKeyDown(key);
    return message == WM_CHAR && m_popup.OnChar(key, keys.ctrl && !keys.alt);
}
