#pragma once
// The desktop of the running program: Qt's message boxes and file dialogs,
// the program's own folder browse dialog, and the system's opening of folders,
// files and web addresses. Dialogs speak Windows paths, and their name fields
// take them too; a file the person picks outside every mapped drive is
// refused with a box.

#include "ui/Desktop.h"

#include <QStringList>

#include <string>

class QWidget;

namespace ui {

class QtDesktop : public Desktop {
public:
    Answer MessageBox(const MessageBoxRequest& request) override;
    // Shows the window modally; closing it with the title bar's close button
    // (or Esc) gives Cancel.
    Answer ShowModal(Form& window) override;
    std::string BrowseForFolder(QWidget* owner, const std::string& title) override;
    std::string OpenFileName(const FileDialogRequest& request) override;
    std::string SaveFileName(const FileDialogRequest& request) override;
    // A web address ("http://", "https://", "mailto:", "www.") goes to the
    // browser; anything else is a Windows path (a folder or a file, relative
    // ones against the current directory), opened by the system when it exists.
    bool ShellOpen(const std::string& target) override;
    // Run loops call it at every item: pending events run when a
    // millisecond has passed since they last did (PendingEventPacer).
    void ProcessMessages() override;
    void ShowFrameworkError(const std::string& text) override;
    void ShowMessage(const std::string& text) override;

private:
    // Where the person last chose a file: the next file dialog opens there
    // unless its caller names a folder.
    std::string lastFileFolder_;
};

// The application's title, as the framework's plain and error boxes show it.
std::string ApplicationTitle();

// The framework's file filter ("Text Files (*.txt)|*.txt|All Files (*.*)|*.*")
// as Qt's name filters. Patterns match as on Windows: "*.*" every name.
QStringList ToQtNameFilters(const std::string& filter);

} // namespace ui
