// Prints what a screen reader should find on each page, one control a line,
// from the page templates: page, the group it is in (the page's name when
// none), role, name, description, and the label it is labelled by.
// tests/qt/accessibility.py checks the running program against it.

#include <cstdio>
#include <string>

#include "framework/qt/FieldLabels.h"
#include "resources/PageTemplates.h"

namespace {

// Roles by their AT-SPI names.
const char* RoleOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return "label";
        case ControlKind::TextField: return "text";
        case ControlKind::CheckBox: return "check box";
        case ControlKind::RadioButton: return "radio button";
        case ControlKind::PushButton: return "push button";
        case ControlKind::GroupBox: return "panel";  // Qt's group role, as AT-SPI names it
    }
    return "";
}

void PrintPage(const DialogTemplate& page) {
    const std::string title(page.title);
    for (std::size_t i = 0; i < page.controls.size(); ++i) {
        const ControlTemplate& control = page.controls[i];
        const auto box = EnclosingGroupBox(page, i);
        const std::string group = box ? AccessibleNameOf(page, *box) : title;
        std::string labelledBy;
        if (control.kind == ControlKind::TextField) {
            if (const auto label = LabelBeside(page, i)) labelledBy = std::string(page.controls[*label].text);
        }
        std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", title.c_str(), group.c_str(), RoleOf(control.kind),
                    AccessibleNameOf(page, i).c_str(), AccessibleDescriptionOf(page, i).c_str(), labelledBy.c_str());
    }
}

}  // namespace

int main() {
    for (const DialogTemplate* page :
         {&kPathsTemplate, &kOricTemplate, &kTelestratTemplate, &kAddonsTemplate, &kSystemTemplate}) {
        PrintPage(*page);
    }
    return 0;
}
