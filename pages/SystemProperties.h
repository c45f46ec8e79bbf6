#pragma once

#include <string>

#include "framework/core/CPropertyPage.h"

// "System": display, sound dump, printer output, logging and state dump.
class SystemProperties : public CPropertyPage {
public:
    SystemProperties();

    std::string DumpFile;
    std::string SoundFile;
    std::string PrinterOutput;
    int VGAMode = -1;
    bool Log = false;
    bool DumpSound = false;
    bool ScanLines = false;
    bool MonochromeVGA = false;

    bool OnCmdMsg(int id, bool execute) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
