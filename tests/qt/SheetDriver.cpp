#include "SheetDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "framework/core/CWinApp.h"
#include "framework/qt/ByteLineEdit.h"
#include "framework/qt/PageWidget.h"
#include "framework/qt/SheetTabBar.h"
#include "framework/qt/SheetWindow.h"
#include "support/HeadlessRun.h"
#include "support/ScratchFolder.h"

void RunProgram(const std::function<void(SheetWindow&)>& user) {
    QtBackend backend;
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [&] {
        SheetWindow* sheet = backend.RunningSheet();
        if (sheet == nullptr) {
            // No sheet: the run stopped at a message; let it end.
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
            return;
        }
        sheet->activateWindow();
        (void)QTest::qWaitForWindowActive(sheet);
        user(*sheet);
        if (backend.RunningSheet() == sheet && sheet->isVisible()) sheet->reject();
    });
    start.start(0);
    AfxWinMain(backend, kTestExecutable);
}

void PressKey(SheetWindow& sheet, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = sheet.focusWidget() != nullptr ? sheet.focusWidget() : &sheet;
    QTest::keyClick(target, key, modifiers);
}

void TypeText(SheetWindow& sheet, const QString& text) {
    for (const QChar character : text) {
        QWidget* target = sheet.focusWidget() != nullptr ? sheet.focusWidget() : &sheet;
        if (character.unicode() < 0x80) {
            QTest::keyClick(target, character.toLatin1());
            continue;
        }
        // A key of a layout beyond ASCII: only its text says what it types.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}

void ClickWidget(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

void ClickTab(SheetWindow& sheet, int index) {
    QTest::mouseClick(sheet.Tabs(), Qt::LeftButton, Qt::NoModifier, sheet.Tabs()->tabRect(index).center());
}

QWidget* ControlOf(SheetWindow& sheet, int id) {
    PageWidget* page = sheet.ActivePage();
    return page != nullptr ? page->Control(id) : nullptr;
}

ByteLineEdit* FieldOf(SheetWindow& sheet, int id) { return dynamic_cast<ByteLineEdit*>(ControlOf(sheet, id)); }

int ActivePageIndex(SheetWindow& sheet) {
    for (int i = 0; i < sheet.Tabs()->count(); ++i) {
        if (sheet.Page(i) != nullptr && sheet.Page(i) == sheet.ActivePage()) return i;
    }
    return -1;
}

ModalAnswerer::ModalAnswerer(std::function<void(QWidget&)> answer) : m_answer(std::move(answer)) {
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (m_answering || modal == nullptr || dynamic_cast<SheetWindow*>(modal) != nullptr) return;
        m_answering = true;
        m_answer(*modal);
        m_answering = false;
    });
    m_timer.start(0);
}

MessageBoxRecorder::MessageBoxRecorder()
    : ModalAnswerer([this](QWidget& modal) {
          auto* box = qobject_cast<QMessageBox*>(&modal);
          if (box == nullptr) {
              modal.close();
              return;
          }
          boxes.push_back({box->text(), box->windowTitle(), box->icon(), box->standardButtons(), box->parentWidget()});
          box->button(QMessageBox::Ok)->click();
      }) {}

void WriteConfig(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    WriteFile("quorvane.ini", text);
}

std::string ReadConfig() { return ReadFile("quorvane.ini"); }

std::string WrittenValue(const std::string& key) {
    const std::string text = ReadConfig();
    const std::string start = key + "=";
    std::size_t at = text.find("\n" + start);
    if (at == std::string::npos) return "(absent)";
    at += 1 + start.size();
    return text.substr(at, text.find("\r\n", at) - at);
}
