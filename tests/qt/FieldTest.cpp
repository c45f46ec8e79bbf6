#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <memory>

#include "SheetDriver.h"
#include "framework/qt/ByteLineEdit.h"
#include "framework/qt/SheetWindow.h"
#include "resources/ControlIds.h"
#include "support/ScratchFolder.h"

namespace {

class QtField : public ::testing::Test {
protected:
    ScratchFolder folder;
};

// Puts the user at the end of a field's text.
ByteLineEdit* ClickInto(SheetWindow& sheet, int id) {
    ByteLineEdit* field = FieldOf(sheet, id);
    field->setFocus(Qt::MouseFocusReason);
    field->end(false);
    return field;
}

void Paste(SheetWindow& sheet, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    PressKey(sheet, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

TEST_F(QtField, TypedTextReachesTheFile) {
    WriteConfig({"TapePath=/ta"});
    RunProgram([](SheetWindow& sheet) {
        ClickInto(sheet, IDC_PATHS_TAPE);
        TypeText(sheet, "pes");
        PressKey(sheet, Qt::Key_Left);
        PressKey(sheet, Qt::Key_Backspace);
        TypeText(sheet, QString::fromUtf8("\xC3\xA9"));
        sheet.OkButton()->click();
    });
    EXPECT_EQ(WrittenValue("TapePath"), "/tap\xC3\xA9s");
}

TEST_F(QtField, TypingAndPastingStopAt128BytesBesideALongLoadedText) {
    const std::string near(126, 'n');
    WriteConfig({"TapePath=" + std::string(200, 'L'), "DiskPath=" + near});
    RunProgram([&](SheetWindow& sheet) {
        ByteLineEdit* tapes = ClickInto(sheet, IDC_PATHS_TAPE);
        EXPECT_EQ(tapes->text().size(), 200);
        TypeText(sheet, "x");
        Paste(sheet, "y");
        EXPECT_EQ(tapes->text().size(), 200);  // shown whole, takes nothing more
        tapes->setSelection(0, 150);
        TypeText(sheet, "z");  // the selection goes, the key too: 50 + 1 still fits
        EXPECT_EQ(tapes->text(), "z" + QString(50, 'L'));

        ByteLineEdit* disks = ClickInto(sheet, IDC_PATHS_DISK);
        TypeText(sheet, QString::fromUtf8("\xC3\xA9\xC3\xA9"));  // two bytes each: one fits
        EXPECT_EQ(disks->Bytes(), near + "\xC3\xA9");
        disks->selectAll();
        Paste(sheet, QString(300, 'p'));
        EXPECT_EQ(disks->text(), QString(128, 'p'));

        ByteLineEdit* roms = ClickInto(sheet, IDC_PATHS_ROM);
        Paste(sheet, "/first/line\r\n/second");
        Paste(sheet, "\nnothing");
        EXPECT_EQ(roms->text(), "/first/line");
        QGuiApplication::clipboard()->setText(QString(300, 'm'));  // the menu's Paste keeps the limit too
        std::unique_ptr<QMenu> menu(roms->CreateContextMenu());
        QAction* paste = menu->findChild<QAction*>("edit-paste");
        ASSERT_NE(paste, nullptr);
        paste->trigger();
        EXPECT_EQ(roms->text().size(), 128);
        roms->setSelection(11, 117);
        roms->del();

        // An input method's composed text is typed like keys.
        ByteLineEdit* tapesAgain = ClickInto(sheet, IDC_PATHS_TAPE);
        tapesAgain->selectAll();
        QInputMethodEvent composed;
        composed.setCommitString(QString(130, 'c'));
        QApplication::sendEvent(tapesAgain, &composed);
        EXPECT_EQ(tapesAgain->text(), QString(128, 'c'));
        sheet.OkButton()->click();
    });
    EXPECT_EQ(WrittenValue("RomPath"), "/first/line");
    EXPECT_EQ(WrittenValue("DiskPath"), std::string(128, 'p'));
    EXPECT_EQ(WrittenValue("TapePath"), std::string(128, 'c'));
}

TEST_F(QtField, AValueThatIsNotUtf8IsWrittenBackByteForByteUnlessEdited) {
    const std::string latin = "/jeux/\xE9t\xE9";  // Windows-1252 bytes
    WriteConfig({"TapePath=" + latin, "DiskPath=" + latin, "RomPath=/r\xF6m"});
    RunProgram([](SheetWindow& sheet) {
        EXPECT_EQ(FieldOf(sheet, IDC_PATHS_TAPE)->text(), QString::fromUtf8("/jeux/\xEF\xBF\xBDt\xEF\xBF\xBD"));
        ClickInto(sheet, IDC_PATHS_DISK);
        TypeText(sheet, "s");
        ClickInto(sheet, IDC_PATHS_ROM);
        TypeText(sheet, "x");
        PressKey(sheet, Qt::Key_Backspace);  // edited, then back as it was
        // Leaving the page and coming back loads the same bytes again.
        PressKey(sheet, Qt::Key_Tab, Qt::ControlModifier);
        PressKey(sheet, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        sheet.OkButton()->click();
    });
    EXPECT_EQ(WrittenValue("TapePath"), latin);
    EXPECT_EQ(WrittenValue("RomPath"), "/r\xF6m");
    EXPECT_EQ(WrittenValue("DiskPath"), "/jeux/\xEF\xBF\xBDt\xEF\xBF\xBDs");  // what the user saw and edited
}
