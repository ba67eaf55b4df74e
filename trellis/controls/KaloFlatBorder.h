#pragma once

#include "TrellisExport.h"

#include <afxwin.h>

// The flat two-line border of the list controls in place of the sunken client edge: an outer
// one-pixel frame in the border colour and an inner one in the back colour, on dc (null: the
// window's own window context). Returns whether the window has the client edge (and so was framed).
TRELLIS_API bool KaloDrawFlatBorder(CWnd& wnd, CDC* dc, COLORREF border, COLORREF back);
