#pragma once

#include <string>

// The run's working record: one value per setting of the catalogue, named
// after its key. A default-constructed record holds the catalogue defaults.
struct EmulatorSettings {
    EmulatorSettings();

    // Paths
    std::string TapePath;
    std::string DiskPath;
    std::string RomPath;
    // Oric
    std::string Oric1Rom;
    std::string AtmosRom;
    std::string PravetzRom;
    std::string MicrodiscEprom;
    std::string JasminEprom;
    std::string BD500Eprom;
    std::string AppleInterfaceEprom;
    // Telestrat
    std::string Bank7;
    std::string Bank6;
    std::string Bank5;
    std::string Bank4;
    std::string Bank3;
    std::string Bank2;
    std::string Bank1;
    bool JoystickPort = false;
    bool Mouse = false;
    // Add-ons
    int Cpu = 0;
    int RamPattern = 0;
    int Joystick = 0;
    int SelectRomWithPB5 = 0;
    bool DriveA = false;
    bool DriveB = false;
    bool DriveC = false;
    bool DriveD = false;
    bool OverlayRamAccess = false;
    bool LightPen = false;
    bool RealTimeClock = false;
    bool Printer = false;
    bool FixCRs = false;
    bool PrintNULs = false;
    // System
    bool Log = false;
    std::string DumpFile;
    bool DumpSound = false;
    std::string SoundFile;
    std::string PrinterOutput;
    int VGAMode = 0;
    bool ScanLines = false;
    bool MonochromeVGA = false;

    bool operator==(const EmulatorSettings&) const = default;
};
