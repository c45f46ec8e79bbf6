#pragma once

#include <QCheckBox>

// A check box with its text on the left and the box at the right edge, and
// the whole of its rectangle clickable. Mirroring the layout direction would
// move the box too, but would also carry a trailing " :" to the front.
class LeftTextCheckBox : public QCheckBox {
public:
    explicit LeftTextCheckBox(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;
};
