#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>

#include "SheetDriver.h"
#include "framework/qt/SheetWindow.h"
#include "resources/ControlIds.h"
#include "support/ScratchFolder.h"

// A file picker given no folder starts in the working directory, whatever
// folder pickers were used, confirmed or cancelled, before it in the run.

namespace {

class QtPickerStart : public ::testing::Test {
protected:
    ScratchFolder folder;
};

}  // namespace

TEST_F(QtPickerStart, AFilePickerWithNoFolderStartsInTheWorkingDirectoryAfterFolderPickers) {
    QDir().mkdir("elsewhere");
    const QString elsewhere = QDir::current().absoluteFilePath("elsewhere");
    for (const bool confirm : {true, false}) {
        WriteConfig({});
        std::vector<QString> startedIn;
        RunProgram([&](SheetWindow& sheet) {
            {
                // The folder picker is taken to another folder, then confirmed or cancelled.
                ModalAnswerer browse([&](QWidget& modal) {
                    auto* dialog = qobject_cast<QFileDialog*>(&modal);
                    if (dialog != nullptr) dialog->setDirectory(elsewhere);
                    if (dialog != nullptr && confirm) {
                        dialog->selectFile(elsewhere);
                        static_cast<QDialog*>(dialog)->accept();
                    } else {
                        modal.close();
                    }
                });
                ClickWidget(ControlOf(sheet, IDC_PATHS_TAPE_BROWSE));
            }
            sheet.RequestPage(4);
            ModalAnswerer look([&](QWidget& modal) {
                if (auto* dialog = qobject_cast<QFileDialog*>(&modal)) startedIn.push_back(dialog->directory().absolutePath());
                modal.close();
            });
            for (int id : {IDC_SYSTEM_SOUND_FILE_BROWSE, IDC_SYSTEM_DUMP_FILE_BROWSE, IDC_SYSTEM_PRINTER_BROWSE}) {
                ClickWidget(ControlOf(sheet, id));
            }
        });
        ASSERT_EQ(startedIn.size(), 3u) << (confirm ? "confirmed" : "cancelled");
        for (const QString& start : startedIn) {
            EXPECT_EQ(start.toStdString(), QDir::currentPath().toStdString()) << (confirm ? "confirmed" : "cancelled");
        }
    }
}
