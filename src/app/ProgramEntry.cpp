#include "app/ProgramEntry.h"

#include "app/ProgramWindows.h"
#include "app/TfrmMain.h"
#include "ui/Desktop.h"
#include "ui/QtDesktop.h"

#include <QApplication>

#include <exception>

int WinMain(int argc, char** argv) {
    QApplication application(argc, argv);
    ui::QtDesktop desktop;
    ui::SetDesktop(&desktop);
    // The loop runs until the main window closes, even while a statistics
    // window is still open beside it.
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        CreateProgramWindows();
        QObject::connect(frmMain, &TfrmMain::Closed, &application, &QCoreApplication::quit);
        frmMain->show();
        QApplication::exec();
    } catch (const std::exception& error) {
        ui::desktop().ShowFrameworkError(error.what());
    } catch (...) {
        ui::desktop().ShowFrameworkError("");
    }
    DestroyProgramWindows();
    ui::SetDesktop(nullptr);
    return 0;
}
