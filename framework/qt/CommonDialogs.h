#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "framework/core/Backend.h"

class QWidget;

// The message box, file dialog and folder picker, each modal, owned by
// `owner` where one is given. Qt's own dialogs, never the desktop's, so that
// they behave the same on every desktop.
int RunMessageBox(QWidget* owner, const MessageBoxRequest& request);
FileDialogResult RunOpenFileDialog(QWidget* owner, const FileDialogRequest& request);
FolderPickerResult RunFolderDialog(QWidget* owner, const FolderPickerRequest& request);

// File types as Qt's dialog takes them. "*.*" matches every file, as it
// does where the filters were written, so it becomes "*".
QStringList NameFilters(const std::vector<FileTypeFilter>& filters);
