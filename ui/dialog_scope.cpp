#include "ui/dialog_scope.h"
#include "velmora_module.h"

CVelmoraDlgScope::CVelmoraDlgScope()
    : m_hOldResource(AfxGetResourceHandle()), m_hActCtx(INVALID_HANDLE_VALUE), m_cookie(0) {
    HINSTANCE instance = VelmoraGetInstance();
    AfxSetResourceHandle(instance);

    char path[MAX_PATH];
    if (!::GetModuleFileNameA(instance, path, MAX_PATH))
        return;
    ACTCTXA context = {};
    context.cbSize = sizeof(context);
    context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = path;
    context.hModule = instance;
    context.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
    m_hActCtx = ::CreateActCtxA(&context);
    if (m_hActCtx != INVALID_HANDLE_VALUE && !::ActivateActCtx(m_hActCtx, &m_cookie)) {
        ::ReleaseActCtx(m_hActCtx);
        m_hActCtx = INVALID_HANDLE_VALUE;
    }
}

CVelmoraDlgScope::~CVelmoraDlgScope() {
    if (m_hActCtx != INVALID_HANDLE_VALUE) {
        ::DeactivateActCtx(0, m_cookie);
        ::ReleaseActCtx(m_hActCtx);
    }
    AfxSetResourceHandle(m_hOldResource);
}
