#include <gtest/gtest.h>

#include "framework/core/Constants.h"
#include "framework/core/Runtime.h"
#include "resources/ControlIds.h"
#include "support/HeadlessRun.h"
#include "support/ScratchFolder.h"
#include "support/SheetUnderTest.h"

namespace {

HeadlessBackend::FileDialogAnswer Picked(const std::string& path) {
    return {{DialogOutcome::Confirmed, path, {}}, {}};
}

HeadlessBackend::FileDialogAnswer Outcome(DialogOutcome outcome) { return {{outcome, {}, {}}, {}}; }

}  // namespace

TEST(FolderPicker, AsksForFileSystemFoldersAndReloadsWhateverTheAnswer) {
    SheetUnderTest t;
    t.paths.DiskPath = "/disks";
    t.backend.AnswerNextFolderPicker({true, true, "/home/me/tapes"});
    t.backend.AnswerNextFolderPicker({false, false, {}});
    t.backend.AnswerNextFolderPicker({true, false, {}});  // confirmed, but no file-system path
    t.Run([](HeadlessUser& user) {
        user.ReplaceText(IDC_PATHS_ROM, "typed");
        user.Click(IDC_PATHS_TAPE_BROWSE);
        EXPECT_EQ(user.Text(IDC_PATHS_TAPE), "/home/me/tapes");
        EXPECT_EQ(user.Text(IDC_PATHS_ROM), "");  // the reload replaced the typing
        user.ReplaceText(IDC_PATHS_ROM, "typed");
        user.Click(IDC_PATHS_DISK_BROWSE);      // cancelled
        EXPECT_EQ(user.Text(IDC_PATHS_ROM), "");
        EXPECT_EQ(user.Text(IDC_PATHS_DISK), "/disks");
        user.Click(IDC_PATHS_ROM_BROWSE);
        user.PressOK();
    });
    EXPECT_EQ(t.paths.TapePath, "/home/me/tapes");
    EXPECT_EQ(t.paths.DiskPath, "/disks");
    EXPECT_EQ(t.paths.RomPath, "");
    ASSERT_EQ(t.backend.folderPickers.size(), 3u);
    const char* titles[] = {"Select Tapes Directory", "Select Disks Directory", "Select Roms Directory"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(t.backend.folderPickers[i].request.title, titles[i]);
        EXPECT_EQ(t.backend.folderPickers[i].request.flags, BIF_RETURNONLYFSDIRS);
        EXPECT_TRUE(t.backend.folderPickers[i].ownedBySheet);
    }
}

TEST(RomPicker, AsksInTheRomFolderForAnExistingRom) {
    SheetUnderTest t;
    t.paths.RomPath = "C:\\Roms";
    t.oric.AtmosRom = "basic11b.rom";
    t.Run([](HeadlessUser& user) {
        user.SelectTab(kOricPage);
        user.Click(IDC_ORIC_ATMOS_BROWSE);
    });
    ASSERT_EQ(t.backend.fileDialogs.size(), 1u);
    const FileDialogRequest& asked = t.backend.fileDialogs[0].request;
    EXPECT_TRUE(t.backend.fileDialogs[0].ownedBySheet);
    EXPECT_TRUE(asked.openMode);
    EXPECT_EQ(asked.title, "Rom Selection");
    EXPECT_EQ(asked.initialFileName, "basic11b.rom");
    EXPECT_EQ(asked.initialFolder, "C:\\Roms");
    EXPECT_EQ(asked.defaultExtension, "");
    ASSERT_EQ(asked.filters.size(), 2u);
    EXPECT_EQ(asked.filters[0].description, "Rom Files (*.rom)");
    EXPECT_EQ(asked.filters[0].pattern, "*.rom");
    EXPECT_EQ(asked.filters[1].description, "All Files (*.*)");
    EXPECT_EQ(asked.filters[1].pattern, "*.*");
    EXPECT_EQ(asked.selectedFilter, 0);
    EXPECT_EQ(asked.flags, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
}

TEST(RomPicker, StoresABareNameWhenThePathStartsWithTheRomFolder) {
    struct Case {
        const char* romPath;
        const char* picked;
        const char* stored;
    };
    const std::string longName = std::string(90, 'n') + ".rom";
    const Case cases[] = {
        {"C:\\Roms", "C:\\Roms\\basic.rom", "basic.rom"},
        {"C:\\Roms", "C:\\Roms\\old\\basic.rom", "basic.rom"},
        {"C:\\Rom", "C:\\Roms2\\x.rom", "x.rom"},
        {"c:\\roms", "C:\\Roms\\x.rom", "C:\\Roms\\x.rom"},
        {"C:\\Roms", "D:\\Other\\basic.rom", "D:\\Other\\basic.rom"},
        {"Roms", "C:\\Roms\\x.rom", "C:\\Roms\\x.rom"},  // only a prefix counts
        {"", "D:\\Other\\basic.rom", "basic.rom"},
        {"/roms", "/roms", "roms"},
        {"/roms/long/enough", "/roms", "/roms"},
    };
    for (const Case& c : cases) {
        SheetUnderTest t;
        t.paths.RomPath = c.romPath;
        t.backend.AnswerNextFileDialog(Picked(c.picked));
        t.Run([](HeadlessUser& user) {
            user.SelectTab(kOricPage);
            user.Click(IDC_ORIC_ORIC1_BROWSE);
            user.PressOK();
        });
        EXPECT_EQ(t.oric.Oric1Rom, c.stored) << c.romPath << " " << c.picked;
    }
    // A long file name is kept whole.
    SheetUnderTest t;
    t.paths.RomPath = "/roms";
    t.backend.AnswerNextFileDialog(Picked("/roms/" + longName));
    t.Run([](HeadlessUser& user) {
        user.SelectTab(kTelestratPage);
        user.Click(IDC_TELESTRAT_BANK7_BROWSE);
        user.PressOK();
    });
    EXPECT_EQ(t.telestrat.Bank7, longName);
}

TEST(RomPicker, CancelOrFailureChangesNothingAndDoesNotReload) {
    for (const DialogOutcome outcome : {DialogOutcome::Cancelled, DialogOutcome::Failed}) {
        SheetUnderTest t;
        t.oric.Oric1Rom = "kept.rom";
        t.backend.AnswerNextFileDialog(Outcome(outcome));
        t.Run([](HeadlessUser& user) {
            user.SelectTab(kOricPage);
            user.ReplaceText(IDC_ORIC_ATMOS, "typed");
            user.Click(IDC_ORIC_ORIC1_BROWSE);
            EXPECT_EQ(user.Text(IDC_ORIC_ATMOS), "typed");
            user.PressOK();
        });
        EXPECT_EQ(t.oric.Oric1Rom, "kept.rom");
        EXPECT_EQ(t.oric.AtmosRom, "typed");
        EXPECT_TRUE(t.backend.messageBoxes.empty());
    }
}

TEST(FilePicker, AsksForAnyFileAndStoresTheFullPath) {
    SheetUnderTest t;
    t.system.PrinterOutput = "lpt1:";
    t.backend.AnswerNextFileDialog(Picked("/home/me/new-printout.txt"));
    t.Run([](HeadlessUser& user) {
        user.SelectTab(kSystemPage);
        user.Click(IDC_SYSTEM_LOG);  // undone by the reload below
        user.Click(IDC_SYSTEM_PRINTER_BROWSE);
        EXPECT_EQ(user.Text(IDC_SYSTEM_PRINTER), "/home/me/new-printout.txt");
        EXPECT_FALSE(user.IsChecked(IDC_SYSTEM_LOG));
        user.PressOK();
    });
    EXPECT_EQ(t.system.PrinterOutput, "/home/me/new-printout.txt");
    EXPECT_FALSE(t.system.Log);
    ASSERT_EQ(t.backend.fileDialogs.size(), 1u);
    const FileDialogRequest& asked = t.backend.fileDialogs[0].request;
    EXPECT_EQ(asked.initialFileName, "lpt1:");
    EXPECT_EQ(asked.title, "");
    EXPECT_EQ(asked.initialFolder, "");
    EXPECT_EQ(asked.flags, OFN_HIDEREADONLY);  // the file need not exist
    ASSERT_EQ(asked.filters.size(), 1u);
    EXPECT_EQ(asked.filters[0].description, "All Files (*.*)");
    EXPECT_TRUE(t.backend.fileDialogs[0].ownedBySheet);
}

TEST(FilePicker, APickedPathPastTheLimitIsShownWholeButMustBeShortened) {
    SheetUnderTest t;
    const std::string longPath = "/" + std::string(150, 'p');
    t.backend.AnswerNextFileDialog(Picked(longPath));
    t.Run([&](HeadlessUser& user) {
        user.SelectTab(kSystemPage);
        user.Click(IDC_SYSTEM_SOUND_FILE_BROWSE);
        EXPECT_EQ(user.Text(IDC_SYSTEM_SOUND_FILE), longPath);
        user.PressOK();
        EXPECT_TRUE(user.IsOpen());
        EXPECT_EQ(user.FocusedId(), IDC_SYSTEM_SOUND_FILE);
        user.Type("/short");
        user.PressOK();
        EXPECT_FALSE(user.IsOpen());
    });
    EXPECT_EQ(t.system.SoundFile, "/short");
}

TEST(FilePicker, AMovedWorkingDirectoryDoesNotMoveTheFile) {
    ScratchFolder folder;
    WriteFile("quorvane.ini", "");
    ScratchFolder elsewhere;  // now the working directory
    ASSERT_TRUE(ChangeWorkingDirectory(folder.Path()));
    HeadlessBackend backend;
    backend.AnswerNextFileDialog({{DialogOutcome::Confirmed, elsewhere.PathOf("dump.bin"), {}}, elsewhere.Path()});
    backend.SetScript([](HeadlessUser& user) {
        user.SelectTab(kSystemPage);
        user.Click(IDC_SYSTEM_DUMP_FILE_BROWSE);
        user.PressOK();
    });
    EXPECT_EQ(RunProgram(backend), 0);
    EXPECT_NE(ReadFile(folder.PathOf("quorvane.ini")).find("DumpFile=" + elsewhere.PathOf("dump.bin") + "\r\n"),
              std::string::npos);
    EXPECT_FALSE(FileExists(elsewhere.PathOf("quorvane.ini")));
}
