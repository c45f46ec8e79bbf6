#include "framework/qt/SheetPane.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include "framework/qt/PixelAlign.h"

SheetPane::SheetPane(const QTabBar& tabs, QWidget* parent) : QWidget(parent), m_tabs(tabs) {}

void SheetPane::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.shape = m_tabs.shape();
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    option.tabBarSize = m_tabs.size();
    // Where the tabs stand, in this pane's coordinates: just above it.
    const QPoint offset = m_tabs.mapTo(window(), QPoint()) - mapTo(window(), QPoint());
    option.tabBarRect = QRect(offset, m_tabs.size());
    option.selectedTabRect = m_tabs.tabRect(m_tabs.currentIndex()).translated(offset);
    AlignToDevicePixels(painter, option.rect);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}
