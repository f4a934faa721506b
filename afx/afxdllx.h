// The extension-module mechanism: a library that lives inside its host's
// class-library state and adds its resources to the resource chain.
#pragma once

#include "afx/afxwin.h"

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

// One link of the module state's resource chain.
struct AFX_EXT_CLASS CDynLinkLibrary {
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    CDynLinkLibrary* m_pNextDLL = nullptr;
};

AFX_EXT_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes the module's links from the resource chain.
AFX_EXT_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state);
