#include <sys/stat.h>

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

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

std::string_view Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Whether Qt will find a screen. Without one it aborts, leaving a core file;
// a user who started the program from a text console gets one line instead.
bool HasGraphicalSession() {
    // A platform asked for by name that needs no display server (offscreen, vnc, ...).
    const std::string_view platform = Variable("QT_QPA_PLATFORM");
    if (!platform.empty() && !platform.starts_with("xcb") && !platform.starts_with("wayland")) return true;
    if (!Variable("DISPLAY").empty() || !Variable("WAYLAND_SOCKET").empty()) return true;
    std::string socket(Variable("WAYLAND_DISPLAY"));
    if (socket.empty()) socket = "wayland-0";
    if (socket.front() != '/') {
        if (Variable("XDG_RUNTIME_DIR").empty()) return false;
        socket = std::string(Variable("XDG_RUNTIME_DIR")) + "/" + socket;
    }
    struct stat info {};
    return stat(socket.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasGraphicalSession()) {
        std::fputs("brindlewick: needs a graphical session, and neither DISPLAY nor a Wayland socket is set\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    // Names the window after the installed desktop entry, which gives docks its icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("brindlewick"));
    QApplication::setWindowIcon(ProgramIcon());
    QtBackend backend;
    return AfxWinMain(backend, CurrentExecutablePath(argv[0]));
}
