#pragma once

#include <QTabBar>
#include <functional>

// The sheet's tabs. A tab never changes on its own: every request, by mouse,
// arrow key or a screen reader's "press", goes to `onRequest`, which lets the
// page being left refuse; only `ShowTab` moves the current tab.
class SheetTabBar : public QTabBar {
public:
    explicit SheetTabBar(QWidget* parent = nullptr);

    std::function<void(int index)> onRequest;
    // The sheet shows page `index`: its tab becomes the current one.
    void ShowTab(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void OnCurrentChanged(int index);

    int m_shown = -1;
};
