#include <QApplication>

#include "framework/core/CWinApp.h"
#include "framework/core/Runtime.h"
#include "framework/qt/QtBackend.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QtBackend backend;
    return AfxWinMain(backend, CurrentExecutablePath(argv[0]));
}
