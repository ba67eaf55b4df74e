// Export and import of the layer's classes, functions and data: one copy of every map and
// chain lives in afxcore.dll, shared by the control library and every host.
#pragma once

#include <windows.h>

#ifdef AFXCORE_BUILD
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif
