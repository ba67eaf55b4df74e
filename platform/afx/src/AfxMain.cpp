// WinMain for programs written on the layer; lives in the small static library afxmain
// because a DLL cannot supply a program's entry point.
#include <afxwin.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    return AfxWinMain(instance, previous, commandLine, show);
}
