#pragma once
// The file dialog of the program's desktop. Its name field takes the program's
// own paths as well as host paths: a path with a drive ("C:\tmp\list.txt",
// "d:/lists") leads through the drive table to the host file it names, and
// backslashes separate folders as slashes do. A drive the program does not
// have is refused with a box, and the dialog stays open.

#include <QFileDialog>

#include <optional>
#include <string>

namespace ui {

class WindowsPathFileDialog : public QFileDialog {
public:
    WindowsPathFileDialog(QWidget* parent, const QString& caption);

    void accept() override;

    // What a text typed into the name field stands for on the host: the host
    // path of a path with a drive (nullopt for a drive the program does not
    // have), slashes for the backslashes of any other text.
    static std::optional<std::string> HostFormOfTyped(const std::string& typed);

private:
    // Qt's dialog keeps its accept button off while the name field holds no
    // host file; a program path that leads to one turns it on.
    void EnableAcceptForProgramPath();
};

} // namespace ui
