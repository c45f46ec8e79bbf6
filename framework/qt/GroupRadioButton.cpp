#include "framework/qt/GroupRadioButton.h"

GroupRadioButton::GroupRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

void GroupRadioButton::nextCheckState() { setChecked(true); }

bool GroupRadioButton::hitButton(const QPoint& position) const { return rect().contains(position); }
