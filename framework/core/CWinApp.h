#pragma once

#include <string>

#include "framework/core/CWnd.h"

// The application: exactly one, constructed before the framework starts.
// The framework names it after the executable and calls InitInstance.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // False ends the program without a message loop.
    virtual bool InitInstance();
    virtual int ExitInstance();

    // The framework's Help handler: the main window's help topic, asked of
    // the help engine.
    void OnHelp();
    void WinHelp(unsigned context);

    void Enable3dControlsStatic();

    std::string m_pszAppName;
    std::string m_pszExeName;       // full path of the executable
    std::string m_pszHelpFilePath;  // the executable's path with ".HLP" for its extension
    CWnd* m_pMainWnd = nullptr;

    // Called by the framework's entry before InitInstance.
    void SetExecutablePath(const std::string& path);

private:
    bool m_nameGiven;
};

CWinApp* AfxGetApp();

// The framework's entry: installs the backend, names the application after
// the executable, runs InitInstance. Returns the process exit status.
class Backend;
int AfxWinMain(Backend& backend, const std::string& executablePath);
