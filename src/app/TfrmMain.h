#pragma once
// The main window: the menu bar and the page control with the program's seven
// pages. It owns the pages, and so every page's lists, counters and undo
// records; the pages reach it only through MainWindowServices.

#include "tools/MainWindowServices.h"
#include "tools/MainWindowTexts.h"

#include <QMainWindow>

#include <memory>
#include <string>

namespace Ui {
class TfrmMain;
}
class QTabWidget;
class ManualPage;
class Vol02StringsPage;
class Vol03NumbersPage;
class Vol04PathsPage;
class Vol06RenamePage;
class Vol07DeletePage;
class Vol08CopyPage;

class TfrmMain : public QMainWindow, public MainWindowServices {
    Q_OBJECT
public:
    // Runs FormCreate: the window is ready to show when this returns.
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The program's start-up: the start directory, the settings file (read, or
    // written with the first-run defaults), the page in front and the shared
    // texts. It uses the current directory as it finds it, so running it again
    // starts the program afresh from another folder.
    void FormCreate();
    // Each time the main window becomes active: the statistics windows' titles
    // follow their hidden Normal/Simulate boxes.
    void FormActivate();
    // At exit: the help service is told to let go of the program's help file.
    void FormDestroy();
    void FormShow() {}

    // MainWindowServices, PageTabs
    void SetTabEnabled(const std::string& tabName, bool enabled) override;
    void ShowTab(const std::string& tabName) override;
    const MainWindowTexts& Texts() const override { return texts_; }

    QTabWidget* pgeMain() const;

    Vol02StringsPage& StringsPage() const { return *stringsPage_; }
    Vol03NumbersPage& NumbersPage() const { return *numbersPage_; }
    ManualPage& ManualFoldersPage() const { return *manualPage_; }
    Vol04PathsPage& PathsPage() const { return *pathsPage_; }
    Vol06RenamePage& RenamePage() const { return *renamePage_; }
    Vol07DeletePage& DeletePage() const { return *deletePage_; }
    Vol08CopyPage& CopyPage() const { return *copyPage_; }

    // Menu handlers.
    void FileExit1Execute();
    void ManageSeparators1Click();
    void OverViewClick();
    void VisitZEKontheWeb1Click();
    void SingleUserLicenseAgreement1Click();
    void About1Click();
    void VideoforCopyProcess01Click();

signals:
    // The window was closed: the program's message loop ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void LoadOrCreateSettings();
    void SetSharedTexts();
    int TabIndex(const std::string& tabName) const;
    // Whether a page is running, simulating, counting or undoing.
    bool WorkInProgress() const;

    std::unique_ptr<Ui::TfrmMain> ui_;
    MainWindowTexts texts_;
    Vol02StringsPage* stringsPage_ = nullptr;
    Vol03NumbersPage* numbersPage_ = nullptr;
    ManualPage* manualPage_ = nullptr;
    Vol04PathsPage* pathsPage_ = nullptr;
    Vol06RenamePage* renamePage_ = nullptr;
    Vol07DeletePage* deletePage_ = nullptr;
    Vol08CopyPage* copyPage_ = nullptr;
};

extern TfrmMain* frmMain;
