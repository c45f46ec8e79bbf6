#include "framework/qt/TemplateGroupBox.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>
#include <algorithm>

TemplateGroupBox::TemplateGroupBox(const QString& title, QWidget* parent) : QWidget(parent), m_title(title) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(title);
}

void TemplateGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // An etched line, as the style's own group frame adds a margin for a title above it.
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true, 1, 0);
    if (m_title.isEmpty()) return;
    // The title sits on the top edge, a character's width in, over a gap.
    const int inset = metrics.averageCharWidth();
    const QRect title(inset, 0, std::min(metrics.horizontalAdvance(m_title) + 4, width() - 2 * inset), metrics.height());
    painter.fillRect(title, palette().window());
    style()->drawItemText(&painter, title.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, palette(),
                          isEnabled(), m_title, QPalette::WindowText);
}
