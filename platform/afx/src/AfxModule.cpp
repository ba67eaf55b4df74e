#include <afxwin.h>

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
