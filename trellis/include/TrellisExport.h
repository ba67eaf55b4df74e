#pragma once

// Classes, functions and data (the ZC_* colour indices among them) of Trellis.dll: exported
// while the library is built, imported by hosts.
#ifdef TRELLIS_BUILD
#define TRELLIS_API __declspec(dllexport)
#else
#define TRELLIS_API __declspec(dllimport)
#endif
