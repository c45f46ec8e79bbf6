#include "app/BrindlewickApp.h"
#include "config/EmulatorSettings.h"
#include "pages/AddonsProperties.h"
#include "pages/OricProperties.h"
#include "pages/PathsProperties.h"
#include "pages/SystemProperties.h"
#include "pages/TelestratProperties.h"

namespace {

// The one list pairing each setting with its page field; `copy` says which way.
template <class Settings, class Copy>
void PairSettingsWithFields(Settings& s, SettingsPages p, Copy copy) {
    copy(s.TapePath, p.paths.TapePath);
    copy(s.DiskPath, p.paths.DiskPath);
    copy(s.RomPath, p.paths.RomPath);

    copy(s.Oric1Rom, p.oric.Oric1Rom);
    copy(s.AtmosRom, p.oric.AtmosRom);
    copy(s.PravetzRom, p.oric.PravetzRom);
    copy(s.MicrodiscEprom, p.oric.MicrodiscEprom);
    copy(s.JasminEprom, p.oric.JasminEprom);
    copy(s.BD500Eprom, p.oric.BD500Eprom);
    copy(s.AppleInterfaceEprom, p.oric.AppleInterfaceEprom);

    copy(s.Bank7, p.telestrat.Bank7);
    copy(s.Bank6, p.telestrat.Bank6);
    copy(s.Bank5, p.telestrat.Bank5);
    copy(s.Bank4, p.telestrat.Bank4);
    copy(s.Bank3, p.telestrat.Bank3);
    copy(s.Bank2, p.telestrat.Bank2);
    copy(s.Bank1, p.telestrat.Bank1);
    copy(s.JoystickPort, p.telestrat.JoystickPort);
    copy(s.Mouse, p.telestrat.Mouse);

    copy(s.Cpu, p.addons.Cpu);
    copy(s.RamPattern, p.addons.RamPattern);
    copy(s.Joystick, p.addons.Joystick);
    copy(s.SelectRomWithPB5, p.addons.SelectRomWithPB5);
    copy(s.DriveA, p.addons.DriveA);
    copy(s.DriveB, p.addons.DriveB);
    copy(s.DriveC, p.addons.DriveC);
    copy(s.DriveD, p.addons.DriveD);
    copy(s.OverlayRamAccess, p.addons.OverlayRamAccess);
    copy(s.LightPen, p.addons.LightPen);
    copy(s.RealTimeClock, p.addons.RealTimeClock);
    copy(s.Printer, p.addons.Printer);
    copy(s.FixCRs, p.addons.FixCRs);
    copy(s.PrintNULs, p.addons.PrintNULs);

    copy(s.Log, p.system.Log);
    copy(s.DumpFile, p.system.DumpFile);
    copy(s.DumpSound, p.system.DumpSound);
    copy(s.SoundFile, p.system.SoundFile);
    copy(s.PrinterOutput, p.system.PrinterOutput);
    copy(s.VGAMode, p.system.VGAMode);
    copy(s.ScanLines, p.system.ScanLines);
    copy(s.MonochromeVGA, p.system.MonochromeVGA);
}

}  // namespace

void TransferToPages(const EmulatorSettings& settings, SettingsPages pages) {
    PairSettingsWithFields(settings, pages, [](const auto& setting, auto& field) { field = setting; });
}

void TransferFromPages(SettingsPages pages, EmulatorSettings& settings) {
    PairSettingsWithFields(settings, pages, [](auto& setting, const auto& field) { setting = field; });
}
