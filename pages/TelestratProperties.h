#pragma once

#include <string>

#include "framework/core/CPropertyPage.h"

class PathsProperties;

// "Telestrat": the seven banks, the joystick port and the mouse.
class TelestratProperties : public CPropertyPage {
public:
    TelestratProperties();

    // The Paths page, whose RomPath field the ROM picker starts in. Not owned.
    const PathsProperties* RomFolderSource = nullptr;
    std::string Bank7;
    std::string Bank6;
    std::string Bank5;
    std::string Bank4;
    std::string Bank3;
    std::string Bank2;
    std::string Bank1;
    bool JoystickPort = false;
    bool Mouse = false;

    bool OnCmdMsg(int id, bool execute) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
