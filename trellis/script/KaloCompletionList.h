#pragma once

#include "KaloListBox.h"

class KaloCompletionPopup;

// The suggestion list. Once it is a pop-up, its parent is no longer the editor, so its
// accepting keys and double-click are handled here instead of in messages to a parent.
// Its colours come through the reflected colour message: its owner window must be a layer
// window for the tip colours to show.
class TRELLIS_API KaloCompletionList : public KaloListBox {
public:
    explicit KaloCompletionList(KaloCompletionPopup& popup) : m_popup(popup) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static bool IsAcceptOrCancel(WPARAM key) { return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE; }

    KaloCompletionPopup& m_popup;
};
