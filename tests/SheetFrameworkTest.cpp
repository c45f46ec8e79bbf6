#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "framework/core/Constants.h"
#include "resources/ControlIds.h"
#include "support/SheetUnderTest.h"

namespace {

constexpr const char* kTooLong = "Please enter no more than 128 characters.";
const std::string k200(200, 'x');

}  // namespace

TEST(Sheet, OpensAsAModalSheetWithItsButtons) {
    SheetUnderTest t;
    int focusOnOpen = 0;
    EXPECT_EQ(t.Run([&](HeadlessUser& user) { focusOnOpen = user.FocusedId(); }), IDCANCEL);
    ASSERT_EQ(t.backend.sheets.size(), 1u);
    const auto& sheet = t.backend.sheets[0];
    EXPECT_TRUE(sheet.helpButton);
    EXPECT_FALSE(sheet.applyEnabled);
    EXPECT_FALSE(sheet.contextHelpButton);
    EXPECT_TRUE(sheet.centredInWorkArea);
    EXPECT_EQ(sheet.width, 210);
    EXPECT_EQ(sheet.height, 154);
    // The first tab stop of the Paths page is its first Browse button.
    EXPECT_EQ(focusOnOpen, IDC_PATHS_TAPE_BROWSE);
}

TEST(Sheet, PagesLoadWhenShownAndStoreWhenLeft) {
    SheetUnderTest t;
    t.paths.TapePath = "/old";
    const int result = t.Run([&](HeadlessUser& user) {
        EXPECT_EQ(user.Text(IDC_PATHS_TAPE), "/old");
        user.ReplaceText(IDC_PATHS_TAPE, "/typed");
        EXPECT_EQ(t.paths.TapePath, "/old");  // nothing stored while on the page
        user.SelectTab(kAddonsPage);
        EXPECT_EQ(t.paths.TapePath, "/typed");
        EXPECT_EQ(user.FocusedId(), IDC_ADDONS_LIGHTPEN);  // a shown page has its first stop focused
        user.Click(IDC_ADDONS_DRIVE_D);
        t.paths.TapePath = "/changed meanwhile";
        user.SelectTab(kPathsPage);  // shown again: loaded again
        EXPECT_EQ(user.Text(IDC_PATHS_TAPE), "/changed meanwhile");
        user.PressOK();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(t.addons.DriveD);
    // Only pages that were shown ever had windows.
    EXPECT_EQ(t.backend.pageWindowsCreated, (std::vector<int>{107, 109}));
}

TEST(Sheet, OkStoresTheActivePageAndCancelStoresNothing) {
    SheetUnderTest ok;
    ok.Run([](HeadlessUser& user) {
        user.ReplaceText(IDC_PATHS_DISK, "/disks");
        user.PressEnter();  // on a text field Enter is the default button, OK
    });
    EXPECT_EQ(ok.paths.DiskPath, "/disks");

    SheetUnderTest cancel;
    EXPECT_EQ(cancel.Run([](HeadlessUser& user) {
        user.ReplaceText(IDC_PATHS_DISK, "/disks");
        user.SelectTab(kSystemPage);
        user.Click(IDC_SYSTEM_LOG);
        user.PressEscape();
    }),
              IDCANCEL);
    EXPECT_EQ(cancel.paths.DiskPath, "/disks");  // stored when the page was left
    EXPECT_FALSE(cancel.system.Log);             // never stored
}

TEST(Sheet, TooLongTextRefusesLeavingWithTheMessageAndFocus) {
    SheetUnderTest t;
    t.oric.AtmosRom = k200;
    t.oric.JasminEprom = k200;
    t.oric.PravetzRom = "before";
    t.Run([&](HeadlessUser& user) {
        user.SelectTab(kOricPage);
        EXPECT_EQ(user.Text(IDC_ORIC_ATMOS), k200);  // shown in full
        user.ReplaceText(IDC_ORIC_ORIC1, "first");
        user.ReplaceText(IDC_ORIC_PRAVETZ, "last");
        user.SelectTab(kTelestratPage);
        EXPECT_EQ(user.ActiveTab(), kOricPage);
        ASSERT_EQ(user.Backend().messageBoxes.size(), 1u);
        EXPECT_EQ(user.Backend().messageBoxes[0].text, kTooLong);
        EXPECT_EQ(user.Backend().messageBoxes[0].caption, "brindlewick");
        EXPECT_TRUE(user.Backend().messageBoxes[0].ownedBySheet);
        // The first long field in exchange order has the focus, all selected.
        EXPECT_EQ(user.FocusedId(), IDC_ORIC_ATMOS);
        EXPECT_EQ(user.Edit(IDC_ORIC_ATMOS).selectionStart, 0u);
        EXPECT_EQ(user.Edit(IDC_ORIC_ATMOS).selectionEnd, 200u);
        // Earlier bindings stored, the failing one took its text, later ones kept.
        EXPECT_EQ(t.oric.Oric1Rom, "first");
        EXPECT_EQ(t.oric.AtmosRom, k200);
        EXPECT_EQ(t.oric.PravetzRom, "before");

        user.PressOK();  // refused the same way
        EXPECT_TRUE(user.IsOpen());
        EXPECT_EQ(user.Backend().messageBoxes.size(), 2u);

        user.Type("short");  // over the selection
        user.SelectTab(kTelestratPage);  // now Jasmin is the first long one
        EXPECT_EQ(user.FocusedId(), IDC_ORIC_JASMIN);
        user.ReplaceText(IDC_ORIC_JASMIN, "ok");
        user.PressOK();
        EXPECT_FALSE(user.IsOpen());
    });
    EXPECT_EQ(t.oric.AtmosRom, "short");
    EXPECT_EQ(t.oric.PravetzRom, "last");
}

TEST(Sheet, TypingStopsAt128BesideALongLoadedText) {
    SheetUnderTest t;
    t.paths.TapePath = k200;
    t.Run([](HeadlessUser& user) {
        user.Click(IDC_PATHS_TAPE);
        user.Type("more");
        EXPECT_EQ(user.Text(IDC_PATHS_TAPE), k200);
        user.Click(IDC_PATHS_DISK);
        user.Type(std::string(300, 'd'));
        EXPECT_EQ(user.Text(IDC_PATHS_DISK), std::string(128, 'd'));
        user.Click(IDC_PATHS_ROM);
        user.Paste("C:\\Roms\r\nsecond line");
        EXPECT_EQ(user.Text(IDC_PATHS_ROM), "C:\\Roms");
    });
}

TEST(Sheet, TabVisitsStopsThenTheSheetButtonsAndEnterPressesAFocusedButton) {
    SheetUnderTest t;
    t.backend.AnswerNextFolderPicker({true, true, "/picked"});
    t.Run([](HeadlessUser& user) {
        std::vector<int> visited{user.FocusedId()};
        for (int i = 0; i < 10; ++i) {
            user.PressTab();
            visited.push_back(user.FocusedId());
        }
        EXPECT_EQ(visited, (std::vector<int>{1002, 1001, 1003, 1005, 1004, 1006, kSheetOkButton,
                                             kSheetCancelButton, kSheetHelpButton, kSheetTabStrip, 1002}));
        user.PressEnter();  // on the Tapes Browse button: runs its picker
        EXPECT_TRUE(user.IsOpen());
        EXPECT_EQ(user.Text(IDC_PATHS_TAPE), "/picked");
        user.PressShiftTab();
        user.PressShiftTab();
        EXPECT_EQ(user.FocusedId(), kSheetHelpButton);
        user.PressShiftTab();
        user.PressEnter();  // on Cancel
        EXPECT_FALSE(user.IsOpen());
        EXPECT_EQ(user.Result(), IDCANCEL);
    });
}

TEST(Sheet, HelpAsksForThePageTopicOrSaysItCannot) {
    SheetUnderTest t;
    t.Run([](HeadlessUser& user) {
        user.PressHelp();
        user.SelectTab(kTelestratPage);
        user.Backend().SetHelpEngineAvailable(false);
        user.PressHelp();
    });
    ASSERT_EQ(t.backend.helpRequests.size(), 2u);
    EXPECT_EQ(t.backend.helpRequests[0].helpFile, "/opt/brindlewick/brindlewick.HLP");
    EXPECT_EQ(t.backend.helpRequests[0].topic, 131072u + 107u);
    EXPECT_EQ(t.backend.helpRequests[1].topic, 131072u + 108u);
    ASSERT_EQ(t.backend.messageBoxes.size(), 1u);
    EXPECT_EQ(t.backend.messageBoxes[0].text, "Failed to launch help.");
    EXPECT_TRUE(t.backend.messageBoxes[0].ownedBySheet);
}

TEST(Sheet, HelpFileSitsBesideTheExecutableWhateverItsExtension) {
    SheetUnderTest t;
    AfxGetApp()->SetExecutablePath("C:\\Emu.v2\\brindlewick.exe");
    EXPECT_EQ(AfxGetApp()->m_pszAppName, "brindlewick");
    EXPECT_EQ(AfxGetApp()->m_pszHelpFilePath, "C:\\Emu.v2\\brindlewick.HLP");
    AfxGetApp()->SetExecutablePath("/opt/x.d/brindlewick");
    EXPECT_EQ(AfxGetApp()->m_pszHelpFilePath, "/opt/x.d/brindlewick.HLP");
}

TEST(Sheet, OtherExchangeFailuresAreShownAndKeepThePage) {
    struct Case {
        const char* what;
        const char* shown;
    };
    for (const Case c : {Case{"Not enough resources.", "Not enough resources."},
                         Case{"", "Internal application error."}}) {
        SheetUnderTest t;
        t.Run([&](HeadlessUser& user) {
            user.Page().FailNextRead(c.what);
            user.SelectTab(kOricPage);
            EXPECT_EQ(user.ActiveTab(), kPathsPage);
            user.SelectTab(kOricPage);  // the failure has passed
            EXPECT_EQ(user.ActiveTab(), kOricPage);
        });
        ASSERT_EQ(t.backend.messageBoxes.size(), 1u);
        EXPECT_EQ(t.backend.messageBoxes[0].text, c.shown);
    }
}

namespace {

// A backend that reports out of turn, as a careless platform layer might.
class CarelessBackend : public HeadlessBackend {
public:
    int RunPropertySheet(SheetCallbacks& sheet) override {
        startPage = sheet.GetStartPage();
        early = std::make_unique<HeadlessPage>(*sheet.GetPageTemplate(startPage));
        shown = std::make_unique<HeadlessPage>(*sheet.GetPageTemplate(startPage));
        sheet.OnPageSetActive(startPage, *early);  // before the window: ignored
        activeBeforeWindow = sheet.GetActiveIndex();
        sheet.OnWindowCreated(&first);
        sheet.OnWindowCreated(&second);  // again: ignored
        sheetWindowDuringRun = sheet.GetSheetWnd().m_hWnd;
        sheet.OnPageSetActive(startPage, *shown);
        return IDOK;
    }
    int startPage = -1;
    int activeBeforeWindow = 0;
    const NativeWindow* sheetWindowDuringRun = nullptr;
    NativeWindow first, second;
    std::unique_ptr<HeadlessPage> early, shown;
};

}  // namespace

TEST(Sheet, TheSessionKeepsTheCallOrderAndClampsTheStartPage) {
    for (const auto& [asked, opened] : {std::pair{9, 4}, std::pair{-2, 0}, std::pair{2, 2}}) {
        SheetUnderTest t;
        CarelessBackend careless;
        InstallBackend(&careless);
        CPropertySheet sheet("Brindlewick", nullptr, asked);
        for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{&t.paths, &t.oric, &t.telestrat, &t.addons,
                                                                         &t.system}) {
            sheet.AddPage(page);
        }
        AfxGetApp()->m_pMainWnd = &sheet;
        EXPECT_EQ(sheet.DoModal(), IDOK);
        EXPECT_EQ(careless.startPage, opened) << asked;
        EXPECT_EQ(careless.activeBeforeWindow, -1);
        EXPECT_EQ(careless.sheetWindowDuringRun, &careless.first);
        // Once the run is over every window reference is gone, exactly once.
        EXPECT_EQ(sheet.m_hWnd, nullptr);
        EXPECT_EQ(sheet.GetPage(opened)->GetHost(), nullptr);
        EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
        InstallBackend(&t.backend);
    }
}
