#include "framework/qt/LeftTextCheckBox.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>

LeftTextCheckBox::LeftTextCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

void LeftTextCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int boxWidth = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    const int boxHeight = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);

    QStyleOptionButton box = option;
    box.rect = QRect(width() - boxWidth, (height() - boxHeight) / 2, boxWidth, boxHeight);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);

    QStyleOptionButton label = option;
    label.rect = QRect(0, 0, std::max(0, width() - boxWidth - spacing), height());
    label.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_CheckBoxLabel, label);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics()
                         .boundingRect(label.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text())
                         .adjusted(-1, 0, 1, 0)
                         .intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool LeftTextCheckBox::hitButton(const QPoint& position) const { return rect().contains(position); }
