#pragma once

#include "KaloControl.h"
#include "KaloHoverTracker.h"
#include "TrellisExport.h"

#include <afxwin.h>

// A themed radio button, painted entirely by the control: round (a sunken ring with a dot),
// square (a box with a cross, flag bit 0x1) or push-like with BS_PUSHLIKE. The system's own
// drawing of a change never shows. Flags: bit 0x1 square style, bit 0x4 mouse over.
class TRELLIS_API KaloRadioButton : public CButton, public KaloControl {
public:
    static const DWORD kSquareStyle = 0x1;

    KaloRadioButton() = default;

    void SetRadioStyle(int square);
    int GetRadioStyle() const { return (m_flags & kSquareStyle) ? 1 : 0; }
    // Paints the whole button into dc (the paint handler and WM_PRINTCLIENT use it).
    void Paint(HDC dc);
    void OnPaint();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    int m_lastPushed = 0;
    KaloHoverTracker m_hover;
};
