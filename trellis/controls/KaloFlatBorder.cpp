#include "KaloFlatBorder.h"

bool KaloDrawFlatBorder(CWnd& wnd, CDC* dc, COLORREF border, COLORREF back) {
    if ((wnd.GetExStyle() & WS_EX_CLIENTEDGE) == 0) {
        return false;
    }
    CRect frame;
    wnd.GetWindowRect(&frame);
    frame.OffsetRect(-frame.left, -frame.top);
    CDC* target = dc ? dc : wnd.GetWindowDC();
    if (!target) {
        return true;
    }
    CBrush outer(border);
    CBrush inner(back);
    target->FrameRect(&frame, &outer);
    frame.DeflateRect(1, 1);
    target->FrameRect(&frame, &inner);
    if (!dc) {
        wnd.ReleaseDC(target);
    }
    return true;
}
