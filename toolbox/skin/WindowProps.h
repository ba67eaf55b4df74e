// The engine's named window properties (every value is pointer-sized; a property that was
// never set reads as 0) and the small window operations built on them.
#pragma once

#include <windows.h>

#include <string>

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
// On each skinned child button.
inline constexpr char Check[] = "Zirko_bCheck";
inline constexpr char WindowType[] = "Zirko_WindowType";
inline constexpr char DrawState[] = "Zirko_DrawState";
inline constexpr char TrackMouse[] = "Zirko_bTrackMouseEvent";
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
// Removes the properties child skinning put on a button or container window.
void RemoveChildProps(HWND window);

// Installs `procedure` unless the engine has already subclassed the window, and keeps the
// procedure it replaces for forwarding.
void SubclassOnce(HWND window, WNDPROC procedure);
// Puts the previous procedure back if `procedure` is still the window's current one.
void Unsubclass(HWND window, WNDPROC procedure);
WNDPROC PreviousProcedure(HWND window);
// Passes a message on to the procedure the window had before the engine's.
LRESULT CallPrevious(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Writes the style only when it changes; the frame is not recalculated here.
void ChangeStyle(HWND window, LONG_PTR remove, LONG_PTR add);
std::string WindowText(HWND window);
