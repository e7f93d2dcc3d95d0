#pragma once
// The folder browse dialog: the program's stand-in for the shell's. The tree
// holds the mapped drives and their folders (hidden ones left out), under a
// "Computer" item that is no folder itself. A path field follows the
// selection and may be typed into, with a Windows path ("D:\work") or a path
// of this machine ("/home/ann/work"); the check box "Show the edit control."
// shows and hides it. OK gives the chosen folder in its drive form. A folder
// outside every mapped drive, or one that does not exist, is refused with a
// box and the dialog stays open.

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

class FolderBrowseDialog : public QDialog {
    Q_OBJECT
public:
    FolderBrowseDialog(QWidget* owner, const std::string& title);

    // The chosen folder ("D:\work", "D:\" for a root) once OK was accepted,
    // else "".
    std::string Result() const { return result_; }

    // Expands the tree down to the folder and selects it. False (and nothing
    // selected anew) when it is not an existing folder of a mapped drive.
    bool SelectFolder(const std::string& windowsPath);
    bool SelectHostFolder(const std::string& hostPath);

    // The Windows path of the selected item; "" for an item that is no folder.
    std::string SelectedFolder() const;

public slots:
    // OK: takes the typed path when the person edited the field, else the
    // selected folder; refuses what is not a folder of a mapped drive.
    void accept() override;

private:
    void FillDrives();
    void Populate(QTreeWidgetItem* item);
    QTreeWidgetItem* ChildNamed(QTreeWidgetItem* parent, const QString& name);
    void OnCurrentChanged();
    void UpdateOkButton();
    // The typed text as a folder's drive form; "" after telling the person why not.
    std::string ResolveTyped(const std::string& typed);
    void Refuse(const std::string& text);

    QLabel* title_;
    QTreeWidget* tree_;
    QLineEdit* path_;
    QCheckBox* showPath_;
    QPushButton* ok_;
    QTreeWidgetItem* computer_ = nullptr;
    bool edited_ = false;
    std::string result_;
};

} // namespace ui
