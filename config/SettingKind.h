#pragma once

// The three shapes a setting's value can take, in the file and on a page.
enum class SettingKind {
    Text,    // 8-bit text without NUL: folders, file names
    Flag,    // "Yes"/"No" in the file, a check box on a page
    Choice,  // index of the selected radio button; -1 when none is selected
};
