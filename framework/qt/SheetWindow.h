#pragma once

#include <QDialog>
#include <vector>

#include "framework/core/NativeWindow.h"
#include "framework/qt/DialogUnits.h"

class SheetCallbacks;
class PageWidget;
class QPushButton;
class QStackedWidget;
class SheetTabBar;

// The sheet's window: tabs over the pages, then OK, Cancel, Apply and Help.
// Pages are made the first time they are shown. Every change of page, by
// click or key, first asks the page being left to store.
class SheetWindow : public QDialog, public NativeWindow {
public:
    explicit SheetWindow(SheetCallbacks& sheet);
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
    // The widget for a focus target of the sheet's rules (a page control's
    // identifier or a sheet part), and the target the focus is on.
    QWidget* FocusTarget(int id) const;
    int FocusId() const;

protected:
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CentreOnScreen();
    // Focus moved by the sheet's rules: a text field gets its text selected.
    void FocusOn(int id, Qt::FocusReason reason);

    SheetCallbacks& m_sheet;
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
