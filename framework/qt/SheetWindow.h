#pragma once

#include <QDialog>
#include <vector>

#include "framework/core/NativeWindow.h"
#include "framework/qt/DialogUnits.h"

class CPropertySheet;
class PageWidget;
class QPushButton;
class QStackedWidget;
class SheetTabBar;

// The sheet's window: tabs over the pages, then OK, Cancel, Apply and Help.
// Pages are made the first time they are shown. Every change of page, by
// click or key, first asks the page being left to store.
class SheetWindow : public QDialog, public NativeWindow {
public:
    explicit SheetWindow(CPropertySheet& sheet);
    ~SheetWindow() override;

    // Shows page `index` without asking the active page (the first page, at opening).
    void ShowPage(int index);
    // The user asks for page `index`: the active page may refuse.
    void RequestPage(int index);
    void RequestNeighbourPage(int step);

    PageWidget* Page(int index) const;
    PageWidget* ActivePage() const;
    SheetTabBar* Tabs() const { return m_tabs; }
    // The frame the pages stand in.
    QWidget* Pane() const { return m_pane; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* ApplyButton() const { return m_apply; }
    QPushButton* HelpButton() const { return m_help; }
    // The widgets the Tab key visits on the active page's sheet, in order.
    std::vector<QWidget*> FocusCycle() const;

protected:
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CentreOnScreen();

    CPropertySheet& m_sheet;
    QFont m_font;
    BaseUnits m_units;
    SheetTabBar* m_tabs;
    QWidget* m_pane;
    QStackedWidget* m_stack;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_apply;
    QPushButton* m_help;
    std::vector<PageWidget*> m_pages;
    bool m_centred = false;
};
