#pragma once

#include "KaloCheckPainter.h"
#include "KaloControl.h"
#include "KaloHoverTracker.h"
#include "TrellisExport.h"

#include <afxwin.h>

// A themed check box, painted entirely by the control: a square box with a cross (or two
// caller-supplied bitmaps), or a push-like block with BS_PUSHLIKE. The system's own drawing
// of a change never shows: it runs with drawing switched off. Flags: bit 0x4 mouse over.
class TRELLIS_API KaloCheckButton : public CButton, public KaloControl {
public:
    KaloCheckButton() = default;
    ~KaloCheckButton() override;

    // Bitmaps for the checked and unchecked box; a width or height of 0 means 11. Bitmaps
    // owned from an earlier call are deleted unless stored again.
    void SetBitmaps(CBitmap* checked, CBitmap* unchecked, int owns, int width, int height);
    void DrawItem(LPDRAWITEMSTRUCT item) override;
    // Paints the whole button into dc (the paint handler and WM_PRINTCLIENT use it).
    void Paint(HDC dc);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ReleaseOwned(const CBitmap* keepChecked, const CBitmap* keepUnchecked);

    CBitmap* m_checked = nullptr;
    CBitmap* m_unchecked = nullptr;
    int m_owns = 0;
    int m_boxWidth = 0;
    int m_boxHeight = 0;
    KaloHoverTracker m_hover;
};

// What a check or radio button shows, read from its window and flags.
TRELLIS_API KaloCheckLook KaloCheckLookOf(CButton& button, DWORD flags, KaloCheckLook::Shape shape);
// The messages whose system drawing a themed check or radio button hides.
TRELLIS_API bool KaloCheckRedrawsOn(UINT message);
