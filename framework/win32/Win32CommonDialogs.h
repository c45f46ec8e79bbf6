#pragma once

#include "framework/core/Backend.h"

// The common file dialog and the shell's folder picker, asked in ANSI.
FileDialogResult RunWin32FileDialog(const FileDialogRequest& request);
FolderPickerResult RunWin32FolderPicker(const FolderPickerRequest& request);
