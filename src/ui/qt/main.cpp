#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTabWidget>
#include <QTimer>
#include <iostream>
#include <string>

#include "ui/qt/main_window.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/screenshots.h"

// tarnex [INPUT]: the window, with INPUT loaded when given.
// tarnex --screenshots DIR [INPUT]: saves pictures of the windows into DIR and ends.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("TARNEX");
    QApplication::setDesktopFileName("tarnex");
    QApplication::setWindowIcon(QIcon::fromTheme("tarnex"));
    QStringList args = QApplication::arguments();
    args.removeFirst();
    QString shotDir;
    if (!args.isEmpty() && args.first() == "--screenshots" && args.size() >= 2) {
        shotDir = args.at(1);
        args = args.mid(2);
    }
    tarnex::ProgramState state;
    tarnex::ui::QtDialogs desktop;
    tarnex::ui::LoggingDialogs logging;
    tarnex::Dialogs& dialogs = shotDir.isEmpty() ? static_cast<tarnex::Dialogs&>(desktop)
                                                 : static_cast<tarnex::Dialogs&>(logging);
    tarnex::ui::MainWindow window(state, dialogs);
    desktop.setParent(&window);
    window.StartUp();
    window.show();
    bool recovered = false;
    if (shotDir.isEmpty()) {
        recovered = window.OfferRecovery();
        window.EnableAutosave(60000);
    }
    if (!recovered && !args.isEmpty()) window.LoadInputFile(args.first().toStdString());
    if (!shotDir.isEmpty()) {
        QTimer::singleShot(300, &window, [&] {
            tarnex::ui::SaveScreenshots(window, shotDir);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
