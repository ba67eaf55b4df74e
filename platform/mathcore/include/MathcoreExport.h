#pragma once

// Classes and functions of the mathcore DLL: exported while it is built, imported by its users.
#ifdef MATHCORE_BUILD
#define MATHCORE_API __declspec(dllexport)
#else
#define MATHCORE_API __declspec(dllimport)
#endif
