#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The backends the behaviour table runs on.
enum class BackendName { Headless, Qt, Win32 };

// The keys the table presses. Ctrl+Tab and Ctrl+Shift+Tab change pages.
enum class Key { Tab, ShiftTab, Enter, Escape, CtrlTab, CtrlShiftTab, End, Up, Space };

// What the behaviour table needs of a backend: run the program in the
// working directory and play the user on its sheet. One driver per backend;
// the table and its checks are shared. Control identifiers are those of the
// active page, or the sheet's own parts (kSheetOkButton ... kSheetTabStrip).
class BehaviourDriver {
public:
    virtual ~BehaviourDriver() = default;

    virtual BackendName Backend() const = 0;

    // Answers for the pickers the run opens, in turn: a path to choose, or
    // nothing to cancel. Given before Run.
    virtual void AnswerNextPicker(std::optional<std::string> path) = 0;

    // One whole run; `user` plays once the sheet is on screen (never, when
    // the run stops before). A sheet `user` leaves open is cancelled.
    virtual void Run(const std::function<void()>& user) = 0;

    // ---- While the sheet runs.
    virtual bool SheetOpen() = 0;
    virtual void ShowPage(int page) = 0;  // a click on its tab
    virtual void Press(Key key) = 0;
    virtual void Type(std::string_view text) = 0;  // into the focused control
    virtual void Paste(std::string_view text) = 0;
    virtual void Click(int id) = 0;
    virtual int ActivePage() = 0;
    virtual int FocusedId() = 0;
    virtual std::string Text(int id) = 0;
    virtual std::string SelectedText(int id) = 0;
    virtual bool Checked(int id) = 0;

    // ---- Any time: the texts of the message boxes shown so far, in order.
    virtual std::vector<std::string> MessageBoxes() = 0;
};
