#include "behaviour/BehaviourTable.h"

#include <deque>

#include "framework/core/SheetRules.h"
#include "resources/ControlIds.h"
#include "support/HeadlessRun.h"

Step ShowPage(int page) { return {Step::Show, page, {}, false}; }
Step PressKey(Key key) { return {Step::Press, static_cast<int>(key), {}, false}; }
Step TypeText(std::string_view text) { return {Step::Type, 0, text, false}; }
Step PasteText(std::string_view text) { return {Step::Paste, 0, text, false}; }
Step ClickOn(int id) { return {Step::Click, id, {}, false}; }
Step OnPage(int page) { return {Step::IsOnPage, page, {}, false}; }
Step Focused(int id) { return {Step::HasFocus, id, {}, false}; }
Step TextIs(int id, std::string_view text) { return {Step::HasText, id, text, false}; }
Step AllSelected(int id) { return {Step::HasSelected, id, {}, false}; }
Step CheckedIs(int id, bool checked) { return {Step::IsChecked, id, {}, checked}; }
Step Messages(std::string_view text) { return {Step::ShowsMessages, 0, text, true}; }
Step NoMessages() { return {Step::ShowsMessages, 0, {}, false}; }
Step Closed(bool closed) { return {Step::IsClosed, 0, {}, closed}; }

namespace {

// Texts built at run time, kept for the program's length so that rows can
// hold views of them.
std::string_view Kept(std::string text) {
    static std::deque<std::string> kept;
    return kept.emplace_back(std::move(text));
}

constexpr const char* kTooLong = "Please enter no more than 128 characters.";
constexpr const char* kNoHelp = "Failed to launch help.";

// The Tab key's stops on each page, in order.
struct PageStops {
    const char* name;
    int page;
    std::vector<int> stops;
};

// Built on first use: rows are registered while the test programs start.
const std::vector<PageStops>& TabOrders() {
    static const std::vector<PageStops> orders = {
        {"Paths",
         kPathsPage,
         {IDC_PATHS_TAPE_BROWSE, IDC_PATHS_TAPE, IDC_PATHS_DISK_BROWSE, IDC_PATHS_DISK, IDC_PATHS_ROM_BROWSE,
          IDC_PATHS_ROM}},
        {"Oric",
         kOricPage,
         {IDC_ORIC_ORIC1_BROWSE, IDC_ORIC_ORIC1, IDC_ORIC_ATMOS_BROWSE, IDC_ORIC_ATMOS, IDC_ORIC_MICRODISC_BROWSE,
          IDC_ORIC_MICRODISC, IDC_ORIC_JASMIN_BROWSE, IDC_ORIC_JASMIN, IDC_ORIC_BD500_BROWSE, IDC_ORIC_BD500,
          IDC_ORIC_APPLE_BROWSE, IDC_ORIC_APPLE, IDC_ORIC_PRAVETZ_BROWSE, IDC_ORIC_PRAVETZ}},
        {"Telestrat",
         kTelestratPage,
         {IDC_TELESTRAT_BANK7_BROWSE, IDC_TELESTRAT_BANK7, IDC_TELESTRAT_BANK6_BROWSE, IDC_TELESTRAT_BANK6,
          IDC_TELESTRAT_BANK5_BROWSE, IDC_TELESTRAT_BANK5, IDC_TELESTRAT_BANK4_BROWSE, IDC_TELESTRAT_BANK4,
          IDC_TELESTRAT_BANK3_BROWSE, IDC_TELESTRAT_BANK3, IDC_TELESTRAT_BANK2_BROWSE, IDC_TELESTRAT_BANK2,
          IDC_TELESTRAT_BANK1_BROWSE, IDC_TELESTRAT_BANK1, IDC_TELESTRAT_JOYSTICK, IDC_TELESTRAT_MOUSE}},
        {"Addons",
         kAddonsPage,
         {IDC_ADDONS_LIGHTPEN, IDC_ADDONS_CLOCK, IDC_ADDONS_PRINTER, IDC_ADDONS_PRINT_NULS, IDC_ADDONS_FIX_CRS,
          IDC_ADDONS_OVERLAY_RAM, IDC_ADDONS_DRIVE_A, IDC_ADDONS_DRIVE_B, IDC_ADDONS_DRIVE_C, IDC_ADDONS_DRIVE_D}},
        {"System",
         kSystemPage,
         {IDC_SYSTEM_SCANLINES, IDC_SYSTEM_MONOCHROME, IDC_SYSTEM_DUMP_SOUND, IDC_SYSTEM_SOUND_FILE_BROWSE,
          IDC_SYSTEM_SOUND_FILE, IDC_SYSTEM_LOG, IDC_SYSTEM_DUMP_FILE_BROWSE, IDC_SYSTEM_DUMP_FILE,
          IDC_SYSTEM_PRINTER_BROWSE, IDC_SYSTEM_PRINTER}},
    };
    return orders;
}

// Round the page's stops and the sheet's parts with Tab, and back with Shift+Tab.
BehaviourRow TabOrderRow(const PageStops& page) {
    std::vector<int> round = page.stops;
    for (int part : {kSheetOkButton, kSheetCancelButton, kSheetHelpButton, kSheetTabStrip}) round.push_back(part);
    round.push_back(page.stops.front());
    BehaviourRow row{Kept(std::string("TabOrder") + page.name), Lines{}, {}, {}, {ShowPage(page.page)}, {}, {}, {}};
    row.steps.push_back(Focused(round.front()));
    for (std::size_t i = 1; i < round.size(); ++i) {
        row.steps.push_back(PressKey(Key::Tab));
        row.steps.push_back(Focused(round[i]));
    }
    for (std::size_t i = round.size() - 1; i > 0; --i) {
        row.steps.push_back(PressKey(Key::ShiftTab));
        row.steps.push_back(Focused(round[i - 1]));
    }
    row.steps.push_back(OnPage(page.page));
    return row;
}

// Two fields loaded too long: leaving the page reports the first in the
// order the page exchanges them, which is not always the order on screen.
struct LongPair {
    const char* name;
    int page;
    const char* firstKey;
    const char* secondKey;
    int reported;
};

const std::vector<LongPair>& LongPairs() {
    static const std::vector<LongPair> pairs = {
        // Pravetz Rom stands above the disc controllers but is exchanged last.
        {"Oric", kOricPage, "PravetzRom", "BD500Eprom", IDC_ORIC_BD500},
        // The state dump file stands below the sound file but is exchanged first.
        {"System", kSystemPage, "SoundFile", "DumpFile", IDC_SYSTEM_DUMP_FILE},
        // The two lowest banks' identifiers cross over.
        {"Telestrat", kTelestratPage, "Bank1", "Bank2", IDC_TELESTRAT_BANK2},
    };
    return pairs;
}

BehaviourRow LongPairRow(const LongPair& pair) {
    const std::string longText(140, 'z');
    return {Kept(std::string("FirstLongFieldInExchangeOrderIsReported") + pair.name),
            Lines{Kept(std::string(pair.firstKey) + "=" + longText), Kept(std::string(pair.secondKey) + "=" + longText)},
            {},
            {},
            {ShowPage(pair.page), ShowPage(kPathsPage), Messages(kTooLong), OnPage(pair.page), Focused(pair.reported),
             AllSelected(pair.reported)},
            {},
            {},
            {}};
}

// Test data, not code under test: left out of AddressSanitizer, which
// would otherwise take longer over this one function than over the rest.
__attribute__((no_sanitize_address)) std::vector<BehaviourRow> MakeRows() {
    const std::string_view l200 = Kept(std::string(200, 'L'));
    const std::string_view x126 = Kept(std::string(126, 'x'));
    const std::string_view q126 = Kept("p1" + std::string(126, 'q'));
    std::vector<BehaviourRow> rows;
    for (const PageStops& page : TabOrders()) rows.push_back(TabOrderRow(page));
    for (const LongPair& pair : LongPairs()) rows.push_back(LongPairRow(pair));

    rows.push_back({"AShownPageHasItsFirstStopFocused",
                    Lines{},
                    {},
                    {},
                    {Focused(IDC_PATHS_TAPE_BROWSE), ShowPage(kOricPage), Focused(IDC_ORIC_ORIC1_BROWSE),
                     ShowPage(kTelestratPage), Focused(IDC_TELESTRAT_BANK7_BROWSE), ShowPage(kAddonsPage),
                     Focused(IDC_ADDONS_LIGHTPEN), ShowPage(kSystemPage), Focused(IDC_SYSTEM_SCANLINES),
                     PressKey(Key::CtrlTab), OnPage(kPathsPage), Focused(IDC_PATHS_TAPE_BROWSE),
                     PressKey(Key::CtrlShiftTab), OnPage(kSystemPage), Focused(IDC_SYSTEM_SCANLINES)},
                    {},
                    {},
                    {}});
    rows.push_back({"EnterInAFieldIsOkAndWritesTheCanonicalFile",
                    Lines{"; a comment", "Unknown=1", "DriveA=No", "TapePath=/tapes"},
                    {},
                    {},
                    {PressKey(Key::Tab), Focused(IDC_PATHS_TAPE), AllSelected(IDC_PATHS_TAPE), PressKey(Key::Enter),
                     Closed()},
                    Values{{"TapePath", "/tapes"}, {"DriveA", "No"}},
                    {},
                    {}});
    rows.push_back({"EnterOnACheckBoxIsOk",
                    Lines{},
                    {},
                    {},
                    {ShowPage(kAddonsPage), ClickOn(IDC_ADDONS_DRIVE_D), PressKey(Key::Enter), Closed()},
                    Values{{"DriveD", "Yes"}},
                    {},
                    {}});
    rows.push_back({"EnterOnAFocusedBrowseButtonPressesIt",
                    Lines{"TapePath=/tapes"},
                    {},
                    {std::nullopt},
                    {Focused(IDC_PATHS_TAPE_BROWSE), PressKey(Key::Enter), Closed(false), TextIs(IDC_PATHS_TAPE, "/tapes"),
                     PressKey(Key::Escape), Closed()},
                    {},
                    {},
                    {}});
    rows.push_back({"EscapeCancelsAndWritesNothing",
                    Lines{"TapePath=/tapes"},
                    {},
                    {},
                    {PressKey(Key::Tab), TypeText("edited"), ShowPage(kAddonsPage), ClickOn(IDC_ADDONS_DRIVE_D),
                     PressKey(Key::Escape), Closed()},
                    {},
                    {},
                    {}});
    // Every way off the page, and OK, is refused with the message; the field
    // is focused with its whole text selected, so that typing replaces it.
    std::vector<Step> refusal = {Messages(kTooLong), OnPage(kPathsPage), Focused(IDC_PATHS_TAPE),
                                 AllSelected(IDC_PATHS_TAPE), Closed(false)};
    std::vector<Step> longSteps = {TextIs(IDC_PATHS_TAPE, l200)};
    for (const Step& leave : {ShowPage(kTelestratPage), PressKey(Key::CtrlTab), PressKey(Key::CtrlShiftTab),
                              ClickOn(kSheetOkButton), PressKey(Key::Enter)}) {
        longSteps.push_back(leave);
        longSteps.insert(longSteps.end(), refusal.begin(), refusal.end());
    }
    for (const Step& step : {PressKey(Key::End), TypeText("x"), TextIs(IDC_PATHS_TAPE, l200),  // no more input
                             PressKey(Key::ShiftTab), PressKey(Key::Tab), TypeText("short"), PressKey(Key::CtrlShiftTab),
                             NoMessages(), OnPage(kSystemPage), PressKey(Key::Enter), Closed()}) {
        longSteps.push_back(step);
    }
    rows.push_back({"ALongTextRefusesEveryPageChangeAndOk",
                    Lines{Kept("TapePath=" + std::string(l200))},
                    {},
                    {},
                    longSteps,
                    Values{{"TapePath", "short"}},
                    {},
                    {}});
    rows.push_back({"TypingAndPastingStopAtTheLimit",
                    Lines{Kept("TapePath=" + std::string(x126))},
                    {},
                    {},
                    {PressKey(Key::Tab), PressKey(Key::End), TypeText("abcd"), TextIs(IDC_PATHS_TAPE, Kept(std::string(x126) + "ab")),
                     PressKey(Key::ShiftTab), PressKey(Key::Tab), PasteText("p1\rp2\r\n"), TextIs(IDC_PATHS_TAPE, "p1"),
                     PasteText(Kept(std::string(200, 'q'))), TextIs(IDC_PATHS_TAPE, q126),
                     PressKey(Key::Enter), Closed()},
                    Values{{"TapePath", q126}},
                    {},
                    {}});
    rows.push_back({"ARadioGroupWithNoButtonSelectedKeepsItsValue",
                    Lines{"RamPattern=3"},
                    {},
                    {},
                    {ShowPage(kAddonsPage), CheckedIs(IDC_ADDONS_RAM_TYPE1, false),
                     CheckedIs(IDC_ADDONS_RAM_TYPE2, false), CheckedIs(IDC_ADDONS_RAM_TYPE3, false),
                     CheckedIs(IDC_ADDONS_CPU_6502, true), ShowPage(kSystemPage), ShowPage(kAddonsPage),
                     ClickOn(kSheetOkButton), Closed()},
                    Values{{"RamPattern", "3"}},
                    {},
                    {}});
    // Tab never stops on a radio button; the arrow keys walk a page's
    // buttons so that the keyboard still reaches every setting.
    rows.push_back({"TheArrowKeysReachTheRadioButtons",
                    Lines{},
                    {},
                    {},
                    {ShowPage(kAddonsPage), Focused(IDC_ADDONS_LIGHTPEN), PressKey(Key::Up),
                     Focused(IDC_ADDONS_CPU_65C02), PressKey(Key::Space), CheckedIs(IDC_ADDONS_CPU_65C02, true),
                     PressKey(Key::Enter), Closed()},
                    Values{{"Cpu", "65C02"}},
                    {},
                    {{BackendName::Headless, "the model has no arrow keys: a click reaches a radio button"},
                     {BackendName::Win32,
                      "the dialog manager's arrow keys stay inside a group, and Tab skips the radio groups: "
                      "no key reaches them"}}});
    rows.push_back({"TheRomPickerShortensAndTheCrossedBanksFillTheirOwnFields",
                    Lines{"RomPath=$FOLDER/roms"},
                    {"roms/two.rom", "roms/one.rom"},
                    {"$FOLDER/roms/two.rom", "$FOLDER/roms/one.rom"},
                    {ShowPage(kTelestratPage), ClickOn(IDC_TELESTRAT_BANK2_BROWSE),
                     TextIs(IDC_TELESTRAT_BANK2, "two.rom"), TextIs(IDC_TELESTRAT_BANK1, ""),
                     ClickOn(IDC_TELESTRAT_MOUSE), CheckedIs(IDC_TELESTRAT_MOUSE, true),
                     // The Browse reload undoes the tick the page never stored.
                     ClickOn(IDC_TELESTRAT_BANK1_BROWSE), TextIs(IDC_TELESTRAT_BANK1, "one.rom"),
                     TextIs(IDC_TELESTRAT_BANK2, "two.rom"), CheckedIs(IDC_TELESTRAT_MOUSE, false),
                     ClickOn(kSheetOkButton), Closed()},
                    Values{
                        {"RomPath", "$FOLDER/roms"}, {"Bank2", "two.rom"}, {"Bank1", "one.rom"}},
                    {},
                    {}});
    rows.push_back({"CancellingTheFolderPickerReloadsThePage",
                    Lines{"TapePath=kept"},
                    {},
                    {std::nullopt},
                    {PressKey(Key::Tab), TypeText("typed over"), ClickOn(IDC_PATHS_TAPE_BROWSE),
                     TextIs(IDC_PATHS_TAPE, "kept"), ClickOn(kSheetOkButton), Closed()},
                    Values{{"TapePath", "kept"}},
                    {},
                    {}});
    rows.push_back({"HelpSaysTheHelpEngineCannotStart",
                    Lines{},
                    {},
                    {},
                    {ClickOn(kSheetHelpButton), Messages(kNoHelp), Closed(false), OnPage(kPathsPage)},
                    {},
                    {},
                    {}});
    rows.push_back({"WithoutTheFileTheFolderIsShownAndNothingIsCreated",
                    std::nullopt,
                    {},
                    {},
                    {},
                    {},
                    {"$FOLDER"},
                    {}});
    return rows;
}

}  // namespace

const std::vector<BehaviourRow>& BehaviourRows() {
    static const std::vector<BehaviourRow> rows = MakeRows();
    return rows;
}
