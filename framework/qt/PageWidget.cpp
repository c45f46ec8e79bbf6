#include "framework/qt/PageWidget.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

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

// The height at which the style's frame leaves the button's text whole.
int HeightForText(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (button.autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return button.fontMetrics().height() + option.rect.height() - contents.height();
}

bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::CheckBox || kind == ControlKind::RadioButton || kind == ControlKind::PushButton;
}

}  // namespace

PageWidget::PageWidget(const DialogTemplate& dialog, BaseUnits units, QWidget* parent)
    : QWidget(parent), m_template(dialog), m_controls(dialog.controls.size(), nullptr), m_rects(dialog.controls.size()) {
    setObjectName(ToQString(dialog.title));
    setAccessibleName(ToQString(dialog.title));
    setFont(TemplateFont(dialog));
    setFixedSize(HorizontalPixels(dialog.width, units), VerticalPixels(dialog.height, units));
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) m_rects[i] = ToPixels(dialog.controls[i].rect, units);
    // Group boxes first: the controls inside one are its children, so that
    // screen readers find them in it.
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        if (dialog.controls[i].kind == ControlKind::GroupBox) m_controls[i] = MakeControl(i);
    }
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        if (m_controls[i] == nullptr) m_controls[i] = MakeControl(i);
    }
    MakeRadioGroups();
    // A field's label is its buddy: screen readers tell the field by it.
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        if (dialog.controls[i].kind != ControlKind::TextField) continue;
        if (const auto label = LabelBeside(dialog, i)) static_cast<QLabel*>(m_controls[*label])->setBuddy(m_controls[i]);
    }
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) GrowToContents(i);
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) Place(i);
    // Later controls of the template are drawn over earlier ones, as the
    // platform stacks them; group boxes go to the back so that they never
    // hide what they frame.
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        if (dialog.controls[i].kind == ControlKind::GroupBox) m_controls[i]->lower();
    }
}

QRect PageWidget::ControlRectAt(std::size_t index) const { return index < m_rects.size() ? m_rects[index] : QRect(); }

QWidget* PageWidget::ContainerOf(std::size_t index) const {
    const auto box = EnclosingGroupBox(m_template, index);
    return box && m_controls[*box] != nullptr ? m_controls[*box] : const_cast<PageWidget*>(this);
}

void PageWidget::Place(std::size_t index) {
    const auto box = EnclosingGroupBox(m_template, index);
    const QPoint origin = box ? m_rects[*box].topLeft() : QPoint();
    m_controls[index]->setGeometry(m_rects[index].translated(-origin));
}

// Room a control may take: the page, or the inside of its group box's frame.
QRect PageWidget::RoomFor(std::size_t index) const {
    const auto box = EnclosingGroupBox(m_template, index);
    if (!box) return rect();
    const int titleHalf = m_controls[*box]->fontMetrics().height() / 2;
    return m_rects[*box].adjusted(2, titleHalf + 2, -2, -2);
}

bool PageWidget::TryGrow(std::size_t index, const QRect& wanted) {
    if (!RoomFor(index).united(m_rects[index]).contains(wanted)) return false;
    const auto ownBox = EnclosingGroupBox(m_template, index);
    const DialogRect& own = m_template.controls[index].rect;
    for (std::size_t other = 0; other < m_controls.size(); ++other) {
        if (other == index || (ownBox && other == *ownBox)) continue;
        // Where the template itself lays two controls over each other, so be it.
        const DialogRect& theirs = m_template.controls[other].rect;
        if (own.x < theirs.x + theirs.width && theirs.x < own.x + own.width && own.y < theirs.y + theirs.height &&
            theirs.y < own.y + own.height) {
            continue;
        }
        if (m_rects[other].intersects(wanted)) return false;
    }
    m_rects[index] = wanted;
    return true;
}

// Where this machine's face or style needs more room than the template
// gives, a control grows, so long as it then overlaps no other control and
// stays inside its group box: a label or radio button to show its whole
// text, a check box to show its whole box and text, a push button to the
// height at which the style's frame leaves its text whole. Text fields
// keep their height, which holds their text and frame.
void PageWidget::GrowToContents(std::size_t index) {
    const ControlTemplate& control = m_template.controls[index];
    QWidget* widget = m_controls[index];
    const QRect current = m_rects[index];
    const QSize hint = widget->sizeHint();
    auto growRightOrLeft = [&](int width) {
        if (width <= current.width()) return;
        QRect right = current;
        right.setWidth(width);
        if (TryGrow(index, right)) return;
        QRect left = current;
        left.setLeft(current.right() + 1 - width);
        TryGrow(index, left);
    };
    auto growTaller = [&](int height) {
        if (height <= m_rects[index].height()) return;
        const QRect now = m_rects[index];
        const QRect centred(now.x(), now.center().y() - (height - 1) / 2, now.width(), height);
        if (TryGrow(index, centred)) return;
        if (TryGrow(index, QRect(now.x(), now.y(), now.width(), height))) return;
        TryGrow(index, QRect(now.x(), now.bottom() + 1 - height, now.width(), height));
    };
    switch (control.kind) {
        case ControlKind::Label:
            growRightOrLeft(widget->fontMetrics().horizontalAdvance(ToQString(control.text).trimmed()));
            break;
        case ControlKind::RadioButton:
            growRightOrLeft(hint.width());
            growTaller(hint.height());
            break;
        case ControlKind::CheckBox: {
            // The box stands at the right edge: a wider box grows to the left.
            growTaller(hint.height());
            if (hint.width() > current.width()) {
                QRect left = m_rects[index];
                left.setLeft(left.right() + 1 - hint.width());
                TryGrow(index, left);
            }
            break;
        }
        case ControlKind::PushButton: growTaller(HeightForText(*static_cast<QPushButton*>(widget))); break;
        case ControlKind::TextField: break;
        case ControlKind::GroupBox: break;
    }
}

void PageWidget::MakeRadioGroups() {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_template.controls[i].kind != ControlKind::RadioButton) continue;
        const std::vector<std::size_t> group = RadioGroupOf(m_template, i);
        if (group.empty() || group.front() != i) continue;
        auto* buttons = new QButtonGroup(this);
        for (std::size_t member : group) buttons->addButton(static_cast<QAbstractButton*>(m_controls[member]));
    }
}

QWidget* PageWidget::MakeControl(std::size_t index) {
    const ControlTemplate& control = m_template.controls[index];
    const QString text = ToQString(control.text);
    QWidget* parent = ContainerOf(index);
    const QString name = ToQString(AccessibleNameOf(m_template, index));
    switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(text, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::GroupBox: {
            auto* box = new TemplateGroupBox(text, parent);
            box->setAccessibleName(name);
            return box;
        }
        case ControlKind::TextField: {
            auto* field = new ByteLineEdit(parent);
            field->setAccessibleName(name);
            return field;
        }
        case ControlKind::CheckBox: {
            auto* box = new LeftTextCheckBox(text, parent);
            box->setAccessibleName(name);
            box->installEventFilter(this);
            return box;
        }
        case ControlKind::RadioButton: {
            auto* radio = new GroupRadioButton(text, parent);
            radio->setAccessibleName(name);
            radio->setAccessibleDescription(ToQString(AccessibleDescriptionOf(m_template, index)));
            // Never a tab stop; a click or the arrow keys reach it.
            radio->setFocusPolicy(Qt::ClickFocus);
            radio->installEventFilter(this);
            connect(radio, &QAbstractButton::clicked, this, [this, index] { SelectRadio(index); });
            return radio;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, parent);
            button->setAccessibleName(name);
            button->setAutoDefault(true);
            button->installEventFilter(this);
            const int id = control.id;
            connect(button, &QAbstractButton::clicked, this, [this, id] {
                if (onButtonClicked) onButtonClicked(id);
            });
            return button;
        }
    }
    return new QWidget(parent);
}

void PageWidget::SelectRadio(std::size_t index) {
    for (std::size_t member : RadioGroupOf(m_template, index)) SetChecked(m_controls[member], member == index);
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

void PageWidget::SetControlChecked(int id, bool checked) { SetChecked(Control(id), checked); }

// A radio group may show no selection: its exclusive button group lets go
// only while a button is cleared, so it stays a radio group to screen readers.
void PageWidget::SetChecked(QWidget* control, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (button == nullptr || !button->isCheckable()) return;
    QButtonGroup* group = button->group();
    if (checked || group == nullptr || !group->exclusive()) {
        button->setChecked(checked);
        return;
    }
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
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
