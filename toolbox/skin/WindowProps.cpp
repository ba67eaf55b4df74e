#include "WindowProps.h"

#include <initializer_list>

void RemoveFrameProps(HWND window) {
    for (const char* name : {skinprop::WndProc,        skinprop::BannerHeight, skinprop::StatusHeight,
                             skinprop::MaximizeBox,    skinprop::Maximize,     skinprop::Minimized,
                             skinprop::SizeBox,        skinprop::MinWidth,     skinprop::MinHeight,
                             skinprop::RegistryIndex,  skinprop::CacheWidth,   skinprop::CacheHeight,
                             skinprop::CacheDC,        skinprop::BackDC,       skinprop::CacheBitmap,
                             skinprop::CacheOldBitmap, skinprop::BackBitmap,   skinprop::BackOldBitmap,
                             skinprop::Tracking,       skinprop::HelpHandler,  skinprop::MainMenuHandler,
                             skinprop::PageWindow})
        RemovePropA(window, name);
}
