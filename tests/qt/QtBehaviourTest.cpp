#include <QAbstractButton>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <deque>
#include <memory>

#include "SheetDriver.h"
#include "behaviour/BehaviourSuite.h"
#include "framework/qt/ByteLineEdit.h"
#include "framework/qt/SheetTabBar.h"
#include "framework/qt/SheetWindow.h"

namespace {

// The behaviour table on the Qt backend: real widgets on the offscreen
// platform, keys and clicks sent where the user's would go.
class QtDriver : public BehaviourDriver {
public:
    BackendName Backend() const override { return BackendName::Qt; }
    void AnswerNextPicker(std::optional<std::string> path) override { m_answers.push_back(std::move(path)); }

    void Run(const std::function<void()>& user) override {
        // Message boxes are noted and confirmed; pickers take the next answer.
        ModalAnswerer answerer([this](QWidget& modal) {
            if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
                m_boxes.push_back(box->text().toStdString());
                box->button(QMessageBox::Ok)->click();
                return;
            }
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            std::optional<std::string> answer;
            if (!m_answers.empty()) {
                answer = std::move(m_answers.front());
                m_answers.pop_front();
            }
            if (dialog == nullptr || !answer) {
                modal.close();
                return;
            }
            dialog->selectFile(QString::fromStdString(*answer));
            static_cast<QDialog*>(dialog)->accept();
        });
        RunProgram([&](SheetWindow& sheet) {
            m_sheet = &sheet;
            user();
            m_sheet = nullptr;
        });
    }

    bool SheetOpen() override { return m_sheet != nullptr && m_sheet->isVisible(); }
    void ShowPage(int page) override { ClickTab(*m_sheet, page); }

    void Press(Key key) override {
        switch (key) {
            case Key::Tab: PressKey(*m_sheet, Qt::Key_Tab); return;
            case Key::ShiftTab: PressKey(*m_sheet, Qt::Key_Backtab, Qt::ShiftModifier); return;
            case Key::Enter: PressKey(*m_sheet, Qt::Key_Return); return;
            case Key::Escape: PressKey(*m_sheet, Qt::Key_Escape); return;
            case Key::CtrlTab: PressKey(*m_sheet, Qt::Key_Tab, Qt::ControlModifier); return;
            case Key::CtrlShiftTab:
                PressKey(*m_sheet, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
                return;
            case Key::End: PressKey(*m_sheet, Qt::Key_End); return;
            case Key::Up: PressKey(*m_sheet, Qt::Key_Up); return;
            case Key::Space: PressKey(*m_sheet, Qt::Key_Space); return;
        }
    }

    void Type(std::string_view text) override {
        TypeText(*m_sheet, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }

    void Paste(std::string_view text) override {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        PressKey(*m_sheet, Qt::Key_V, Qt::ControlModifier);
    }

    void Click(int id) override {
        if (QWidget* target = m_sheet->FocusTarget(id)) ClickWidget(target);
    }

    int ActivePage() override { return ActivePageIndex(*m_sheet); }
    int FocusedId() override { return m_sheet->FocusId(); }

    std::string Text(int id) override {
        ByteLineEdit* field = FieldOf(*m_sheet, id);
        return field != nullptr ? field->Bytes() : "(no field)";
    }

    std::string SelectedText(int id) override {
        ByteLineEdit* field = FieldOf(*m_sheet, id);
        return field != nullptr ? field->selectedText().toStdString() : "(no field)";
    }

    bool Checked(int id) override {
        auto* button = qobject_cast<QAbstractButton*>(ControlOf(*m_sheet, id));
        return button != nullptr && button->isChecked();
    }

    std::vector<std::string> MessageBoxes() override { return m_boxes; }

private:
    std::deque<std::optional<std::string>> m_answers;
    std::vector<std::string> m_boxes;
    SheetWindow* m_sheet = nullptr;
};

}  // namespace

namespace {
[[maybe_unused]] const bool kRegistered =
    RegisterBehaviourSuite("QtBehaviour", [] { return std::unique_ptr<BehaviourDriver>(std::make_unique<QtDriver>()); });
}  // namespace
