#include "WindowProps.h"

#include <algorithm>
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

void RemoveChildProps(HWND window) {
    for (const char* name : {skinprop::WndProc, skinprop::Check, skinprop::WindowType, skinprop::DrawState,
                             skinprop::TrackMouse})
        RemovePropA(window, name);
}

void SubclassOnce(HWND window, WNDPROC procedure) {
    if (ReadProp(window, skinprop::WndProc))
        return;
    LONG_PTR previous = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    WriteProp(window, skinprop::WndProc, previous);
}

void Unsubclass(HWND window, WNDPROC procedure) {
    WNDPROC previous = PreviousProcedure(window);
    if (previous && GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(procedure))
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

WNDPROC PreviousProcedure(HWND window) {
    return reinterpret_cast<WNDPROC>(ReadProp(window, skinprop::WndProc));
}

LRESULT CallPrevious(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                    : DefWindowProcA(window, message, wParam, lParam);
}

void ChangeStyle(HWND window, LONG_PTR remove, LONG_PTR add) {
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    LONG_PTR changed = (style & ~remove) | add;
    if (changed != style)
        SetWindowLongPtrA(window, GWL_STYLE, changed);
}

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return {};
    std::string text(size_t(length) + 1, '\0');
    int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(size_t(std::max(copied, 0)));
    return text;
}
