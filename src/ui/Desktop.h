#pragma once
// Every service that waits for a person or leaves the program. The program
// installs QtDesktop; tests install a scripted desktop that answers each box by
// its number and checks what was shown.
//
// This header carries no Qt: services below the window layer use it too.

#include <string>
#include <vector>

class QWidget;

namespace ui {

class Form;

enum class Icon { None, Stop, Warning, Information, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };

// The framework's button identifiers and modal results.
enum class Answer { None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageBoxRequest {
    QWidget* owner = nullptr; // nullptr: a box without an owner window
    std::string caption;
    std::string text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::None; // None: the first button
};

struct FileDialogRequest {
    QWidget* owner = nullptr;
    std::string title;
    std::string filter;           // "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"
    std::string defaultExtension; // "txt", without the dot
    std::string initialDirectory; // Windows path, may be empty
    std::string fileName;         // proposed name, may be empty
};

class Desktop {
public:
    virtual ~Desktop() = default;

    virtual Answer MessageBox(const MessageBoxRequest& request) = 0;
    // Shows the window modally and returns its modal result.
    virtual Answer ShowModal(Form& window) = 0;
    // The folder browse dialog; the chosen folder in its Windows form, "" when cancelled.
    virtual std::string BrowseForFolder(QWidget* owner, const std::string& title) = 0;
    // File dialogs; the chosen file in its Windows form, "" when cancelled.
    virtual std::string OpenFileName(const FileDialogRequest& request) = 0;
    virtual std::string SaveFileName(const FileDialogRequest& request) = 0;
    // The shell's "open" of a folder (Windows path), a local file or a web address.
    virtual bool ShellOpen(const std::string& target) = 0;
    // Lets pending input and paint events run during a long operation.
    virtual void ProcessMessages() = 0;
    // The framework's error box for an error no handler caught.
    virtual void ShowFrameworkError(const std::string& text) = 0;
    // The framework's plain message box: the application's title and OK.
    virtual void ShowMessage(const std::string& text) = 0;
};

// The desktop in force; set once at start, replaced by tests. What it
// returns hands every call on to that desktop, and tells the box watchers of
// every box and modal window.
Desktop& desktop();
// Returns the desktop it replaces.
Desktop* SetDesktop(Desktop* desktop);

// Told of every box, modal window and dialog of the desktop: before it comes
// up and after it has been answered. While one is up, a person reads the
// windows behind it; a run that holds back what they show must show where it
// stands then.
class BoxWatcher {
public:
    virtual void BeforeBox() = 0;
    virtual void AfterBox() = 0;

protected:
    ~BoxWatcher() = default;
};

// A watcher is told until it is removed; it must be removed before it goes.
void AddBoxWatcher(BoxWatcher& watcher);
void RemoveBoxWatcher(BoxWatcher& watcher);

// Shorthand for the usual numbered boxes.
Answer ShowBox(QWidget* owner, const std::string& caption, const std::string& text, Icon icon,
               Buttons buttons = Buttons::Ok, Answer defaultButton = Answer::None);

} // namespace ui
