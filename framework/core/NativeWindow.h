#pragma once

#include <cstddef>
#include <string>

// A window made by a backend. The framework's objects hold one while their
// window exists; only the backend that made it looks inside.
class NativeWindow {
public:
    virtual ~NativeWindow() = default;
};

// The controls of one page window, as data exchange reaches them. Values are
// bytes exactly as the file holds them; a backend converts for display.
class PageHost : public NativeWindow {
public:
    virtual std::string GetControlText(int id) = 0;
    virtual void SetControlText(int id, const std::string& text) = 0;
    virtual bool IsControlChecked(int id) = 0;
    virtual void SetControlChecked(int id, bool checked) = 0;
    virtual void SetTextLimit(int id, std::size_t limit) = 0;
    // Where a failed validation leaves the user: in the field, its text selected.
    virtual void FocusAndSelectAll(int id) = 0;
};
