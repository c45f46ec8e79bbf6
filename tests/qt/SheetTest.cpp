#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>

#include "SheetDriver.h"
#include "framework/qt/ByteLineEdit.h"
#include "framework/qt/DialogUnits.h"
#include "framework/qt/PageWidget.h"
#include "framework/qt/SheetTabBar.h"
#include "framework/qt/SheetWindow.h"
#include "resources/ControlIds.h"
#include "resources/PageTemplates.h"
#include "support/HeadlessRun.h"
#include "support/ScratchFolder.h"

namespace {

class QtSheet : public ::testing::Test {
protected:
    ScratchFolder folder;
};

const std::string kLong(200, 'L');

// Names the focus: a page control's identifier, or the sheet part it is.
std::string FocusName(SheetWindow& sheet) {
    QWidget* focus = sheet.focusWidget();
    if (focus == sheet.OkButton()) return "OK";
    if (focus == sheet.CancelButton()) return "Cancel";
    if (focus == sheet.HelpButton()) return "Help";
    if (focus == sheet.Tabs()) return "tabs";
    PageWidget* page = sheet.ActivePage();
    for (const ControlTemplate& control : page->Template().controls) {
        if (page->Control(control.id) == focus) return std::to_string(control.id);
    }
    return "elsewhere";
}

}  // namespace

TEST_F(QtSheet, OpensAsTheSheetOfFivePagesCentredOnTheScreen) {
    WriteConfig({"TapePath=/tapes"});
    RunProgram([](SheetWindow& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Brindlewick");
        EXPECT_EQ(sheet.parentWidget(), nullptr);
        EXPECT_TRUE(sheet.isModal());
        EXPECT_FALSE(sheet.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
        QStringList tabs;
        for (int i = 0; i < sheet.Tabs()->count(); ++i) tabs << sheet.Tabs()->tabText(i);
        EXPECT_EQ(tabs, QStringList({"Paths", "Oric", "Telestrat", "Add-ons", "System"}));
        EXPECT_EQ(ActivePageIndex(sheet), 0);
        EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
        EXPECT_TRUE(sheet.HelpButton()->isVisible() && sheet.HelpButton()->isEnabled());

        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_LE((sheet.frameGeometry().center() - available.center()).manhattanLength(), 2);

        // Every control stands at its template rectangle in this font's units.
        const BaseUnits units = MeasureBaseUnits(TemplateFont(kPathsTemplate));
        PageWidget* page = sheet.ActivePage();
        EXPECT_EQ(page->size(), QSize(HorizontalPixels(210, units), VerticalPixels(154, units)));
        EXPECT_EQ(page->Control(IDC_PATHS_TAPE)->geometry(), ToPixels({92, 22, 111, 15}, units));
        EXPECT_EQ(page->Control(IDC_PATHS_ROM_BROWSE)->geometry(), ToPixels({7, 58, 49, 14}, units));
    });
}

TEST(DialogUnitsTest, ConvertEdgesWithTheBaseUnits) {
    const BaseUnits units{6, 13};  // the template font where it was laid out
    EXPECT_EQ(ToPixels({92, 22, 111, 15}, units), QRect(138, 36, 167, 24));
    EXPECT_EQ(HorizontalPixels(210, units), 315);
    EXPECT_EQ(VerticalPixels(154, units), 250);
}

TEST_F(QtSheet, AFieldReachedByTabHasItsTextSelected) {
    WriteConfig({"TapePath=/tapes"});
    RunProgram([](SheetWindow& sheet) {
        EXPECT_EQ(FocusName(sheet), "1002");  // the page's first stop, its Browse button
        PressKey(sheet, Qt::Key_Tab);
        ASSERT_EQ(FocusName(sheet), "1001");
        EXPECT_EQ(FieldOf(sheet, IDC_PATHS_TAPE)->selectedText(), "/tapes");
        EXPECT_TRUE(sheet.OkButton()->isDefault());  // a focused Browse button was, while it had the focus
    });
}

TEST_F(QtSheet, EnterOnAFocusedPushButtonPressesThatButton) {
    WriteConfig({});
    RunProgram([](SheetWindow& sheet) {
        int pickers = 0;
        ModalAnswerer cancel([&](QWidget& dialog) {
            ++pickers;
            EXPECT_EQ(dialog.windowTitle(), "Select Tapes Directory");
            dialog.close();
        });
        PressKey(sheet, Qt::Key_Return);  // on the first stop, Tapes' Browse
        EXPECT_EQ(pickers, 1);
        EXPECT_TRUE(sheet.isVisible());

        sheet.CancelButton()->setFocus();
        PressKey(sheet, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(sheet.result(), QDialog::Rejected);
        EXPECT_FALSE(sheet.isVisible());
    });
    EXPECT_EQ(ReadConfig(), "");
}

TEST_F(QtSheet, ALongTextRefusesEveryPageChangeAndOkWithTheMessage) {
    WriteConfig({"TapePath=" + kLong});
    RunProgram([](SheetWindow& sheet) {
        ByteLineEdit* tapes = FieldOf(sheet, IDC_PATHS_TAPE);
        ASSERT_NE(tapes, nullptr);
        EXPECT_EQ(tapes->text().size(), 200);  // shown whole

        struct Attempt {
            const char* name;
            std::function<void()> ask;
        };
        const std::vector<Attempt> attempts = {
            // Click, Ctrl+Tab, Ctrl+Shift+Tab, OK and Enter are rows of the behaviour table.
            {"Ctrl+PgDown", [&] { PressKey(sheet, Qt::Key_PageDown, Qt::ControlModifier); }},
            {"Ctrl+PgUp", [&] { PressKey(sheet, Qt::Key_PageUp, Qt::ControlModifier); }},
        };
        for (const Attempt& attempt : attempts) {
            sheet.OkButton()->setFocus();
            MessageBoxRecorder recorder;
            attempt.ask();
            ASSERT_EQ(recorder.boxes.size(), 1u) << attempt.name;
            const ShownBox& box = recorder.boxes.front();
            EXPECT_EQ(box.text, "Please enter no more than 128 characters.") << attempt.name;
            EXPECT_EQ(box.title, "brindlewick");
            EXPECT_EQ(box.icon, QMessageBox::Warning);
            EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            EXPECT_EQ(box.owner, &sheet);
            EXPECT_TRUE(sheet.isVisible()) << attempt.name;
            EXPECT_EQ(ActivePageIndex(sheet), 0) << attempt.name;
            EXPECT_EQ(sheet.Tabs()->currentIndex(), 0) << attempt.name;
            EXPECT_EQ(sheet.focusWidget(), tapes) << attempt.name;
            EXPECT_EQ(tapes->selectedText().size(), 200) << attempt.name;
        }

        // Shortened, the page lets go; the keys walk round the ends.
        TypeText(sheet, "short");
        MessageBoxRecorder recorder;
        PressKey(sheet, Qt::Key_PageUp, Qt::ControlModifier);
        EXPECT_EQ(ActivePageIndex(sheet), 4);
        EXPECT_EQ(sheet.Tabs()->currentIndex(), 4);
        PressKey(sheet, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(ActivePageIndex(sheet), 0);
        ClickTab(sheet, 2);
        EXPECT_EQ(ActivePageIndex(sheet), 2);
        EXPECT_EQ(FocusName(sheet), "1002");  // a page shown starts at its first stop
        EXPECT_TRUE(recorder.boxes.empty());
    });
    EXPECT_EQ(ReadConfig(), "TapePath=" + kLong + "\r\n");  // cancelled at the end
}

TEST_F(QtSheet, HelpSaysTheHelpEngineCannotStart) {
    WriteConfig({});
    RunProgram([](SheetWindow& sheet) {
        MessageBoxRecorder recorder;
        ClickWidget(sheet.HelpButton());
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_EQ(recorder.boxes.front().text, "Failed to launch help.");
        EXPECT_EQ(recorder.boxes.front().owner, &sheet);
        EXPECT_TRUE(sheet.isVisible());
    });
}

TEST_F(QtSheet, WithoutTheFileTheFolderIsShownInAnOwnerlessBoxAndNothingIsCreated) {
    MessageBoxRecorder recorder;
    RunProgram([](SheetWindow&) { ADD_FAILURE() << "no sheet without the file"; });
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes.front().text.toStdString(), folder.Path());
    EXPECT_EQ(recorder.boxes.front().owner, nullptr);
    EXPECT_EQ(recorder.boxes.front().icon, QMessageBox::Warning);
    EXPECT_EQ(ListFolder(folder.Path()), "");
}
