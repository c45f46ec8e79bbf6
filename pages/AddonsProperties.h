#pragma once

#include "framework/core/CPropertyPage.h"

// "Add-ons": processor, RAM pattern, joystick interface, PB5 mode, drives
// and the add-on flags. No text fields, so leaving it always succeeds.
class AddonsProperties : public CPropertyPage {
public:
    AddonsProperties();

    int Cpu = -1;
    int RamPattern = -1;
    int Joystick = -1;
    int SelectRomWithPB5 = -1;
    bool DriveA = false;
    bool DriveB = false;
    bool DriveC = false;
    bool DriveD = false;
    bool LightPen = false;
    bool RealTimeClock = false;
    bool Printer = false;
    bool PrintNULs = false;
    bool FixCRs = false;
    bool OverlayRamAccess = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
