#pragma once

#include "framework/core/CWinApp.h"

class PathsProperties;
class OricProperties;
class TelestratProperties;
class AddonsProperties;
class SystemProperties;
struct EmulatorSettings;

// The five pages of one run, as the settings' home while the sheet runs.
struct SettingsPages {
    PathsProperties& paths;
    OricProperties& oric;
    TelestratProperties& telestrat;
    AddonsProperties& addons;
    SystemProperties& system;
};

// Every setting into the page field of the same name.
void TransferToPages(const EmulatorSettings& settings, SettingsPages pages);
// Every page field back into the setting of the same name.
void TransferFromPages(SettingsPages pages, EmulatorSettings& settings);

class BrindlewickApp : public CWinApp {
public:
    BrindlewickApp() = default;

    // The whole run: read the file, show the sheet, write on OK. Always false,
    // so the framework ends the program.
    bool InitInstance() override;

    bool OnCmdMsg(int id, bool execute) override;
};
