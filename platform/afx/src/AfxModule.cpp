#include <afxwin.h>

#include <set>
#include <string>

namespace {

HINSTANCE& ResourceHandle() {
    static HINSTANCE module = nullptr;
    return module;
}

} // namespace

HINSTANCE AfxGetInstanceHandle() {
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    HINSTANCE module = ResourceHandle();
    return module ? module : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE module) {
    ResourceHandle() = module;
}

HINSTANCE AfxFindResourceHandle(LPCSTR, LPCSTR) {
    return AfxGetResourceHandle();
}

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    static std::set<std::string> registered;
    HINSTANCE instance = AfxGetInstanceHandle();
    char name[128];
    wsprintfA(name, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(instance), classStyle,
              static_cast<void*>(cursor), static_cast<void*>(background), static_cast<void*>(icon));
    auto found = registered.find(name);
    if (found != registered.end())
        return found->c_str();
    WNDCLASSA wc{};
    wc.style = classStyle;
    wc.lpfnWndProc = &::DefWindowProcA; // the creation hook routes messages to the object
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    WNDCLASSA existing{};
    if (!::GetClassInfoA(instance, name, &existing) && !::RegisterClassA(&wc))
        return nullptr;
    return registered.insert(name).first->c_str();
}
