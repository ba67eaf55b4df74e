#include "TrellisModule.h"

#include <afxwin.h>

namespace {

AFX_EXTENSION_MODULE g_module = {FALSE, nullptr, nullptr};

} // namespace

HINSTANCE TrellisInstance() {
    return g_module.hModule;
}

void TrellisRegisterResources() {
    // The chain is process-wide: a second entry for the same module would only be searched
    // twice, and would be one more object to free at unload.
    if (g_module.bInitialized && !AfxIsModuleInResourceChain(g_module.hModule)) {
        new CDynLinkLibrary(g_module);
    }
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        return AfxInitExtensionModule(g_module, instance);
    }
    if (reason == DLL_PROCESS_DETACH) {
        // Frees the chain entries made for this library.
        AfxTermExtensionModule(g_module);
    }
    return TRUE;
}
