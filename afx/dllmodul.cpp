#include "afx/afxdllx.h"

AFX_MODULE_STATE* AfxGetModuleState() {
    // Until someone sets it, resources come from the program that loaded us,
    // as they come from the host's own module in its class-library state.
    static AFX_MODULE_STATE state = {::GetModuleHandleA(nullptr), ::GetModuleHandleA(nullptr),
                                     nullptr};
    return &state;
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (!state.bInitialized) {
        state.hModule = hModule;
        state.hResource = hModule;
        state.bInitialized = TRUE;
    }
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state) {
    CDynLinkLibrary** link = &AfxGetModuleState()->m_pLibraryList;
    while (*link) {
        CDynLinkLibrary* library = *link;
        if (library->m_hModule == state.hModule)
            delete library; // unlinks itself
        else
            link = &library->m_pNextDLL;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource) {
    AFX_MODULE_STATE* moduleState = AfxGetModuleState();
    m_pNextDLL = moduleState->m_pLibraryList;
    moduleState->m_pLibraryList = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
    for (CDynLinkLibrary** link = &AfxGetModuleState()->m_pLibraryList; *link;
         link = &(*link)->m_pNextDLL) {
        if (*link == this) {
            *link = m_pNextDLL;
            break;
        }
    }
}
