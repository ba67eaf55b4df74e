// A stand-in "GdiPlus.dll" placed in the program folder, as a content package could do. It
// exports GdiplusStartup so that a loader which picked it up would bind without noticing.
#include <windows.h>

extern "C" __declspec(dllexport) int __stdcall GdiplusStartup(ULONG_PTR*, const void*, void*) {
    return 0;
}
