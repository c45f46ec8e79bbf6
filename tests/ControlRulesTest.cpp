#include <gtest/gtest.h>

#include <array>

#include "framework/core/ControlRules.h"

namespace {

struct EditCase {
    const char* name;
    std::string text;
    std::size_t selectionStart, selectionEnd;
    std::string input;
    std::string expected;
    std::size_t caret;
};

}  // namespace

TEST(EditRules, TypingAndPastingStopAtTheLimitAndTheFirstLineBreak) {
    const std::string full(128, 'f');
    const std::string loaded(200, 'L');
    const EditCase cases[] = {
        {"into an empty field", "", 0, 0, "abc", "abc", 3},
        {"at the limit nothing enters", full, 128, 128, "x", full, 128},
        {"paste cut to what fits", std::string(126, 'f'), 126, 126, "xyz", std::string(126, 'f') + "xy", 128},
        {"a loaded long text stays whole", loaded, 200, 200, "x", loaded, 200},
        {"over a long text, the selection makes room", loaded, 0, 100, "abc", "abc" + std::string(100, 'L'), 3},
        {"over a long text, too little room", loaded, 0, 10, "abc", std::string(190, 'L'), 0},
        {"over a selection", "hello", 1, 4, "EY", "hEYo", 3},
        {"selection made backwards", "hello", 4, 1, "EY", "hEYo", 3},
        {"paste keeps what precedes LF", "a", 1, 1, "bc\ndef", "abc", 3},
        {"paste keeps what precedes CR LF", "", 0, 0, "one\r\ntwo", "one", 3},
        {"paste of a bare line break", "keep", 4, 4, "\nrest", "keep", 4},
        {"multi-byte text counts bytes", std::string(127, 'f'), 127, 127, "\xc3\xa9", std::string(127, 'f') + "\xc3", 128},
    };
    for (const EditCase& c : cases) {
        EditState edit{c.text, c.selectionStart, c.selectionEnd, 128};
        ReplaceSelection(edit, c.input);
        EXPECT_EQ(edit.text, c.expected) << c.name;
        EXPECT_EQ(edit.selectionStart, c.caret) << c.name;
        EXPECT_EQ(edit.selectionEnd, c.caret) << c.name;
    }
}

TEST(DialogRules, RadioGroupsRunFromMarkToMarkSkippingOtherControls) {
    constexpr std::array controls = {
        RadioGroupStartControl(1, "a", {}),  // 0
        RadioControl(2, "b", {}),            // 1
        CheckBoxControl(3, "c", {}),         // 2: inside the run, skipped
        RadioControl(4, "d", {}),            // 3
        LabelControl("stop", {}),            // 4: a label ends the group
        RadioControl(5, "e", {}),            // 5: grouped behind the label
        RadioGroupStartControl(6, "f", {}),  // 6
        GroupBoxControl("frame", {}),        // 7: not a mark
        RadioControl(7, "g", {}),            // 8: runs to the end
    };
    const DialogTemplate dialog{1, "t", 10, 10, "font", 8, controls};
    using Group = std::vector<std::size_t>;
    EXPECT_EQ(RadioGroupOf(dialog, 0), (Group{0, 1, 3}));
    EXPECT_EQ(RadioGroupOf(dialog, 3), (Group{0, 1, 3}));
    EXPECT_EQ(RadioGroupOf(dialog, 5), (Group{5}));
    EXPECT_EQ(RadioGroupOf(dialog, 8), (Group{6, 8}));
    EXPECT_EQ(TabStops(dialog), (Group{2}));
    EXPECT_EQ(FindControl(dialog, 7), std::optional<std::size_t>(8));
    EXPECT_EQ(FindControl(dialog, kNoControlId), std::nullopt);
}
