#include "framework/qt/SheetTabBar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

SheetTabBar::SheetTabBar(QWidget* parent) : QTabBar(parent) {
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    connect(this, &QTabBar::currentChanged, this, &SheetTabBar::OnCurrentChanged);
}

void SheetTabBar::ShowTab(int index) {
    m_shown = index;
    setCurrentIndex(index);
}

// Any other way the current tab moves (the accessible "press" action calls
// setCurrentIndex) is undone and turned into a request. The request waits
// for the event loop, so that the caller gets its answer before any message
// the page being left may show.
void SheetTabBar::OnCurrentChanged(int index) {
    if (index == m_shown || m_shown < 0) return;
    setCurrentIndex(m_shown);
    QTimer::singleShot(0, this, [this, index] {
        if (onRequest && index != m_shown) onRequest(index);
    });
}

void SheetTabBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int index = tabAt(event->position().toPoint());
        if (index >= 0) {
            if (index != currentIndex() && onRequest) onRequest(index);
            event->accept();
            return;
        }
    }
    QTabBar::mousePressEvent(event);
}

void SheetTabBar::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: step = -1; break;
        case Qt::Key_Right:
        case Qt::Key_Down: step = 1; break;
        default: QTabBar::keyPressEvent(event); return;
    }
    // Arrows walk to the neighbouring tab and stop at the ends.
    const int index = currentIndex() + step;
    if (index >= 0 && index < count() && onRequest) onRequest(index);
    event->accept();
}

void SheetTabBar::wheelEvent(QWheelEvent* event) { event->ignore(); }
