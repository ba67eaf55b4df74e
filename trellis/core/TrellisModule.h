#pragma once

#include <windows.h>

// The library's own module handle (its resources live there).
HINSTANCE TrellisInstance();
// Puts the library's resources on the resource chain of the calling module, once per module.
void TrellisRegisterResources();
