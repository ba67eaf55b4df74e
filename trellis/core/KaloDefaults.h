#pragma once

#include "TrellisExport.h"

#include <afxwin.h>

// The library-wide default colours, brushes and fonts, kept apart from the theme tables.
// The default brushes start as the library's own; a host may hand in brushes of its own,
// which the library never deletes.
TRELLIS_API void KaloCtlSetDefaultTextColor(COLORREF color);
TRELLIS_API COLORREF KaloCtlGetDefaultTextColor();
TRELLIS_API void KaloCtlSetDefaultBorderColor(COLORREF color);
TRELLIS_API COLORREF KaloCtlGetDefaultBorderColor();
// Stores the colour and makes the default brush a solid brush of it. The library's own brush
// is rebuilt in place (pointers to it stay valid); a host's brush is left alone and the
// library's own brush becomes the default again.
TRELLIS_API void KaloCtlSetDefaultBackColor(COLORREF color);
TRELLIS_API COLORREF KaloCtlGetDefaultBackColor();
// The same for the default edit brush.
TRELLIS_API void KaloCtlSetDefaultEditColor(COLORREF color);
TRELLIS_API COLORREF KaloCtlGetDefaultEditColor();

TRELLIS_API void KaloCtlSetDefaultBrush(CBrush* brush);
TRELLIS_API CBrush* KaloCtlGetDefaultBrush();
TRELLIS_API void KaloCtlSetDefaultEditBrush(CBrush* brush);
TRELLIS_API CBrush* KaloCtlGetDefaultEditBrush();
TRELLIS_API void KaloCtlSetDefaultFont(CFont* font);
TRELLIS_API CFont* KaloCtlGetDefaultFont();
TRELLIS_API void KaloCtlSetDefaultBoldFont(CFont* font);
TRELLIS_API CFont* KaloCtlGetDefaultBoldFont();
