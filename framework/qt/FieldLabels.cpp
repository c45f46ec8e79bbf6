#include "framework/qt/FieldLabels.h"

#include <algorithm>
#include <vector>

#include "framework/core/ControlRules.h"

namespace {

int VerticalOverlap(const DialogRect& a, const DialogRect& b) {
    return std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
}

bool Holds(const DialogRect& outer, const DialogRect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// Of the controls of `kind` on the row of `controlIndex`, on the chosen side,
// the one sharing most of the row, then the nearest.
std::optional<std::size_t> NeighbourOnRow(const DialogTemplate& dialog, std::size_t controlIndex, ControlKind kind,
                                          bool toTheLeft) {
    if (controlIndex >= dialog.controls.size()) return std::nullopt;
    const DialogRect& self = dialog.controls[controlIndex].rect;
    std::optional<std::size_t> best;
    int bestOverlap = 0;
    int bestDistance = 0;
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const ControlTemplate& control = dialog.controls[i];
        if (control.kind != kind || i == controlIndex) continue;
        if (toTheLeft ? control.rect.x >= self.x : control.rect.x <= self.x) continue;
        const int overlap = VerticalOverlap(control.rect, self);
        if (overlap <= 0) continue;
        const int distance = toTheLeft ? self.x - (control.rect.x + control.rect.width) : control.rect.x - self.x;
        if (!best || overlap > bestOverlap || (overlap == bestOverlap && distance < bestDistance)) {
            best = i;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

std::optional<std::size_t> LabelBeside(const DialogTemplate& dialog, std::size_t controlIndex) {
    return NeighbourOnRow(dialog, controlIndex, ControlKind::Label, true);
}

std::optional<std::size_t> FieldOnRow(const DialogTemplate& dialog, std::size_t buttonIndex) {
    return NeighbourOnRow(dialog, buttonIndex, ControlKind::TextField, false);
}

std::optional<std::size_t> EnclosingGroupBox(const DialogTemplate& dialog, std::size_t controlIndex) {
    if (controlIndex >= dialog.controls.size()) return std::nullopt;
    const DialogRect& inner = dialog.controls[controlIndex].rect;
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const ControlTemplate& box = dialog.controls[i];
        if (box.kind != ControlKind::GroupBox || i == controlIndex || !Holds(box.rect, inner)) continue;
        if (!best || Holds(dialog.controls[*best].rect, box.rect)) best = i;
    }
    return best;
}

std::string SpokenText(std::string_view text) {
    auto trimEnd = [&] {
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    };
    trimEnd();
    if (!text.empty() && text.back() == ':') text.remove_suffix(1);
    trimEnd();
    return std::string(text);
}

std::string AccessibleNameOf(const DialogTemplate& dialog, std::size_t controlIndex) {
    if (controlIndex >= dialog.controls.size()) return {};
    const ControlTemplate& control = dialog.controls[controlIndex];
    if (!control.spokenName.empty()) return std::string(control.spokenName);
    switch (control.kind) {
        case ControlKind::TextField: {
            const auto label = LabelBeside(dialog, controlIndex);
            return label ? SpokenText(dialog.controls[*label].text) : std::string();
        }
        case ControlKind::PushButton: {
            const auto field = FieldOnRow(dialog, controlIndex);
            const std::string fieldName = field ? AccessibleNameOf(dialog, *field) : std::string();
            return fieldName.empty() ? std::string(control.text) : std::string(control.text) + " for " + fieldName;
        }
        case ControlKind::Label: return std::string(control.text);
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox: return SpokenText(control.text);
    }
    return {};
}

std::string AccessibleDescriptionOf(const DialogTemplate& dialog, std::size_t controlIndex) {
    if (controlIndex >= dialog.controls.size() || dialog.controls[controlIndex].kind != ControlKind::RadioButton) {
        return {};
    }
    const std::vector<std::size_t> group = RadioGroupOf(dialog, controlIndex);
    const auto label = group.empty() ? std::nullopt : LabelBeside(dialog, group.front());
    return label ? SpokenText(dialog.controls[*label].text) : std::string();
}
