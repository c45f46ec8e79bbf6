#include "framework/qt/TemplateGroupBox.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>
#include <algorithm>

#include "framework/qt/PixelAlign.h"

TemplateGroupBox::TemplateGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TemplateGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QString text = title();
    // The title sits on the top edge, a character's width in, over a gap in
    // the frame; whatever is behind shows through the gap.
    const int inset = metrics.averageCharWidth();
    const QRect titleRect(inset, 0, std::min(metrics.horizontalAdvance(text) + 4, width() - 2 * inset), metrics.height());
    if (!text.isEmpty()) painter.setClipRegion(QRegion(rect()).subtracted(QRegion(titleRect)));
    // An etched line, as the style's own group frame adds a margin for a title above it.
    QRect frame = rect().adjusted(0, metrics.height() / 2, 0, 0);
    AlignToDevicePixels(painter, frame);
    qDrawShadeRect(&painter, frame, palette(), true, 1, 0);
    if (text.isEmpty()) return;
    painter.resetTransform();
    painter.setClipping(false);
    style()->drawItemText(&painter, titleRect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, palette(),
                          isEnabled(), text, QPalette::WindowText);
}
