#include "framework/qt/DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>
#include <QStringList>

QFont TemplateFont(const DialogTemplate& dialog) {
    const QString family = QString::fromUtf8(dialog.fontName.data(), static_cast<qsizetype>(dialog.fontName.size()));
    QFont font;
    if (QFontDatabase::hasFamily(family)) {
        font.setFamily(family);
    } else {
        // The faces nearest to it in shape and width, then whatever the
        // desktop calls sans-serif.
        QStringList nearest;
        nearest << QStringLiteral("Microsoft Sans Serif") << QStringLiteral("Arial") << QStringLiteral("Liberation Sans")
                << QStringLiteral("Helvetica") << QStringLiteral("Nimbus Sans") << QStringLiteral("Sans Serif");
        font.setFamilies(nearest);
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(dialog.fontPointSize);
    return font;
}

BaseUnits MeasureBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

namespace {
// Rounded to the nearest pixel, halves away from zero, as the platform's
// multiply-divide does.
int Scale(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}
}  // namespace

int HorizontalPixels(int dialogUnits, BaseUnits units) { return Scale(dialogUnits, units.x, 4); }

int VerticalPixels(int dialogUnits, BaseUnits units) { return Scale(dialogUnits, units.y, 8); }

QRect ToPixels(const DialogRect& rect, BaseUnits units) {
    const int left = HorizontalPixels(rect.x, units);
    const int top = VerticalPixels(rect.y, units);
    // Edges are converted, not sizes, so neighbours that touch in dialog
    // units still touch in pixels.
    const int right = HorizontalPixels(rect.x + rect.width, units);
    const int bottom = VerticalPixels(rect.y + rect.height, units);
    return QRect(left, top, right - left, bottom - top);
}
