#include "TrellisModule.h"

namespace {

HINSTANCE g_instance = nullptr;

} // namespace

HINSTANCE TrellisInstance() {
    return g_instance;
}

void TrellisRegisterResources() {
    // The layer's resource chain arrives with its module side; until then the library's
    // resources are found through its own module handle.
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
