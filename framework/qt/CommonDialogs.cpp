#include "framework/qt/CommonDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

#include "framework/core/Constants.h"
#include "framework/core/Runtime.h"

namespace {

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToBytes(const QString& text) { return text.toUtf8().toStdString(); }

QMessageBox::Icon IconOf(unsigned style) {
    switch (style & 0xF0u) {
        case 0x10u: return QMessageBox::Critical;
        case 0x20u: return QMessageBox::Question;
        case 0x30u: return QMessageBox::Warning;
        case 0x40u: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

// Qt's file dialog reads its history and last folder from the user's
// settings when it opens and writes them back when it closes. This program
// keeps no state and each dialog starts where it is told, so it keeps none:
// the settings go below /dev/null, where no folder can be made, so nothing is
// written anywhere and a killed run leaves nothing behind.
void KeepDialogStateToThisRun() {
    static bool redirected = false;
    if (redirected) return;
    const QString nowhere = QStringLiteral("/dev/null");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
    redirected = true;
}

}  // namespace

int RunMessageBox(QWidget* owner, const MessageBoxRequest& request) {
    QMessageBox box(IconOf(request.style), ToQString(request.caption), ToQString(request.text), QMessageBox::Ok,
                    owner);
    // The text is whatever the system says, a folder's path for one: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    box.exec();
    return IDOK;
}

QStringList NameFilters(const std::vector<FileTypeFilter>& filters) {
    QStringList names;
    for (const FileTypeFilter& filter : filters) {
        QStringList patterns = ToQString(filter.pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        }
        QString description = ToQString(filter.description);
        // Qt reads the patterns from the description's last parentheses.
        const QString written = QStringLiteral(" (") + ToQString(filter.pattern) + QLatin1Char(')');
        if (description.endsWith(written)) description.chop(written.size());
        names.append(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return names;
}

FileDialogResult RunOpenFileDialog(QWidget* owner, const FileDialogRequest& request) {
    KeepDialogStateToThisRun();
    QFileDialog dialog(owner, ToQString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(request.openMode ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode((request.flags & OFN_FILEMUSTEXIST) != 0 ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.openMode && (request.flags & OFN_OVERWRITEPROMPT) == 0) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    }
    const QStringList filters = NameFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.selectedFilter >= 0 && request.selectedFilter < filters.size()) {
            dialog.selectNameFilter(filters.at(request.selectedFilter));
        }
    }
    if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    // With no folder given it starts in the working directory, as on a first
    // use, not wherever an earlier dialog of this run was left.
    dialog.setDirectory(request.initialFolder.empty() ? QDir::currentPath() : ToQString(request.initialFolder));
    if (!request.initialFileName.empty()) dialog.selectFile(ToQString(request.initialFileName));

    if (dialog.exec() != QDialog::Accepted) return {DialogOutcome::Cancelled, {}, {}};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return {DialogOutcome::Cancelled, {}, {}};
    const QFileInfo file(chosen.front());
    // The dialog leaves the process in the chosen file's folder unless asked not to.
    if ((request.flags & OFN_NOCHANGEDIR) == 0) ChangeWorkingDirectory(ToBytes(file.absolutePath()));
    return {DialogOutcome::Confirmed, ToBytes(QDir::toNativeSeparators(file.absoluteFilePath())),
            ToBytes(file.fileName())};
}

FolderPickerResult RunFolderDialog(QWidget* owner, const FolderPickerRequest& request) {
    KeepDialogStateToThisRun();
    QFileDialog dialog(owner, ToQString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // The user's own folder stands for the top of the namespace here.
    dialog.setDirectory(QDir::homePath());
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    FolderPickerResult result;
    result.confirmed = true;
    result.pathObtained = !chosen.isEmpty() && !chosen.front().isEmpty();
    if (result.pathObtained) result.path = ToBytes(QDir::toNativeSeparators(chosen.front()));
    return result;
}
