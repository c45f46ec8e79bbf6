#include "ui/Pickers.h"

#include "framework/core/CFileDialog.h"
#include "framework/core/CPropertyPage.h"
#include "resources/Strings.h"

void BrowseFolder(CPropertyPage& page, std::string& field, const char* title) {
    const FolderPickerResult picked = AfxBrowseForFolder(title, BIF_RETURNONLYFSDIRS);
    if (picked.confirmed && picked.pathObtained) field = picked.path;
    page.UpdateData(false);
}

void BrowseRom(CPropertyPage& page, std::string& field, const std::string& romFolder) {
    CFileDialog dialog(true, nullptr, field.c_str(), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kRomFileFilter);
    dialog.m_ofn.lpstrInitialDir = romFolder;
    dialog.m_ofn.lpstrTitle = kRomSelectionTitle;
    if (dialog.DoModal() != IDOK) return;
    const std::string path = dialog.GetPathName();
    // The emulator looks bare names up in its ROM folder.
    field = path.compare(0, romFolder.size(), romFolder) == 0 ? dialog.GetFileName() : path;
    page.UpdateData(false);
}

void BrowseFile(CPropertyPage& page, std::string& field) {
    CFileDialog dialog(true, nullptr, field.c_str(), OFN_HIDEREADONLY, kAnyFileFilter);
    if (dialog.DoModal() != IDOK) return;
    field = dialog.GetPathName();
    page.UpdateData(false);
}
