#include "framework/core/CWinApp.h"

#include "framework/core/Backend.h"
#include "framework/core/FrameworkStrings.h"
#include "framework/core/MessageBox.h"

namespace {
CWinApp* g_app = nullptr;

std::size_t NameStart(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? 0 : slash + 1;
}

// Position of the extension's dot in the file-name part, or npos.
std::size_t ExtensionDot(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    return (dot == std::string::npos || dot < NameStart(path)) ? std::string::npos : dot;
}
}  // namespace

CWinApp::CWinApp(const char* appName) : m_nameGiven(appName != nullptr) {
    if (appName != nullptr) m_pszAppName = appName;
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

bool CWinApp::InitInstance() { return true; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::SetExecutablePath(const std::string& path) {
    m_pszExeName = path;
    const std::size_t start = NameStart(path);
    const std::size_t dot = ExtensionDot(path);
    if (!m_nameGiven) m_pszAppName = path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    m_pszHelpFilePath = path.substr(0, dot) + ".HLP";
}

void CWinApp::OnHelp() {
    const unsigned context = m_pMainWnd != nullptr ? m_pMainWnd->GetHelpContext() : 0;
    WinHelp(context);
}

void CWinApp::WinHelp(unsigned context) {
    if (!ActiveBackend().LaunchHelp(m_pszHelpFilePath, context)) AfxMessageBox(kPromptHelpFailed);
}

void CWinApp::Enable3dControlsStatic() { ActiveBackend().Enable3dControls(); }

int AfxWinMain(Backend& backend, const std::string& executablePath) {
    InstallBackend(&backend);
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 0;
    app->SetExecutablePath(executablePath);
    if (app->InitInstance()) {
        // Every window of this framework is modal, so there is no loop to run.
    }
    app->ExitInstance();
    // The run's outcome is told to the user, not the shell.
    return 0;
}
