#pragma once

#include <QWidget>

// A titled frame drawn the way the templates were laid out for: the frame's
// top edge runs through the middle of the title, so the title stays inside
// the template rectangle and the controls below it clear the frame. Qt's
// group box puts the whole title above the frame instead.
class TemplateGroupBox : public QWidget {
public:
    TemplateGroupBox(const QString& title, QWidget* parent = nullptr);
    QString Title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
};
