#pragma once

#include <QRadioButton>

// A radio button of a group kept by its page (see PageWidget::SetChecked),
// so that a group can show no selection at all. A click always selects it.
class GroupRadioButton : public QRadioButton {
public:
    explicit GroupRadioButton(const QString& text, QWidget* parent = nullptr);

protected:
    void nextCheckState() override;
    bool hitButton(const QPoint& position) const override;
};
