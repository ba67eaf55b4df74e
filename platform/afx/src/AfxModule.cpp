#include "ResourceChain.h"

#include <algorithm>
#include <set>
#include <string>

namespace {

HINSTANCE& ResourceHandle() {
    static HINSTANCE module = nullptr;
    return module;
}

std::vector<CDynLinkLibrary*>& Chain() {
    static std::vector<CDynLinkLibrary*> chain;
    return chain;
}

bool HasResource(HMODULE module, LPCSTR name, LPCSTR type) {
    return module && ::FindResourceA(module, name, type) != nullptr;
}

} // namespace

void ResourceChain::Add(CDynLinkLibrary* library) {
    Chain().push_back(library);
}

void ResourceChain::Remove(CDynLinkLibrary* library) {
    auto& chain = Chain();
    chain.erase(std::remove(chain.begin(), chain.end(), library), chain.end());
}

std::vector<CDynLinkLibrary*> ResourceChain::Libraries() {
    return Chain();
}

HINSTANCE AfxGetInstanceHandle() {
    CWinApp* app = AfxGetApp();
    return app && app->m_hInstance ? app->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    HINSTANCE module = ResourceHandle();
    return module ? module : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE module) {
    ResourceHandle() = module;
}

HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type) {
    HINSTANCE first = AfxGetResourceHandle();
    if (HasResource(first, name, type))
        return first;
    for (const CDynLinkLibrary* library : Chain()) {
        if (HasResource(library->m_hResource, name, type))
            return library->m_hResource;
    }
    return first;
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

void AfxEnsureCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_COOL_CLASSES |
                                                           ICC_BAR_CLASSES | ICC_USEREX_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

BOOL AfxInitRichEdit2() {
    static HMODULE richEdit = ::LoadLibraryA("riched20.dll");
    return richEdit != nullptr;
}
