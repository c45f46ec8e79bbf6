#include <gtest/gtest.h>

#include <cstdio>

#include "config/ConfigFile.h"
#include "resources/ControlIds.h"
#include "support/HeadlessRun.h"
#include "support/ScratchFolder.h"

namespace {

EmulatorSettings ReadSettings(const std::string& path) {
    EmulatorSettings settings;
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    LoadConfigFile(stream, settings);
    std::fclose(stream);
    return settings;
}

// Whole runs of the program in a scratch folder holding `file`.
class Pages : public ::testing::Test {
protected:
    void Run(const std::string& file, HeadlessBackend::Script script) {
        WriteFile("quorvane.ini", file);
        backend.SetScript(std::move(script));
        ASSERT_EQ(RunProgram(backend), 0);
    }
    EmulatorSettings Written() { return ReadSettings("quorvane.ini"); }

    ScratchFolder folder;
    HeadlessBackend backend;
};

}  // namespace

TEST_F(Pages, DefaultsAsThePagesShowThem) {
    Run("", [](HeadlessUser& user) {
        user.SelectTab(kAddonsPage);
        for (int id : {IDC_ADDONS_CPU_6502, IDC_ADDONS_RAM_TYPE1, IDC_ADDONS_JOYSTICK_NONE, IDC_ADDONS_PB5_NOT_USED,
                       IDC_ADDONS_DRIVE_A, IDC_ADDONS_DRIVE_B, IDC_ADDONS_DRIVE_C, IDC_ADDONS_FIX_CRS}) {
            EXPECT_TRUE(user.IsChecked(id)) << id;
        }
        for (int id : {IDC_ADDONS_CPU_65C02, IDC_ADDONS_RAM_TYPE2, IDC_ADDONS_RAM_TYPE3, IDC_ADDONS_JOYSTICK_PASE,
                       IDC_ADDONS_JOYSTICK_IJK, IDC_ADDONS_PB5_SWITCH, IDC_ADDONS_PB5_STROBE, IDC_ADDONS_DRIVE_D,
                       IDC_ADDONS_LIGHTPEN, IDC_ADDONS_CLOCK, IDC_ADDONS_PRINTER, IDC_ADDONS_PRINT_NULS,
                       IDC_ADDONS_OVERLAY_RAM}) {
            EXPECT_FALSE(user.IsChecked(id)) << id;
        }
        user.SelectTab(kSystemPage);
        EXPECT_TRUE(user.IsChecked(IDC_SYSTEM_MODE_X));
        EXPECT_FALSE(user.IsChecked(IDC_SYSTEM_MODE_Q));
        for (int id : {IDC_SYSTEM_LOG, IDC_SYSTEM_DUMP_SOUND, IDC_SYSTEM_SCANLINES, IDC_SYSTEM_MONOCHROME}) {
            EXPECT_FALSE(user.IsChecked(id)) << id;
        }
        EXPECT_EQ(user.Text(IDC_SYSTEM_PRINTER), "lpt1:");
        EXPECT_EQ(user.Text(IDC_SYSTEM_DUMP_FILE), "");
        user.PressOK();
    });
    EXPECT_EQ(ReadFile("quorvane.ini"), DefaultFileText());
}

TEST_F(Pages, TheRomFolderReachesTheRomPickerOnceThePathsPageIsLeft) {
    backend.AnswerNextFileDialog({{DialogOutcome::Confirmed, "/new/roms/basic.rom", {}}, {}});
    Run("RomPath=/old/roms\r\n", [](HeadlessUser& user) {
        user.ReplaceText(IDC_PATHS_ROM, "/new/roms");
        user.SelectTab(kOricPage);
        user.Click(IDC_ORIC_PRAVETZ_BROWSE);
        user.PressOK();
    });
    ASSERT_EQ(backend.fileDialogs.size(), 1u);
    EXPECT_EQ(backend.fileDialogs[0].request.initialFolder, "/new/roms");
    EXPECT_EQ(Written().PravetzRom, "basic.rom");
}

TEST_F(Pages, EverySettingCanBeSetThroughThePages) {
    backend.AnswerNextFolderPicker({true, true, "/picked/tapes"});
    backend.AnswerNextFileDialog({{DialogOutcome::Confirmed, "/roms/bank7.rom", {}}, {}});
    backend.AnswerNextFileDialog({{DialogOutcome::Confirmed, "/dumps/state.bin", {}}, {}});
    Run("", [](HeadlessUser& user) {
        user.Click(IDC_PATHS_TAPE_BROWSE);
        user.ReplaceText(IDC_PATHS_DISK, "/disks");
        user.ReplaceText(IDC_PATHS_ROM, "/roms");
        user.SelectTab(kOricPage);
        const std::pair<int, const char*> oric[] = {
            {IDC_ORIC_ORIC1, "o1.rom"},     {IDC_ORIC_ATMOS, "at.rom"}, {IDC_ORIC_PRAVETZ, "pr.rom"},
            {IDC_ORIC_MICRODISC, "md.rom"}, {IDC_ORIC_JASMIN, "ja.rom"}, {IDC_ORIC_BD500, "bd.rom"},
            {IDC_ORIC_APPLE, "ap.rom"}};
        for (const auto& [id, text] : oric) user.ReplaceText(id, text);
        user.SelectTab(kTelestratPage);
        user.Click(IDC_TELESTRAT_BANK7_BROWSE);
        const std::pair<int, const char*> banks[] = {
            {IDC_TELESTRAT_BANK6, "b6"}, {IDC_TELESTRAT_BANK5, "b5"}, {IDC_TELESTRAT_BANK4, "b4"},
            {IDC_TELESTRAT_BANK3, "b3"}, {IDC_TELESTRAT_BANK2, "b2"}, {IDC_TELESTRAT_BANK1, "b1"}};
        for (const auto& [id, text] : banks) user.ReplaceText(id, text);
        user.Click(IDC_TELESTRAT_JOYSTICK);
        user.Click(IDC_TELESTRAT_MOUSE);
        user.SelectTab(kAddonsPage);
        for (int id : {IDC_ADDONS_CPU_65C02, IDC_ADDONS_RAM_TYPE3, IDC_ADDONS_JOYSTICK_IJK, IDC_ADDONS_PB5_STROBE,
                       IDC_ADDONS_DRIVE_A, IDC_ADDONS_DRIVE_B, IDC_ADDONS_DRIVE_C, IDC_ADDONS_DRIVE_D,
                       IDC_ADDONS_LIGHTPEN, IDC_ADDONS_CLOCK, IDC_ADDONS_PRINTER, IDC_ADDONS_PRINT_NULS,
                       IDC_ADDONS_FIX_CRS, IDC_ADDONS_OVERLAY_RAM}) {
            user.Click(id);
        }
        user.SelectTab(kSystemPage);
        user.Click(IDC_SYSTEM_DUMP_FILE_BROWSE);
        user.ReplaceText(IDC_SYSTEM_SOUND_FILE, "/sound.out");
        user.ReplaceText(IDC_SYSTEM_PRINTER, "lpt2:");
        for (int id : {IDC_SYSTEM_MODE_Q, IDC_SYSTEM_LOG, IDC_SYSTEM_DUMP_SOUND, IDC_SYSTEM_SCANLINES,
                       IDC_SYSTEM_MONOCHROME}) {
            user.Click(id);
        }
        user.PressOK();
    });
    EmulatorSettings expected;
    expected.TapePath = "/picked/tapes";
    expected.DiskPath = "/disks";
    expected.RomPath = "/roms";
    expected.Oric1Rom = "o1.rom";
    expected.AtmosRom = "at.rom";
    expected.PravetzRom = "pr.rom";
    expected.MicrodiscEprom = "md.rom";
    expected.JasminEprom = "ja.rom";
    expected.BD500Eprom = "bd.rom";
    expected.AppleInterfaceEprom = "ap.rom";
    expected.Bank7 = "bank7.rom";
    expected.Bank6 = "b6";
    expected.Bank5 = "b5";
    expected.Bank4 = "b4";
    expected.Bank3 = "b3";
    expected.Bank2 = "b2";
    expected.Bank1 = "b1";
    expected.JoystickPort = expected.Mouse = true;
    expected.Cpu = 1;
    expected.RamPattern = 2;
    expected.Joystick = 2;
    expected.SelectRomWithPB5 = 2;
    expected.DriveA = expected.DriveB = expected.DriveC = false;
    expected.DriveD = expected.LightPen = expected.RealTimeClock = expected.Printer = true;
    expected.FixCRs = false;
    expected.PrintNULs = expected.OverlayRamAccess = true;
    expected.Log = expected.DumpSound = expected.ScanLines = expected.MonochromeVGA = true;
    expected.DumpFile = "/dumps/state.bin";
    expected.SoundFile = "/sound.out";
    expected.PrinterOutput = "lpt2:";
    expected.VGAMode = 1;
    EXPECT_EQ(Written(), expected);

    // And that file survives reading, showing every page and OK unchanged.
    const std::string once = ReadFile("quorvane.ini");
    Run(once, [](HeadlessUser& user) {
        for (int page = kOricPage; page <= kSystemPage; ++page) user.SelectTab(page);
        user.PressOK();
    });
    EXPECT_EQ(ReadFile("quorvane.ini"), once);
}
