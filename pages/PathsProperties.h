#pragma once

#include <string>

#include "framework/core/CPropertyPage.h"

// "Paths": the tapes, disks and ROMs folders.
class PathsProperties : public CPropertyPage {
public:
    PathsProperties();

    std::string TapePath;
    std::string DiskPath;
    std::string RomPath;

    bool OnCmdMsg(int id, bool execute) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
