// Renders each page of the sheet, as the program shows it on the sample
// settings file, to <folder>/<page>.png. Runs on any Qt platform; the
// offscreen one needs no display.
// Usage: brindlewick_page_shots <settings file> <output folder>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "framework/core/CWinApp.h"
#include "framework/core/Runtime.h"
#include "framework/qt/QtBackend.h"
#include "framework/qt/SheetTabBar.h"
#include "framework/qt/SheetWindow.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <settings file> <output folder>\n", argv[0]);
        return 2;
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QFile::copy(QString::fromLocal8Bit(argv[1]), scratch.filePath("quorvane.ini")) ||
        !QDir().mkpath(output)) {
        std::fprintf(stderr, "cannot prepare %s\n", argv[2]);
        return 1;
    }
    ChangeWorkingDirectory(scratch.path().toStdString());

    QtBackend backend;
    int saved = 0;
    QTimer::singleShot(0, [&] {
        SheetWindow* sheet = backend.RunningSheet();
        if (sheet == nullptr) return;
        for (int page = 0; page < sheet->Tabs()->count(); ++page) {
            sheet->RequestPage(page);
            const QString name = sheet->Tabs()->tabText(page).toLower() + QStringLiteral(".png");
            if (sheet->grab().save(QDir(output).filePath(name))) ++saved;
        }
        sheet->reject();
    });
    AfxWinMain(backend, CurrentExecutablePath(argv[0]));
    return saved == 5 ? 0 : 1;
}
