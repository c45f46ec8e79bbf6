#include "framework/qt/PageWidget.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "framework/core/ControlRules.h"
#include "framework/qt/ByteLineEdit.h"
#include "framework/qt/FieldLabels.h"
#include "framework/qt/GroupRadioButton.h"
#include "framework/qt/LeftTextCheckBox.h"
#include "framework/qt/TemplateGroupBox.h"

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::CheckBox || kind == ControlKind::RadioButton || kind == ControlKind::PushButton;
}

}  // namespace

PageWidget::PageWidget(const DialogTemplate& dialog, BaseUnits units, QWidget* parent)
    : QWidget(parent), m_template(dialog), m_controls(dialog.controls.size(), nullptr) {
    setObjectName(ToQString(dialog.title));
    setFont(TemplateFont(dialog));
    setFixedSize(HorizontalPixels(dialog.width, units), VerticalPixels(dialog.height, units));
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        QWidget* control = MakeControl(i);
        control->setGeometry(ToPixels(dialog.controls[i].rect, units));
        m_controls[i] = control;
    }
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) WidenToText(i);
    // Later controls of the template are drawn over earlier ones, as the
    // platform stacks them; group boxes go to the back so that they never
    // hide what they frame.
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        if (dialog.controls[i].kind == ControlKind::GroupBox) m_controls[i]->lower();
    }
}

// Where this machine's face runs a little wider than the template's, a
// label or radio button grows to show its whole text, so long as it then
// overlaps no other control. A check box keeps its rectangle: its box stands
// at the right edge.
void PageWidget::WidenToText(std::size_t index) {
    const ControlTemplate& control = m_template.controls[index];
    QWidget* widget = m_controls[index];
    int needed = 0;
    if (control.kind == ControlKind::Label) {
        needed = widget->fontMetrics().horizontalAdvance(ToQString(control.text).trimmed());
    } else if (control.kind == ControlKind::RadioButton) {
        needed = widget->sizeHint().width();
    }
    if (needed <= widget->width()) return;
    QRect wider = widget->geometry();
    wider.setWidth(needed);
    for (std::size_t other = 0; other < m_controls.size(); ++other) {
        if (other == index || m_template.controls[other].kind == ControlKind::GroupBox) continue;
        if (m_controls[other]->geometry().intersects(wider)) return;
    }
    widget->setGeometry(wider);
}

QWidget* PageWidget::MakeControl(std::size_t index) {
    const ControlTemplate& control = m_template.controls[index];
    const QString text = ToQString(control.text);
    switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(text, this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::GroupBox: {
            return new TemplateGroupBox(text, this);
        }
        case ControlKind::TextField: {
            auto* field = new ByteLineEdit(this);
            if (const auto label = LabelBeside(m_template, index)) {
                field->setAccessibleName(ToQString(m_template.controls[*label].text));
            }
            return field;
        }
        case ControlKind::CheckBox: {
            auto* box = new LeftTextCheckBox(text, this);
            box->setAccessibleName(text);
            box->installEventFilter(this);
            return box;
        }
        case ControlKind::RadioButton: {
            auto* radio = new GroupRadioButton(text, this);
            radio->setAccessibleName(text);
            // The label beside a group's first button says what the group sets.
            const std::vector<std::size_t> group = RadioGroupOf(m_template, index);
            if (const auto label = group.empty() ? std::nullopt : LabelBeside(m_template, group.front())) {
                radio->setAccessibleDescription(ToQString(m_template.controls[*label].text));
            }
            // Never a tab stop; a click or the arrow keys reach it.
            radio->setFocusPolicy(Qt::ClickFocus);
            radio->installEventFilter(this);
            connect(radio, &QAbstractButton::clicked, this, [this, index] { SelectRadio(index); });
            return radio;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, this);
            button->setAutoDefault(true);
            button->installEventFilter(this);
            const int id = control.id;
            connect(button, &QAbstractButton::clicked, this, [this, id] {
                if (onButtonClicked) onButtonClicked(id);
            });
            return button;
        }
    }
    return new QWidget(this);
}

void PageWidget::SelectRadio(std::size_t index) {
    for (std::size_t member : RadioGroupOf(m_template, index)) {
        if (auto* radio = qobject_cast<QAbstractButton*>(m_controls[member])) radio->setChecked(member == index);
    }
}

QWidget* PageWidget::Control(int id) const {
    const auto index = FindControl(m_template, id);
    return index ? m_controls[*index] : nullptr;
}

ByteLineEdit* PageWidget::TextField(int id) const { return dynamic_cast<ByteLineEdit*>(Control(id)); }

std::string PageWidget::GetControlText(int id) {
    if (ByteLineEdit* field = TextField(id)) return field->Bytes();
    if (auto* button = qobject_cast<QAbstractButton*>(Control(id))) return button->text().toUtf8().toStdString();
    return {};
}

void PageWidget::SetControlText(int id, const std::string& text) {
    if (ByteLineEdit* field = TextField(id)) {
        field->SetBytes(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(Control(id))) {
        button->setText(QString::fromStdString(text));
    }
}

bool PageWidget::IsControlChecked(int id) {
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    return button != nullptr && button->isChecked();
}

void PageWidget::SetControlChecked(int id, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    if (button != nullptr && button->isCheckable()) button->setChecked(checked);
}

void PageWidget::SetTextLimit(int id, std::size_t limit) {
    if (ByteLineEdit* field = TextField(id)) field->SetLimit(limit);
}

void PageWidget::FocusAndSelectAll(int id) {
    QWidget* control = Control(id);
    if (control == nullptr) return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* field = dynamic_cast<ByteLineEdit*>(control)) field->selectAll();
}

bool PageWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    int step = 0;
    switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: step = -1; break;
        case Qt::Key_Down:
        case Qt::Key_Right: step = 1; break;
        default: return false;
    }
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i] == watched) {
            MoveAmongButtons(i, step);
            return true;
        }
    }
    return false;
}

// The arrow keys walk the page's buttons, boxes and radio buttons in template
// order, so that radio buttons, which Tab never visits, are reachable from
// the keyboard; Space then selects.
void PageWidget::MoveAmongButtons(std::size_t from, int step) {
    const std::size_t count = m_controls.size();
    std::size_t index = from;
    for (std::size_t tried = 0; tried < count; ++tried) {
        index = step > 0 ? (index + 1) % count : (index + count - 1) % count;
        if (IsButtonKind(m_template.controls[index].kind)) {
            m_controls[index]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
