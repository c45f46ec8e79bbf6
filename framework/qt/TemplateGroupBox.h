#pragma once

#include <QGroupBox>

// A titled frame drawn the way the templates were laid out for: the frame's
// top edge runs through the middle of the title, so the title stays inside
// the template rectangle and the controls below it clear the frame. Qt's
// group box puts the whole title above the frame instead. It is still a
// group box to screen readers, holding the controls inside its rectangle.
class TemplateGroupBox : public QGroupBox {
public:
    TemplateGroupBox(const QString& title, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
