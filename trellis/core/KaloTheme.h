#pragma once

#include "KaloColorIndexList.h"
#include "KaloInterfaceData.h"
#include "TrellisExport.h"

#include <afxwin.h>

// The colour-index variables: indices into the colour table, read by controls when they are
// built or painted. A host may point one at a colour of its own.
#define KALO_DECLARE_COLOR_INDEX(name, index) extern TRELLIS_API int name;
KALO_COLOR_INDEX_LIST(KALO_DECLARE_COLOR_INDEX)
#undef KALO_DECLARE_COLOR_INDEX

// Library start-up for the host: registers the library's resources with it and builds the
// theme (fonts, brushes, "quillon.ini" from the host's folder). Only the first call acts.
TRELLIS_API void InitKaloControls();
// For a library of the host's that creates controls: registers the library's resources with
// the calling module (once per module) and nothing else.
TRELLIS_API void InitKaloControlsForDll();

TRELLIS_API KaloInterfaceData* GetKaloInterfaceData();

TRELLIS_API COLORREF GetKaloColor(int index);
TRELLIS_API COLORREF SetKaloColor(int index, COLORREF color);
TRELLIS_API int RegisterKaloColor(COLORREF color);

// Null while the brush table is empty (before InitKaloControls).
TRELLIS_API CBrush* GetKaloBrush(int index);
TRELLIS_API CBrush* GetKaloBrush(COLORREF color);
TRELLIS_API COLORREF SetKaloBrush(int index, COLORREF color);
TRELLIS_API int RegisterKaloBrush(COLORREF color);

TRELLIS_API int RegisterKaloFont(int height, int width, int escapement, int orientation, int weight,
                                 BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                                 BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const char* faceName);
// Outside the table: the default font (null before InitKaloControls).
TRELLIS_API CFont* GetKaloFont(int index);

// Reads a settings file of the "quillon.ini" form into the theme. FALSE when it cannot be
// opened (nothing changes then).
TRELLIS_API BOOL LoadKaloSettings(const char* path);

// 1 Win32s, 2 Windows 95, 4 its successors, 8 NT 4 or older, 16 later NT; 0 when unknown.
TRELLIS_API int DetectWindowVersion();
TRELLIS_API int GetWindowVersion();
