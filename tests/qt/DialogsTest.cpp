#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "SheetDriver.h"
#include "framework/core/Runtime.h"
#include "framework/qt/ByteLineEdit.h"
#include "framework/qt/SheetWindow.h"
#include "resources/ControlIds.h"
#include "support/ScratchFolder.h"

namespace {

class QtDialogs : public ::testing::Test {
protected:
    ScratchFolder folder;
};

struct SeenFileDialog {
    QString title;
    QStringList filters;
    QString selectedFilter;
    QString folder;
    QStringList files;
    QFileDialog::FileMode mode;
    bool native;
    QWidget* owner;
};

SeenFileDialog Look(QFileDialog& dialog) {
    return {dialog.windowTitle(),
            dialog.nameFilters(),
            dialog.selectedNameFilter(),
            dialog.directory().absolutePath(),
            dialog.selectedFiles(),
            dialog.fileMode(),
            !dialog.testOption(QFileDialog::DontUseNativeDialog),
            dialog.parentWidget()};
}

// Answers the next file dialog by choosing `path` (after opening `folder`,
// when given), noting what the dialog was asked; any other modal is closed.
ModalAnswerer ChooseInFileDialog(std::vector<SeenFileDialog>& seen, std::string path, std::string folder = {}) {
    return ModalAnswerer([&seen, path = std::move(path), folder = std::move(folder)](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        if (dialog == nullptr) {
            modal.close();
            return;
        }
        seen.push_back(Look(*dialog));
        if (!folder.empty()) dialog->setDirectory(QString::fromStdString(folder));
        dialog->selectFile(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept();
    });
}

}  // namespace

TEST_F(QtDialogs, TheRomPickerOpensAtTheRomFolderAndTheChoiceMovesTheWorkingDirectory) {
    QDir().mkdir("roms");
    WriteFile(folder.PathOf("roms/basic11b.rom"), "rom");
    WriteConfig({"RomPath=" + folder.PathOf("roms"), "Oric1Rom=old.rom"});
    std::vector<SeenFileDialog> seen;
    std::string directoryAfter;
    RunProgram([&](SheetWindow& sheet) {
        sheet.RequestPage(1);
        ModalAnswerer choose = ChooseInFileDialog(seen, folder.PathOf("roms/basic11b.rom"));
        ClickWidget(ControlOf(sheet, IDC_ORIC_ORIC1_BROWSE));
        EXPECT_EQ(FieldOf(sheet, IDC_ORIC_ORIC1)->text(), "basic11b.rom");  // inside the ROM folder: bare name
        GetWorkingDirectory(directoryAfter);
        sheet.OkButton()->click();
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Rom Selection");
    EXPECT_EQ(seen[0].filters, QStringList({"Rom Files (*.rom)", "All Files (*)"}));
    EXPECT_EQ(seen[0].selectedFilter, "Rom Files (*.rom)");
    EXPECT_EQ(seen[0].folder.toStdString(), folder.PathOf("roms"));
    EXPECT_EQ(seen[0].files, QStringList({QString::fromStdString(folder.PathOf("roms/old.rom"))}));
    EXPECT_EQ(seen[0].mode, QFileDialog::ExistingFile);
    EXPECT_FALSE(seen[0].native);
    EXPECT_NE(seen[0].owner, nullptr);
    EXPECT_EQ(directoryAfter, folder.PathOf("roms"));
    // The run goes back to its own folder to write.
    EXPECT_EQ(WrittenValue("Oric1Rom"), "basic11b.rom");
}

TEST_F(QtDialogs, TheFilePickerTakesANameThatDoesNotExistYet) {
    WriteConfig({});
    std::vector<SeenFileDialog> seen;
    RunProgram([&](SheetWindow& sheet) {
        sheet.RequestPage(4);
        ModalAnswerer choose = ChooseInFileDialog(seen, folder.PathOf("new-printout.txt"));
        ClickWidget(ControlOf(sheet, IDC_SYSTEM_PRINTER_BROWSE));
        sheet.OkButton()->click();
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].filters, QStringList({"All Files (*)"}));
    EXPECT_EQ(seen[0].mode, QFileDialog::AnyFile);
    EXPECT_TRUE(seen[0].files.value(0).endsWith("/lpt1:"));  // the field's value to start from
    EXPECT_EQ(WrittenValue("PrinterOutput"), folder.PathOf("new-printout.txt"));
    // The dialog, closed by now, kept what it remembers nowhere.
    const QString dialogSettings = QSettings(QSettings::UserScope, "QtProject").fileName();
    EXPECT_FALSE(dialogSettings.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    EXPECT_FALSE(QFileInfo::exists(dialogSettings)) << dialogSettings.toStdString();
}

TEST_F(QtDialogs, TheFolderPickerIsTitledAndOwnedByTheSheet) {
    QDir().mkdir("tapes");
    WriteConfig({});
    std::vector<SeenFileDialog> seen;
    RunProgram([&](SheetWindow& sheet) {
        ModalAnswerer choose = ChooseInFileDialog(seen, folder.PathOf("tapes"), folder.Path());
        ClickWidget(ControlOf(sheet, IDC_PATHS_TAPE_BROWSE));
        EXPECT_EQ(FieldOf(sheet, IDC_PATHS_TAPE)->text().toStdString(), folder.PathOf("tapes"));
        sheet.OkButton()->click();
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Select Tapes Directory");
    EXPECT_EQ(seen[0].mode, QFileDialog::Directory);
    EXPECT_NE(seen[0].owner, nullptr);
    EXPECT_EQ(WrittenValue("TapePath"), folder.PathOf("tapes"));
}
