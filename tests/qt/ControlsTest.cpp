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

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

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

TEST_F(QtControls, EveryFieldBoxAndRadioButtonHasAnAccessibleName) {
    WriteConfig({});
    struct Named {
        int page;
        int id;
        const char* name;
    };
    const std::vector<Named> fields = {
        {0, IDC_PATHS_TAPE, "Tapes :"},
        {0, IDC_PATHS_DISK, "Disks :"},
        {0, IDC_PATHS_ROM, "Roms :"},
        {1, IDC_ORIC_ORIC1, "Oric-1 Rom :"},
        {1, IDC_ORIC_ATMOS, "Atmos Rom :"},
        {1, IDC_ORIC_PRAVETZ, "Pravetz Rom :"},
        {1, IDC_ORIC_MICRODISC, "Microdisc :"},
        {1, IDC_ORIC_JASMIN, "Jasmin :"},
        {1, IDC_ORIC_BD500, "BD500 :"},
        {1, IDC_ORIC_APPLE, "Pravetz :"},
        {2, IDC_TELESTRAT_BANK7, "Bank 7 :"},
        {2, IDC_TELESTRAT_BANK6, "Bank 6 :"},
        {2, IDC_TELESTRAT_BANK5, "Bank 5 :"},
        {2, IDC_TELESTRAT_BANK4, "Bank 4 :"},
        {2, IDC_TELESTRAT_BANK3, "Bank 3 :"},
        {2, IDC_TELESTRAT_BANK2, "Bank 2 :"},
        {2, IDC_TELESTRAT_BANK1, "Bank 1 :"},
        {4, IDC_SYSTEM_SOUND_FILE, "Dump Sound File (F8) :"},
        {4, IDC_SYSTEM_DUMP_FILE, "Dump State File (F9) :"},
        {4, IDC_SYSTEM_PRINTER, "Printer Output :"},
    };
    RunProgram([&](SheetWindow& sheet) {
        for (const Named& field : fields) {
            sheet.RequestPage(field.page);
            EXPECT_EQ(AccessibleName(ControlOf(sheet, field.id)), field.name) << field.id;
        }
        for (int page = 0; page < 5; ++page) {
            sheet.RequestPage(page);
            for (const ControlTemplate& control : sheet.ActivePage()->Template().controls) {
                if (control.kind != ControlKind::CheckBox && control.kind != ControlKind::RadioButton) continue;
                EXPECT_EQ(AccessibleName(ControlOf(sheet, control.id)).toStdString(), control.text);
            }
        }
        // A radio button tells which group it belongs to.
        sheet.RequestPage(3);
        EXPECT_EQ(ControlOf(sheet, IDC_ADDONS_RAM_TYPE3)->accessibleDescription(), "Ram :");
        EXPECT_EQ(ControlOf(sheet, IDC_ADDONS_JOYSTICK_IJK)->accessibleDescription(), "Joystick Interface : ");
        EXPECT_EQ(ControlOf(sheet, IDC_ADDONS_PB5_STROBE)->accessibleDescription(), "PB5 :");
        sheet.RequestPage(4);
        EXPECT_EQ(ControlOf(sheet, IDC_SYSTEM_MODE_Q)->accessibleDescription(), "Screen Mode :");
    });
}
