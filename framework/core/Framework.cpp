#include "framework/core/Backend.h"
#include "framework/core/CWinApp.h"
#include "framework/core/MessageBox.h"

namespace {
Backend* g_backend = nullptr;
}

void InstallBackend(Backend* backend) { g_backend = backend; }

Backend& ActiveBackend() { return *g_backend; }

bool CCmdTarget::OnCmdMsg(int, bool) { return false; }

int AfxMessageBox(const std::string& text, unsigned style) {
    CWinApp* app = AfxGetApp();
    const CWnd* owner = nullptr;
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) owner = app->m_pMainWnd;
    return ActiveBackend().ShowMessageBox({owner, text, app != nullptr ? app->m_pszAppName : std::string(), style});
}
