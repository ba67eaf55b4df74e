#include "ResourceChain.h"

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module) {
    if (!state.bInitialized) {
        state.hModule = module;
        state.hResource = module;
        state.bInitialized = TRUE;
    }
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state) {
    for (CDynLinkLibrary* library : ResourceChain::Libraries()) {
        if (library->m_hModule == state.hModule)
            delete library;
    }
}

BOOL AfxIsModuleInResourceChain(HMODULE module) {
    for (const CDynLinkLibrary* library : ResourceChain::Libraries()) {
        if (library->m_hModule == module)
            return TRUE;
    }
    return FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource) {
    ResourceChain::Add(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    ResourceChain::Remove(this);
}
