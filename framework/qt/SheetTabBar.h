#pragma once

#include <QTabBar>
#include <functional>

// The sheet's tabs. A tab never changes on its own: every request, by mouse
// or arrow key, goes to `onRequest`, which lets the page being left refuse.
class SheetTabBar : public QTabBar {
public:
    explicit SheetTabBar(QWidget* parent = nullptr);

    std::function<void(int index)> onRequest;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};
