#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "behaviour/BehaviourDriver.h"

// One thing the user does, or one thing the sheet must show at that moment.
struct Step {
    enum Kind { Show, Press, Type, Paste, Click, IsOnPage, HasFocus, HasText, HasSelected, IsChecked, ShowsMessages, IsClosed };
    Kind kind;
    int id;  // page, control or sheet part; for Press, the key
    std::string_view text;
    bool flag;
};

// A backend that does not behave as the row says, and why. The row still
// runs there and must still differ, so that a fix shows as a failure.
struct Difference {
    BackendName backend;
    std::string_view reason;
};

using Lines = std::vector<std::string_view>;
using Values = std::vector<std::pair<std::string_view, std::string_view>>;

// One behaviour, stated once for every backend. "$FOLDER" in the file, the
// picker answers, the steps and the expected file stands for the scratch
// folder the run starts in. Texts are views of literals or of strings the
// table keeps for the program's length.
struct BehaviourRow {
    std::string_view name;
    std::optional<Lines> file;  // quorvane.ini's lines; none: no file
    Lines extraFiles;           // empty files made beside it ("roms/a.rom")
    std::vector<std::optional<std::string_view>> pickers;  // answers in turn; nullopt cancels
    std::vector<Step> steps;
    // The file afterwards: nullopt, left as it was; else the canonical
    // default file with these values set.
    std::optional<Values> written;
    Lines messagesOutsideSheet;  // boxes shown with no sheet open
    std::vector<Difference> differs;
};

const std::vector<BehaviourRow>& BehaviourRows();

// Step builders, so that rows read as what the user does.
Step ShowPage(int page);
Step PressKey(Key key);
Step TypeText(std::string_view text);
Step PasteText(std::string_view text);
Step ClickOn(int id);
Step OnPage(int page);
Step Focused(int id);
Step TextIs(int id, std::string_view text);
Step AllSelected(int id);  // the field's whole text is selected
Step CheckedIs(int id, bool checked);
// Exactly one message box since the last look, with this text; or none.
Step Messages(std::string_view text);
Step NoMessages();
Step Closed(bool closed = true);
