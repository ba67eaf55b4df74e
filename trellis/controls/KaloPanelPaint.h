#pragma once

#include <afxwin.h>

// The look shared by the framed panels (tool bar, left bar, static rectangle): the area
// filled with the back colour and framed one pixel wide in the border colour.
void KaloPaintFramedPanel(CDC* dc, const RECT& area, COLORREF back, COLORREF border);

// Runs draw on the context a WM_PRINTCLIENT message carries.
template <typename Draw> LRESULT KaloPrintClient(WPARAM dc, Draw&& draw) {
    CDC wrapper;
    wrapper.Attach(reinterpret_cast<HDC>(dc));
    draw(&wrapper);
    wrapper.Detach();
    return 0;
}
