#pragma once

#include <QFont>
#include <QRect>

#include "framework/core/DialogTemplate.h"

// Dialog units to pixels, as the platform the templates were laid out for
// converts them: from the average character width and the height of the
// dialog's font.
struct BaseUnits {
    int x;
    int y;
};

// The template's font where this machine has it, else the nearest
// sans-serif face, at the template's point size.
QFont TemplateFont(const DialogTemplate& dialog);

BaseUnits MeasureBaseUnits(const QFont& font);

int HorizontalPixels(int dialogUnits, BaseUnits units);
int VerticalPixels(int dialogUnits, BaseUnits units);
QRect ToPixels(const DialogRect& rect, BaseUnits units);
