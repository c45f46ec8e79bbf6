#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// A page laid out as data: what the platform would read from a dialog resource.

enum class ControlKind { Label, TextField, CheckBox, RadioButton, PushButton, GroupBox };

inline constexpr int kNoControlId = -1;

struct DialogRect {  // dialog units
    int x;
    int y;
    int width;
    int height;
};

struct ControlTemplate {
    ControlKind kind;
    int id;  // kNoControlId for controls nothing refers to
    std::string_view text;
    DialogRect rect;
    bool groupStart;
    bool tabStop;
    // What a screen reader says for a control whose text alone says too
    // little; empty to use the text.
    std::string_view spokenName = {};
};

struct DialogTemplate {
    int id;
    std::string_view title;
    int width;   // dialog units
    int height;  // dialog units
    std::string_view fontName;
    int fontPointSize;
    std::span<const ControlTemplate> controls;
};

// Builders that set the group and tab-stop marks each kind of control carries.
constexpr ControlTemplate LabelControl(std::string_view text, DialogRect rect) {
    return {ControlKind::Label, kNoControlId, text, rect, true, false};
}
constexpr ControlTemplate TextFieldControl(int id, DialogRect rect) {
    return {ControlKind::TextField, id, {}, rect, false, true};
}
constexpr ControlTemplate CheckBoxControl(int id, std::string_view text, DialogRect rect) {
    return {ControlKind::CheckBox, id, text, rect, false, true};
}
constexpr ControlTemplate RadioGroupStartControl(int id, std::string_view text, DialogRect rect) {
    return {ControlKind::RadioButton, id, text, rect, true, false};
}
constexpr ControlTemplate RadioControl(int id, std::string_view text, DialogRect rect) {
    return {ControlKind::RadioButton, id, text, rect, false, false};
}
constexpr ControlTemplate PushButtonControl(int id, std::string_view text, DialogRect rect) {
    return {ControlKind::PushButton, id, text, rect, false, true};
}
// The control, announced to screen readers as `name`; nothing drawn changes.
constexpr ControlTemplate SpokenAs(ControlTemplate control, std::string_view name) {
    control.spokenName = name;
    return control;
}
constexpr ControlTemplate GroupBoxControl(std::string_view text, DialogRect rect) {
    return {ControlKind::GroupBox, kNoControlId, text, rect, false, false};
}
