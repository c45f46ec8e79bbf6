#include "framework/qt/QtBackend.h"

#include <QApplication>
#include <memory>

#include "framework/core/Constants.h"
#include "framework/qt/CommonDialogs.h"
#include "framework/qt/SheetWindow.h"

namespace {
// The window a dialog is owned by: the sheet, while it is open.
QWidget* OwnerWindow(const CWnd* owner) {
    if (owner == nullptr) return nullptr;
    return dynamic_cast<SheetWindow*>(owner->m_hWnd);
}
}  // namespace

int QtBackend::ShowMessageBox(const MessageBoxRequest& request) {
    if (qApp == nullptr) return IDOK;
    return RunMessageBox(OwnerWindow(request.owner), request);
}

int QtBackend::RunPropertySheet(SheetCallbacks& sheet) {
    if (qApp == nullptr) return IDCANCEL;
    auto window = std::make_unique<SheetWindow>(sheet);
    SheetWindow* outer = m_running;
    m_running = window.get();
    sheet.OnWindowCreated(window.get());
    window->ShowPage(sheet.GetStartPage());
    const int outcome = window->exec();
    m_running = outer;
    return outcome == QDialog::Accepted ? IDOK : IDCANCEL;
}

FileDialogResult QtBackend::RunFileDialog(const FileDialogRequest& request) {
    if (qApp == nullptr) return {DialogOutcome::Failed, {}, {}};
    return RunOpenFileDialog(OwnerWindow(request.owner), request);
}

FolderPickerResult QtBackend::RunFolderPicker(const FolderPickerRequest& request) {
    if (qApp == nullptr) return {};
    return RunFolderDialog(OwnerWindow(request.owner), request);
}
