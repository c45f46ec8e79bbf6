#pragma once

#include <string>

#include "framework/core/CPropertyPage.h"

class PathsProperties;

// "Oric": the machine ROMs and the disc controllers' EPROMs.
class OricProperties : public CPropertyPage {
public:
    OricProperties();

    // The Paths page, whose RomPath field the ROM picker starts in. Not owned.
    const PathsProperties* RomFolderSource = nullptr;
    std::string Oric1Rom;
    std::string AtmosRom;
    std::string MicrodiscEprom;
    std::string JasminEprom;
    std::string BD500Eprom;
    std::string AppleInterfaceEprom;
    std::string PravetzRom;

    bool OnCmdMsg(int id, bool execute) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
