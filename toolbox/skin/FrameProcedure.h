// The window procedure of an attached window: paints from the frame cache and forwards every
// message it does not consume to the procedure the window had before.
#pragma once

#include <windows.h>

// Installs the frame procedure unless the window is already subclassed by the engine.
void SubclassWithFrameProcedure(HWND window);

LRESULT CALLBACK SkinFrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
