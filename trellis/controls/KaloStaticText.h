#pragma once

#include "KaloControl.h"

// A static text in the theme's font and colours, drawn with an end ellipsis; centred or
// right-aligned as the static's style says, on one line unless plain left-aligned.
class TRELLIS_API KaloStaticText : public CStatic, public KaloControl {
public:
    void Draw(CDC* dc);

    // A new text is set with redraw off (while visible), then repainted once by Draw, so the
    // system's own text drawing never shows.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The system's format flags for a static style.
    static UINT TextFormat(DWORD style);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnPrintClient(WPARAM dc, LPARAM flags);

    DECLARE_MESSAGE_MAP()
};
