#pragma once

#include "TrellisExport.h"

#include <windows.h>

// How a check or radio button looks at one moment.
struct KaloCheckLook {
    enum Shape { PushLike, Square, Round };
    Shape shape = Square;
    int check = 0;        // 0 clear, 1 checked, 2 indeterminate
    bool active = false;  // pushed, focused or under the mouse
    bool focused = false; // draws the focus rectangle round the caption
    bool enabled = true;
    SIZE box{11, 11};
    HBITMAP boxBitmap = nullptr; // drawn instead of the square box when set
};

// Paints a whole check or radio button: the client filled with `back`, the box (or the
// push-like block) and the caption in `font`. Colours of the box come from the theme's
// fixed entries: 0 black, 4 and 6 greys, 7 light grey, 9 white.
TRELLIS_API void KaloPaintCheck(HDC dc, const RECT& client, const char* caption, HFONT font, COLORREF text,
                                COLORREF back, const KaloCheckLook& look);
// The box's rectangle inside the client area.
TRELLIS_API RECT KaloCheckBoxRect(const RECT& client, SIZE box);
// Where the caption is drawn: from 5 pixels right of the box to the client's right edge.
TRELLIS_API RECT KaloCheckCaptionRect(const RECT& client, SIZE box);
