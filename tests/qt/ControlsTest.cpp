#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QImage>
#include <algorithm>
#include <QPushButton>
#include <QTest>

#include "SheetDriver.h"
#include "framework/qt/PageWidget.h"
#include "framework/qt/SheetWindow.h"
#include "resources/ControlIds.h"
#include "support/ScratchFolder.h"

namespace {

class QtControls : public ::testing::Test {
protected:
    ScratchFolder folder;
};

bool Checked(SheetWindow& sheet, int id) { return qobject_cast<QAbstractButton*>(ControlOf(sheet, id))->isChecked(); }

}  // namespace

TEST_F(QtControls, ACheckBoxTogglesOnAClickOnItsTextOrItsBox) {
    WriteConfig({"ScanLines=No", "Log=Yes"});
    RunProgram([](SheetWindow& sheet) {
        sheet.RequestPage(4);
        QWidget* scanlines = ControlOf(sheet, IDC_SYSTEM_SCANLINES);
        QTest::mouseClick(scanlines, Qt::LeftButton, Qt::NoModifier, QPoint(2, scanlines->height() / 2));
        EXPECT_TRUE(Checked(sheet, IDC_SYSTEM_SCANLINES));
        QWidget* log = ControlOf(sheet, IDC_SYSTEM_LOG);
        QTest::mouseClick(log, Qt::LeftButton, Qt::NoModifier, QPoint(log->width() - 4, log->height() / 2));
        EXPECT_FALSE(Checked(sheet, IDC_SYSTEM_LOG));
        PressKey(sheet, Qt::Key_Space);  // the clicked box has the focus
        PressKey(sheet, Qt::Key_Space);
        sheet.OkButton()->click();
    });
    EXPECT_EQ(WrittenValue("ScanLines"), "Yes");
    EXPECT_EQ(WrittenValue("Log"), "No");
}

// Columns of a rendered control where something dark is drawn: text, a frame.
std::vector<bool> InkedColumns(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    std::vector<bool> inked(static_cast<std::size_t>(image.width()), false);
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 128 && qGray(pixel) < 160) inked[static_cast<std::size_t>(x)] = true;
        }
    }
    return inked;
}

TEST_F(QtControls, ACheckBoxShowsItsTextLeftAndItsBoxAtTheRightEdge) {
    WriteConfig({"MonochromeVGA=Yes"});
    RunProgram([](SheetWindow& sheet) {
        sheet.RequestPage(4);
        QWidget* box = ControlOf(sheet, IDC_SYSTEM_MONOCHROME);  // "Monochrome VGA :", wider than its text
        const std::vector<bool> inked = InkedColumns(box);
        ASSERT_GT(inked.size(), 40u);
        const auto firstInk = std::find(inked.begin(), inked.end(), true) - inked.begin();
        EXPECT_LE(firstInk, 2) << "the text starts at the left edge";
        // The tick stands in the box at the right edge, clear of the text.
        const auto boxStart = inked.end() - 16;
        EXPECT_NE(std::find(boxStart, inked.end(), true), inked.end());
        EXPECT_NE(std::find(boxStart - 8, boxStart, false), boxStart);
    });
}

TEST_F(QtControls, RadioGroupsMayShowNoSelectionAndAClickSelectsWithinTheGroupOnly) {
    WriteConfig({"RamPattern=3", "Cpu=6502", "SelectRomWithPB5=Strobe"});
    RunProgram([](SheetWindow& sheet) {
        sheet.RequestPage(3);
        for (int id : {IDC_ADDONS_RAM_TYPE1, IDC_ADDONS_RAM_TYPE2, IDC_ADDONS_RAM_TYPE3}) {
            EXPECT_FALSE(Checked(sheet, id)) << id;
        }
        ClickWidget(ControlOf(sheet, IDC_ADDONS_RAM_TYPE2));
        ClickWidget(ControlOf(sheet, IDC_ADDONS_RAM_TYPE2));  // a second click keeps it
        ClickWidget(ControlOf(sheet, IDC_ADDONS_CPU_65C02));
        EXPECT_TRUE(Checked(sheet, IDC_ADDONS_RAM_TYPE2));
        EXPECT_FALSE(Checked(sheet, IDC_ADDONS_RAM_TYPE1) || Checked(sheet, IDC_ADDONS_RAM_TYPE3));
        EXPECT_TRUE(Checked(sheet, IDC_ADDONS_CPU_65C02));
        EXPECT_FALSE(Checked(sheet, IDC_ADDONS_CPU_6502));
        EXPECT_TRUE(Checked(sheet, IDC_ADDONS_PB5_STROBE));  // other groups keep theirs
        sheet.OkButton()->click();
    });
    EXPECT_EQ(WrittenValue("RamPattern"), "1");
    EXPECT_EQ(WrittenValue("Cpu"), "65C02");
    EXPECT_EQ(WrittenValue("SelectRomWithPB5"), "Strobe");
}

TEST_F(QtControls, TheKeyboardAloneReachesAndSelectsRadioButtons) {
    WriteConfig({"VGAMode=X"});
    RunProgram([](SheetWindow& sheet) {
        sheet.RequestPage(4);
        // From "Scanlines :", the first stop, back over the check boxes to "Mode Q".
        PressKey(sheet, Qt::Key_Up);
        EXPECT_EQ(sheet.focusWidget(), ControlOf(sheet, IDC_SYSTEM_MODE_Q));
        PressKey(sheet, Qt::Key_Space);
        EXPECT_TRUE(Checked(sheet, IDC_SYSTEM_MODE_Q));
        EXPECT_FALSE(Checked(sheet, IDC_SYSTEM_MODE_X));
        PressKey(sheet, Qt::Key_Tab);  // Tab picks up the cycle again at its start
        EXPECT_EQ(sheet.focusWidget(), ControlOf(sheet, IDC_SYSTEM_SCANLINES));
        PressKey(sheet, Qt::Key_Return);
    });
    EXPECT_EQ(WrittenValue("VGAMode"), "Q");
}

TEST_F(QtControls, ScreenReadersHearEachControlsRoleAndPurpose) {
    WriteConfig({"RamPattern=3"});
    struct Heard {
        int page;
        int id;
        QAccessible::Role role;
        const char* name;
        const char* description;
    };
    const std::vector<Heard> heard = {
        {0, IDC_PATHS_TAPE, QAccessible::EditableText, "Tapes", ""},
        {0, IDC_PATHS_TAPE_BROWSE, QAccessible::Button, "Browse for Tapes", ""},
        {1, IDC_ORIC_PRAVETZ_BROWSE, QAccessible::Button, "Browse for Pravetz Rom", ""},
        {1, IDC_ORIC_APPLE, QAccessible::EditableText, "Pravetz", ""},
        {2, IDC_TELESTRAT_BANK7_BROWSE, QAccessible::Button, "Browse for Bank 7", ""},
        {3, IDC_ADDONS_DRIVE_A, QAccessible::CheckBox, "Drive A", ""},
        {3, IDC_ADDONS_RAM_TYPE3, QAccessible::RadioButton, "Type 3", "Ram"},
        {3, IDC_ADDONS_JOYSTICK_IJK, QAccessible::RadioButton, "IJK", "Joystick Interface"},
        {4, IDC_SYSTEM_SOUND_FILE_BROWSE, QAccessible::Button, "Browse for Dump Sound File (F8)", ""},
        {4, IDC_SYSTEM_SCANLINES, QAccessible::CheckBox, "Scanlines", ""},
        {4, IDC_SYSTEM_MODE_Q, QAccessible::RadioButton, "Mode Q", "Screen Mode"},
    };
    RunProgram([&](SheetWindow& sheet) {
        for (const Heard& control : heard) {
            sheet.RequestPage(control.page);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(ControlOf(sheet, control.id));
            ASSERT_NE(accessible, nullptr) << control.name;
            EXPECT_EQ(accessible->role(), control.role) << control.name;
            EXPECT_EQ(accessible->text(QAccessible::Name), control.name);
            EXPECT_EQ(accessible->text(QAccessible::Description), control.description) << control.name;
        }
        // A radio group with no button selected is still a radio group.
        sheet.RequestPage(3);
        for (int id : {IDC_ADDONS_RAM_TYPE1, IDC_ADDONS_RAM_TYPE2, IDC_ADDONS_RAM_TYPE3}) {
            EXPECT_FALSE(Checked(sheet, id));
            EXPECT_EQ(QAccessible::queryAccessibleInterface(ControlOf(sheet, id))->role(), QAccessible::RadioButton);
        }
        ClickWidget(ControlOf(sheet, IDC_ADDONS_RAM_TYPE2));
        ClickWidget(ControlOf(sheet, IDC_ADDONS_RAM_TYPE1));
        EXPECT_TRUE(Checked(sheet, IDC_ADDONS_RAM_TYPE1));
        EXPECT_FALSE(Checked(sheet, IDC_ADDONS_RAM_TYPE2));
    });
}
