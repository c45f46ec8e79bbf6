#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "behaviour/BehaviourDriver.h"

// One thing the user does, or one thing the sheet must show at that moment.
struct Step {
    enum Kind { Show, Press, Type, Paste, Click, IsOnPage, HasFocus, HasText, HasSelected, IsChecked, ShowsMessages, IsClosed };
    Kind kind;
    int id = 0;  // page, control or sheet part; for Press, the key
    std::string text;
    std::vector<std::string> messages;
    bool flag = false;
};

// A backend that does not behave as the row says, and why. The row still
// runs there and must still differ, so that a fix shows as a failure.
struct Difference {
    BackendName backend;
    std::string reason;
};

// One behaviour, stated once for every backend. "$FOLDER" in the file, the
// picker answers, the steps and the expected file stands for the scratch
// folder the run starts in.
struct BehaviourRow {
    std::string name;
    std::optional<std::vector<std::string>> file;  // quorvane.ini's lines; none: no file
    std::vector<std::string> extraFiles;           // empty files made beside it ("roms/a.rom")
    std::vector<std::optional<std::string>> pickers;  // answers in turn; nullopt cancels
    std::vector<Step> steps;
    // The file afterwards: nullopt, left as it was; else the canonical
    // default file with these values set.
    std::optional<std::vector<std::pair<std::string, std::string>>> written;
    std::vector<std::string> messagesOutsideSheet;  // boxes shown with no sheet open
    std::vector<Difference> differs;
};

const std::vector<BehaviourRow>& BehaviourRows();

// Step builders, so that rows read as what the user does.
Step ShowPage(int page);
Step PressKey(Key key);
Step TypeText(std::string text);
Step PasteText(std::string text);
Step ClickOn(int id);
Step OnPage(int page);
Step Focused(int id);
Step TextIs(int id, std::string text);
Step AllSelected(int id);  // the field's whole text is selected
Step CheckedIs(int id, bool checked);
Step Messages(std::vector<std::string> texts);  // exactly these since the last look
Step Closed(bool closed = true);
