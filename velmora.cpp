// Entry point of velmora.dll. Loading saves the module instance and makes the
// library an extension module of the class library, with its resources in
// the resource chain; the help table is a static object, built while the
// library loads and destroyed when it unloads. Nothing else happens here.
#include "afx/afxdllx.h"
#include "velmora_module.h"

namespace {
AFX_EXTENSION_MODULE g_velmoraModule = {FALSE, nullptr, nullptr};
HINSTANCE g_hInstance = nullptr;
} // namespace

HINSTANCE VelmoraGetInstance() {
    return g_hInstance;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_hInstance = hInstance;
        if (!AfxInitExtensionModule(g_velmoraModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_velmoraModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_velmoraModule);
    }
    return TRUE;
}
