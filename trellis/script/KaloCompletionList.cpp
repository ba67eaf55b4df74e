#include "KaloCompletionList.h"

#include "KaloCompletionPopup.h"

LRESULT KaloCompletionList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (IsAcceptOrCancel(wParam)) {
            m_popup.OnListKey(wParam);
            return 0;
        }
        break;
    case WM_CHAR:
        // The characters of the keys above: already handled, and no beep.
        if (IsAcceptOrCancel(wParam))
            return 0;
        break;
    case WM_KILLFOCUS:
        m_popup.OnListFocusLost(reinterpret_cast<HWND>(wParam));
        break;
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = KaloListBox::WindowProc(message, wParam, lParam);
        m_popup.Validate();
        return result;
    }
    default:
        break;
    }
    return KaloListBox::WindowProc(message, wParam, lParam);
}
