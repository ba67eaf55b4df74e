// Process-wide services of the layer.
#pragma once

#include "afx/AfxApi.h"

#include <stddef.h>

// Deletes the wrappers that FromHandle made for handles without a permanent owner. The
// message pump calls it when idle; code outside a pump may call it at a safe point.
AFX_API void AfxDeleteTempMaps();
// Number of temporary wrappers alive, for leak checks.
AFX_API size_t AfxTempMapCount();

// The module whose resources are searched first, and the search along the resource chain.
AFX_API HINSTANCE AfxGetInstanceHandle();
AFX_API HINSTANCE AfxGetResourceHandle();
AFX_API void AfxSetResourceHandle(HINSTANCE module);
AFX_API HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type);

// Registers (once) and names a window class with the layer's default procedure; the name
// stays valid for the life of the process.
AFX_API LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                   HICON icon = nullptr);

// Registers (once) the common-control classes the layer's wrappers and dialog templates
// use: list and tree views, trackbar, up-down, progress, tooltips, rebar and the rest. Window
// creation calls it, so a host need not be a CWinApp.
AFX_API void AfxEnsureCommonControls();

// Loads the rich edit 2.0 control library (once); FALSE when it is missing.
AFX_API BOOL AfxInitRichEdit2();
