// The engine's named window properties. Every value is pointer-sized; a property that was
// never set reads as 0.
#pragma once

#include <windows.h>

namespace skinprop {
inline constexpr char WndProc[] = "Velour_WndProc";
inline constexpr char BannerHeight[] = "Zirko_BannerHeight";
inline constexpr char StatusHeight[] = "Zirko_StatusHeight";
inline constexpr char MaximizeBox[] = "Zirko_MaximizeBox";
inline constexpr char Maximize[] = "Zirko_Maximize";
inline constexpr char Minimized[] = "Zirko_bMinimize";
inline constexpr char SizeBox[] = "Zirko_bSizeBox";
inline constexpr char MinWidth[] = "Zirko_MinWidth";
inline constexpr char MinHeight[] = "Zirko_MinHeight";
inline constexpr char RegistryIndex[] = "Zirko_DUIIndex";
inline constexpr char CacheWidth[] = "Zirko_nWidth";
inline constexpr char CacheHeight[] = "Zirko_nHeight";
inline constexpr char CacheDC[] = "ZirkoCacheDC";
inline constexpr char BackDC[] = "ZirkoBackDC";
inline constexpr char CacheBitmap[] = "ZirkoCacheBitmap";
inline constexpr char CacheOldBitmap[] = "ZirkoCacheOldBitmap";
inline constexpr char BackBitmap[] = "ZirkoBackBitmap";
inline constexpr char BackOldBitmap[] = "ZirkoBackOldBitmap";
inline constexpr char Tracking[] = "Zirko_bTracking";
inline constexpr char HelpHandler[] = "Zirko_Event_HelpClick";
inline constexpr char MainMenuHandler[] = "Zirko_Event_MainMenuClick";
inline constexpr char PageWindow[] = "Zirko_hWndChild";
} // namespace skinprop

inline INT_PTR ReadProp(HWND window, const char* name) {
    return reinterpret_cast<INT_PTR>(GetPropA(window, name));
}

inline void WriteProp(HWND window, const char* name, INT_PTR value) {
    SetPropA(window, name, reinterpret_cast<HANDLE>(value));
}

template <typename Handle> Handle ReadHandleProp(HWND window, const char* name) {
    return reinterpret_cast<Handle>(GetPropA(window, name));
}

// Removes every frame property of a top-level window (not the frame buffers' handles'
// objects: those are released by the painter first).
void RemoveFrameProps(HWND window);
