#pragma once

#include <QRadioButton>

// A radio button whose group is kept by its page, so that a group can show
// no selection at all. A click always selects it; the page clears the rest.
class GroupRadioButton : public QRadioButton {
public:
    explicit GroupRadioButton(const QString& text, QWidget* parent = nullptr);

protected:
    void nextCheckState() override;
    bool hitButton(const QPoint& position) const override;
};
