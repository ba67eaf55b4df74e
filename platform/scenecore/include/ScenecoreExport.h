#pragma once

// Classes of the scenecore DLL: exported while it is built, imported by its users.
#ifdef SCENECORE_BUILD
#define SCENECORE_API __declspec(dllexport)
#else
#define SCENECORE_API __declspec(dllimport)
#endif
