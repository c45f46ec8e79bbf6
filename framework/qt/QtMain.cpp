#include <QApplication>
#include <QIcon>

#include "framework/core/CWinApp.h"
#include "framework/core/Runtime.h"
#include "framework/qt/QtBackend.h"

namespace {

// The icon drawn for the program, at the sizes a desktop asks for.
QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/brindlewick-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Names the window after the installed desktop entry, which gives docks its icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("brindlewick"));
    QApplication::setWindowIcon(ProgramIcon());
    QtBackend backend;
    return AfxWinMain(backend, CurrentExecutablePath(argv[0]));
}
