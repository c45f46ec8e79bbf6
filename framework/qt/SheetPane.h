#pragma once

#include <QWidget>

class QTabBar;

// The frame under the sheet's tabs, drawn as the style draws a tab widget's
// pane: whole at any screen scale, where a plain styled frame loses its top
// and left edges at fractional scales.
class SheetPane : public QWidget {
public:
    SheetPane(const QTabBar& tabs, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QTabBar& m_tabs;
};
