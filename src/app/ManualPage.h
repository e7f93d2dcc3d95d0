#pragma once
// The page "Creating Folder -Manually.": folders created one request at a
// time, either from full paths typed into a combo box or as a subfolder path
// below a chosen destination folder. Each way keeps two logs of its last run
// (folders that already existed, folders not created for other reasons) and
// shows them in its error-log window.

#include <QWidget>

#include <deque>
#include <memory>
#include <string>

class MainWindowServices;

namespace Ui {
class ManualPage;
}

class ManualPage : public QWidget {
    Q_OBJECT
public:
    explicit ManualPage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~ManualPage() override;

    // The page's share of the main window's start-up: long paths scroll
    // sideways in the result lists, and both error-log buttons start green.
    void InitialiseAtStart();

    // Handlers.
    void btnCreateFolderForcedClick();
    void btnForcedErrorLogClick();
    void btnAddRootFoldersClick();
    void cboRootFoldersSelect();
    void cboSubFolderChange();
    void btnCreateSubFolderClick();
    void btnSubFolderErrorLogClick();
    void btnSubViewDestFolderClick();
    void btnForcedHelpClick();
    void tabFolderCreate01Show();

    void UpdateSubFolderPreview();

    // The state of the last runs, for the error-log windows.
    const std::deque<std::string>& GetForcedExistingLog() const { return ForcedExistingLog; }
    const std::deque<std::string>& GetForcedOtherLog() const { return ForcedOtherLog; }
    const std::deque<std::string>& GetSubFolderExistingLog() const { return SubFolderExistingLog; }
    const std::deque<std::string>& GetSubFolderOtherLog() const { return SubFolderOtherLog; }
    const std::string& GetManualRootFolder() const { return ManualRootFolder; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The destination folder with the subfolder text below it.
    std::string SubFolderPath(const std::string& subFolder) const;
    // Makes one subfolder below the destination and logs how it went.
    void CreateSubFolder(const std::string& subFolder);
    // Takes a chosen destination: listed in the combo, shown, previewed.
    void ShowDestination();
    void SetErrorLogColour(QWidget* button, bool logsEmpty);

    MainWindowServices& mainWindow_;
    std::unique_ptr<Ui::ManualPage> ui_;

    std::deque<std::string> ForcedExistingLog;
    std::deque<std::string> ForcedOtherLog;
    std::deque<std::string> SubFolderExistingLog;
    std::deque<std::string> SubFolderOtherLog;
    std::string ManualRootFolder;
};
