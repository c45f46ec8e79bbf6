#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

#include "SheetDriver.h"
#include "framework/qt/ByteLineEdit.h"
#include "framework/qt/SheetTabBar.h"
#include "framework/qt/SheetWindow.h"
#include "resources/ControlIds.h"
#include "support/ScratchFolder.h"

// A screen reader changes pages by the tab's own "press" action, which Qt
// carries out by setting the tab bar's current index; the page being left
// must still have its say.

namespace {

class QtTabAction : public ::testing::Test {
protected:
    ScratchFolder folder;
};

void PressTab(SheetWindow& sheet, int index) {
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(sheet.Tabs());
    ASSERT_NE(tabs, nullptr);
    QAccessibleInterface* tab = tabs->child(index);
    ASSERT_NE(tab, nullptr);
    ASSERT_NE(tab->actionInterface(), nullptr);
    tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace

TEST_F(QtTabAction, PressingATabAsksThePageBeingLeftFirst) {
    WriteConfig({"TapePath=" + std::string(200, 't')});
    RunProgram([](SheetWindow& sheet) {
        {
            MessageBoxRecorder recorder;
            PressTab(sheet, 2);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !recorder.boxes.empty(); }, 5000));
            ASSERT_EQ(recorder.boxes.size(), 1u);
            EXPECT_EQ(recorder.boxes.front().text, "Please enter no more than 128 characters.");
            EXPECT_EQ(ActivePageIndex(sheet), 0);
            EXPECT_EQ(sheet.Tabs()->currentIndex(), 0);
        }
        // Once the field is shortened the same press shows the page, and a
        // click on a tab afterwards still works.
        FieldOf(sheet, IDC_PATHS_TAPE)->SetBytes("/tapes");
        PressTab(sheet, 2);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ActivePageIndex(sheet) == 2; }, 5000));
        EXPECT_EQ(sheet.Tabs()->currentIndex(), 2);
        ClickTab(sheet, 1);
        EXPECT_EQ(ActivePageIndex(sheet), 1);
        EXPECT_EQ(sheet.Tabs()->currentIndex(), 1);
    });
}
