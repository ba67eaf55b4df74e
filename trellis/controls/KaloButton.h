#pragma once

#include "KaloControl.h"
#include "KaloHoverTracker.h"
#include "TrellisExport.h"

#include <afxwin.h>

// The six looks of a push button, in the order of the colour getters.
enum KaloButtonLook {
    KALO_LOOK_PUSH,
    KALO_LOOK_PUSHROLLOVER,
    KALO_LOOK_DISABLED,
    KALO_LOOK_FOCUS,
    KALO_LOOK_ROLLOVER,
    KALO_LOOK_NORMAL,
    KALO_LOOK_COUNT
};

// The ZC_* variables a button family reads its colours from, one per look and role. The
// variables themselves are read at call time, so a host that re-points one recolours the
// buttons at their next repaint.
struct KaloButtonPalette {
    int* text[KALO_LOOK_COUNT];
    int* back[KALO_LOOK_COUNT];
    int* border[KALO_LOOK_COUNT];
};

struct KaloButtonColors {
    COLORREF text;
    COLORREF back;
    COLORREF border;
};

// An owner-drawn push button: a rounded face whose colours follow its state, hover tracked
// by the control itself. Flags: bit 0x4 mouse over, bits 0x1-0x2 the check state last set.
// Its parent gets BN_CLICKED and the other notifications as from any system button.
class TRELLIS_API KaloButton : public CButton, public KaloControl {
public:
    static const DWORD kMouseOver = 0x4;
    static const DWORD kCheckMask = 0x3;

    KaloButton();

    void DrawItem(LPDRAWITEMSTRUCT item) override;

    virtual COLORREF GetPushTextColor();
    virtual COLORREF GetPushBackColor();
    virtual COLORREF GetPushBorderColor();
    virtual COLORREF GetPushRollOverTextColor();
    virtual COLORREF GetPushRollOverBackColor();
    virtual COLORREF GetPushRollOverBorderColor();
    virtual COLORREF GetDisabledTextColor();
    virtual COLORREF GetDisabledBackColor();
    virtual COLORREF GetDisabledBorderColor();
    virtual COLORREF GetFocusTextColor();
    virtual COLORREF GetFocusBackColor();
    virtual COLORREF GetFocusBorderColor();
    virtual COLORREF GetRollOverTextColor();
    virtual COLORREF GetRollOverBackColor();
    virtual COLORREF GetRollOverBorderColor();
    virtual COLORREF GetNormalTextColor();
    virtual COLORREF GetNormalBackColor();
    virtual COLORREF GetNormalBorderColor();

    // The look for a state: `systemState` is the button's BM_GETSTATE answer.
    KaloButtonLook LookFor(BOOL enabled, UINT systemState) const;
    // The colours of a look, through the getters above.
    KaloButtonColors ColorsOf(KaloButtonLook look);

protected:
    // A family passes its own palette and corner brush.
    KaloButton(const KaloButtonPalette& palette, CBrush* cornerBrush);

    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AdoptParentBackColor();

    const KaloButtonPalette& m_palette;
    KaloHoverTracker m_hover;
};
