#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "framework/qt/QtBackend.h"

class PageWidget;
class QWidget;
class SheetWindow;
class ByteLineEdit;

// One whole run of the program on the Qt backend, in the working directory.
// `user` plays once the sheet is on screen; a sheet it leaves open is
// cancelled.
void RunProgram(const std::function<void(SheetWindow&)>& user);

// Keys go where the user's keys go: to the widget with the focus.
void PressKey(SheetWindow& sheet, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void TypeText(SheetWindow& sheet, const QString& text);
void ClickWidget(QWidget* widget);
void ClickTab(SheetWindow& sheet, int index);
// The control with this identifier on the active page.
QWidget* ControlOf(SheetWindow& sheet, int id);
ByteLineEdit* FieldOf(SheetWindow& sheet, int id);
int ActivePageIndex(SheetWindow& sheet);

// While it lives, hands every modal window that opens over the sheet to
// `answer`, which must close it.
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(QWidget&)> answer);
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

private:
    QTimer m_timer;
    std::function<void(QWidget&)> m_answer;
    bool m_answering = false;
};

struct ShownBox {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QWidget* owner;
};

// Presses OK on every message box, recording each.
class MessageBoxRecorder : public ModalAnswerer {
public:
    MessageBoxRecorder();
    std::vector<ShownBox> boxes;
};

// A file of quorvane.ini lines, CR LF ended, for the working directory.
void WriteConfig(const std::vector<std::string>& lines);
std::string ReadConfig();
// The value of `key` in the written file, or "(absent)".
std::string WrittenValue(const std::string& key);
