#include "app/ProgramEntry.h"

#include "app/ProgramWindows.h"
#include "app/TfrmMain.h"
#include "platform/FileSizeSignal.h"
#include "ui/Desktop.h"
#include "ui/QtDesktop.h"

#include <QApplication>

#include <exception>

int WinMain(int argc, char** argv) {
    QApplication application(argc, argv);
    // The application's title is the caption of the framework's plain message
    // boxes ("End of the loading process.").
    QApplication::setApplicationName(QStringLiteral("Foldersmith"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    ui::QtDesktop desktop;
    return RunProgram(desktop, CreateProgramWindows);
}

int RunProgram(ui::Desktop& desktop, const std::function<void()>& createWindows) {
    // A settings file that outgrows the file-size limit is a save that failed
    // and says so, not the end of the program.
    platform::IgnoreFileSizeSignal();
    ui::Desktop* previous = ui::SetDesktop(&desktop);
    // The loop runs until the main window closes, even while a statistics
    // window is still open beside it.
    const bool quitOnLastWindow = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        createWindows();
        QObject::connect(frmMain, &TfrmMain::Closed, qApp, &QCoreApplication::quit);
        frmMain->show();
        QApplication::exec();
    } catch (const std::exception& error) {
        desktop.ShowFrameworkError(error.what());
    } catch (...) {
        desktop.ShowFrameworkError("");
    }
    DestroyProgramWindows();
    QApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
    ui::SetDesktop(previous);
    return 0;
}
