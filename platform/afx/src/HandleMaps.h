// The process-wide handle maps, one per wrapped handle kind.
#pragma once

#include "HandleMap.h"

#include <afxwin.h>

HandleMap<CGdiObject, HGDIOBJ>& GdiHandleMap();
HandleMap<CDC, HDC>& DcHandleMap();
HandleMap<CWnd, HWND>& WndHandleMap();
