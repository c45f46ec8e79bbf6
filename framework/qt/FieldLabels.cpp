#include "framework/qt/FieldLabels.h"

#include <algorithm>

namespace {
int VerticalOverlap(const DialogRect& a, const DialogRect& b) {
    return std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
}
}  // namespace

std::optional<std::size_t> LabelBeside(const DialogTemplate& dialog, std::size_t controlIndex) {
    if (controlIndex >= dialog.controls.size()) return std::nullopt;
    const DialogRect& field = dialog.controls[controlIndex].rect;
    std::optional<std::size_t> best;
    int bestOverlap = 0;
    int bestRight = 0;
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const ControlTemplate& control = dialog.controls[i];
        if (control.kind != ControlKind::Label || control.rect.x >= field.x) continue;
        const int overlap = VerticalOverlap(control.rect, field);
        if (overlap <= 0) continue;
        // The most of the row shared wins; then the closest to the field.
        const int right = control.rect.x + control.rect.width;
        if (!best || overlap > bestOverlap || (overlap == bestOverlap && right > bestRight)) {
            best = i;
            bestOverlap = overlap;
            bestRight = right;
        }
    }
    return best;
}
