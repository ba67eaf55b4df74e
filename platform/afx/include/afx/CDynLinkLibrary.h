// The resource chain: modules whose resources (dialog templates, bitmaps, menus, strings)
// are searched after the program's own when the layer loads a resource by name.
#pragma once

#include "afx/CObject.h"

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

// Records the module once (later calls change nothing) and returns TRUE.
AFX_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
// Deletes the chain entries made for the module (they are created with new, as is the custom).
AFX_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state);
AFX_API BOOL AfxIsModuleInResourceChain(HMODULE module);

class AFX_API CDynLinkLibrary : public CObject {
public:
    // Joins the end of the chain; leaves it on destruction.
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
};
