#include "app/BrindlewickApp.h"

#include <cstdio>
#include <string>

#include "config/ConfigFile.h"
#include "config/EmulatorSettings.h"
#include "framework/core/CPropertySheet.h"
#include "framework/core/Constants.h"
#include "framework/core/MessageBox.h"
#include "framework/core/Runtime.h"
#include "pages/AddonsProperties.h"
#include "pages/OricProperties.h"
#include "pages/PathsProperties.h"
#include "pages/SystemProperties.h"
#include "pages/TelestratProperties.h"
#include "resources/Strings.h"

BrindlewickApp theApp;

namespace {

// Writes the file from the page fields, wholly or not at all.
bool WriteConfig(SettingsPages pages) {
    EmulatorSettings settings;
    TransferFromPages(pages, settings);
    ReplacementFile file;
    if (!file.Begin(kConfigFileName)) return false;
    return SaveConfigFile(file.Stream(), settings) && file.Commit();
}

}  // namespace

bool BrindlewickApp::OnCmdMsg(int id, bool execute) {
    static constexpr CommandMapEntry<CWinApp> kCommandMap[] = {{ID_HELP, &CWinApp::OnHelp}};
    return DispatchCommand<CWinApp>(*this, kCommandMap, id, execute);
}

bool BrindlewickApp::InitInstance() {
    Enable3dControlsStatic();

    CPropertySheet sheet(kSheetCaption, nullptr, 0);
    PathsProperties paths;
    OricProperties oric;
    TelestratProperties telestrat;
    AddonsProperties addons;
    SystemProperties system;
    oric.RomFolderSource = &paths;
    telestrat.RomFolderSource = &paths;
    sheet.AddPage(&paths);
    sheet.AddPage(&oric);
    sheet.AddPage(&telestrat);
    sheet.AddPage(&addons);
    sheet.AddPage(&system);
    m_pMainWnd = &sheet;

    // Recorded whole, however long: it is both the message below and the
    // folder the file is written back to.
    std::string workingDirectory;
    const bool recorded = GetWorkingDirectory(workingDirectory);

    InputFile input;
    if (!input.Open(kConfigFileName)) {
        m_pMainWnd = nullptr;
        AfxMessageBox(workingDirectory);
        return false;
    }
    EmulatorSettings settings;
    LoadConfigFile(input.Stream(), settings);
    input.Close();

    const SettingsPages pages{paths, oric, telestrat, addons, system};
    TransferToPages(settings, pages);

    if (sheet.DoModal() == IDOK) {
        // A file dialog may have moved the working directory meanwhile.
        if (recorded) ChangeWorkingDirectory(workingDirectory);
        if (!WriteConfig(pages)) AfxMessageBox(kCannotWriteConfig);
    }
    m_pMainWnd = nullptr;
    return false;
}
