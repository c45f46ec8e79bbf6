#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "framework/core/DialogTemplate.h"
#include "framework/core/NativeWindow.h"
#include "framework/qt/DialogUnits.h"

class ByteLineEdit;

// One page window: the template's controls as widgets at their rectangles,
// reached by data exchange through PageHost.
class PageWidget : public QWidget, public PageHost {
public:
    PageWidget(const DialogTemplate& dialog, BaseUnits units, QWidget* parent = nullptr);

    // A push button of the page was clicked.
    std::function<void(int id)> onButtonClicked;

    const DialogTemplate& Template() const { return m_template; }
    QWidget* Control(int id) const;
    QWidget* ControlAt(std::size_t index) const { return index < m_controls.size() ? m_controls[index] : nullptr; }
    ByteLineEdit* TextField(int id) const;
    // Where a control stands on the page, after any growth, in page pixels.
    QRect ControlRectAt(std::size_t index) const;

    std::string GetControlText(int id) override;
    void SetControlText(int id, const std::string& text) override;
    bool IsControlChecked(int id) override;
    void SetControlChecked(int id, bool checked) override;
    void SetTextLimit(int id, std::size_t limit) override;
    void FocusAndSelectAll(int id) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeControl(std::size_t index);
    QWidget* ContainerOf(std::size_t index) const;
    void MakeRadioGroups();
    QRect RoomFor(std::size_t index) const;
    bool TryGrow(std::size_t index, const QRect& wanted);
    void GrowToContents(std::size_t index);
    void Place(std::size_t index);
    void SelectRadio(std::size_t index);
    static void SetChecked(QWidget* control, bool checked);
    void MoveAmongButtons(std::size_t from, int step);

    const DialogTemplate& m_template;
    std::vector<QWidget*> m_controls;  // by template index
    std::vector<QRect> m_rects;        // by template index, in page pixels
};
