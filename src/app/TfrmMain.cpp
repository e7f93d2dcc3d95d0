#include "app/TfrmMain.h"

#include "app/ManualPage.h"
#include "common/FileHelpers.h"
#include "common/FirstRunSettings.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/IllegalCharacters.h"
#include "common/PathNormalising.h"
#include "common/SettingLists.h"
#include "common/SettingsFile.h"
#include "create/numbers/TfrmStatistic03.h"
#include "create/numbers/Vol03NumbersPage.h"
#include "create/paths/TfrmStatistic04.h"
#include "create/paths/Vol04PathsPage.h"
#include "create/strings/TfrmStatistic02.h"
#include "create/strings/Vol02StringsPage.h"
#include "manage/copy/TfrmStatistic08.h"
#include "manage/copy/Vol08CopyPage.h"
#include "manage/delete/TfrmStatistics07.h"
#include "manage/delete/Vol07DeletePage.h"
#include "manage/rename/TfrmStatistic06.h"
#include "manage/rename/Vol06RenamePage.h"
#include "platform/FileSystem.h"
#include "tools/FileTypesLabels.h"
#include "tools/LocalTutorialPage.h"
#include "tools/TAboutBox.h"
#include "tools/TfrmDelimiters.h"
#include "tools/TfrmLicenseSingleUser.h"
#include "tools/TfrmOverViewHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/Colors.h"
#include "ui/Desktop.h"
#include "ui/ElidedLabel.h"
#include "ui/Guard.h"
#include "ui/Hints.h"
#include "ui_Vol08CopyPage.h"

#include "ui_TfrmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>

TfrmMain* frmMain = nullptr;

namespace {

// Names the help file until a settings file says otherwise.
const char* const kHelpFileBaseName = "FOLDERSMITH";

// Hints stay up until the pointer leaves the control, practically.
constexpr int kHintHidePause = 600000;

const char* const kExitRefusedText =
    "The program is still at work: folders are being created, simulated, counted or undone.\n\n"
    "Exit when the work has ended.";

constexpr int kClientWidth = 1061;
constexpr int kClientHeight = 713;

// The process caption of each statistics window follows its hidden box: ticked
// after a real run, clear after a simulation.
struct ProcessCaption {
    QWidget* window;
    const char* label;
    const char* checkBox;
    const char* simulated;
    const char* real;
};

void ShowProcessCaption(const ProcessCaption& caption) {
    if (!caption.window)
        return;
    auto* label = caption.window->findChild<QLabel*>(caption.label);
    auto* checkBox = caption.window->findChild<QCheckBox*>(caption.checkBox);
    if (!label || !checkBox)
        return;
    ui::SetFontColor(label, ui::clMaroon);
    label->setText(QString::fromUtf8(checkBox->isChecked() ? caption.real : caption.simulated));
    label->setAlignment(Qt::AlignCenter);
}

void AddPage(QWidget* tab, QWidget* page) {
    tab->layout()->addWidget(page);
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent), ui_(std::make_unique<Ui::TfrmMain>()) {
    ui_->setupUi(this);

    QFont tahoma = font();
    tahoma.setFamilies({QStringLiteral("Tahoma")});
    setFont(tahoma);

    stringsPage_ = new Vol02StringsPage(*this);
    pathsPage_ = new Vol04PathsPage(*this);
    numbersPage_ = new Vol03NumbersPage(*this);
    manualPage_ = new ManualPage(*this);
    copyPage_ = new Vol08CopyPage(*this);
    deletePage_ = new Vol07DeletePage(*this);
    renamePage_ = new Vol06RenamePage(*this);
    AddPage(ui_->tabFolderCreate03, stringsPage_);
    AddPage(ui_->tabFolderCreate05, pathsPage_);
    AddPage(ui_->tabFolderCreate04, numbersPage_);
    AddPage(ui_->tabFolderCreate01, manualPage_);
    AddPage(ui_->tabFoldersCopy02, copyPage_);
    AddPage(ui_->tabFoldersDelete01, deletePage_);
    AddPage(ui_->tabFoldersRename01, renamePage_);
    // The file selection window's OK names the active file choice here.
    RegisterFileTypesLabel(copyPage_->Controls().lblVol08FileTypesAllSelected);

    // The rename, delete and copy pages are kept but not offered.
    for (QWidget* tab : {ui_->tabFoldersCopy02, ui_->tabFoldersDelete01, ui_->tabFoldersRename01})
        ui_->pgeMain->setTabVisible(ui_->pgeMain->indexOf(tab), false);

    ui_->Misc1->menuAction()->setVisible(false);
    ui_->Videos1->setEnabled(false);
    ui_->Videos1->menuAction()->setToolTip(QStringLiteral("Video tutorials"));
    ui_->Videos1->menuAction()->setVisible(false);

    ui::OnTriggered(ui_->Exit1, [this] { FileExit1Execute(); });
    ui::OnTriggered(ui_->ManageSeparators1, [this] { ManageSeparators1Click(); });
    ui::OnTriggered(ui_->OverView, [this] { OverViewClick(); });
    ui::OnTriggered(ui_->VisitZEKontheWeb1, [this] { VisitZEKontheWeb1Click(); });
    ui::OnTriggered(ui_->SingleUserLicenseAgreement1, [this] { SingleUserLicenseAgreement1Click(); });
    ui::OnTriggered(ui_->About1, [this] { About1Click(); });
    ui::OnTriggered(ui_->VideoforCopyProcess01, [this] { VideoforCopyProcess01Click(); });

    new ui::ActivationWatcher(this, [this] { FormActivate(); });

    // Labels that show a person's own texts elide them instead of widening
    // the window.
    for (const char* name : {"lblVol02StartFolder", "lblVol02EndFolder", "lblVol03StartFolder",
                             "lblVol03EndFolder", "lblVol04StartFolder", "lblVol04EndFolder",
                             "lblVol06StartFolder", "lblVol06EndFolder", "lblSimple02CompleteFolder"})
        ui::ElideInMiddle(findChild<QLabel*>(QString::fromLatin1(name)));

    // A run's progress bar appears in room kept for it, so that nothing moves
    // when it comes and goes.
    for (QProgressBar* bar : findChildren<QProgressBar*>()) {
        QSizePolicy policy = bar->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        bar->setSizePolicy(policy);
    }

    // The client area, below the menu bar, keeps its size whatever the pages
    // show.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    FormCreate();
}

TfrmMain::~TfrmMain() {
    FormDestroy();
}

QTabWidget* TfrmMain::pgeMain() const {
    return ui_->pgeMain;
}

void TfrmMain::FormCreate() {
    SetHelpFileBaseName(kHelpFileBaseName);
    ui::SetHintHidePause(kHintHidePause);
    std::string currentDirectory;
    GetCurrentFolder(currentDirectory);
    SetStartDirectory(currentDirectory);
    LoadOrCreateSettings();

    stringsPage_->InitialiseAtStart();
    numbersPage_->InitialiseAtStart();
    pathsPage_->InitialiseAtStart();

    copyPage_->InitialiseAtStart();

    manualPage_->InitialiseAtStart();

    renamePage_->InitialiseAtStart();

    deletePage_->InitialiseAtStart();

    // The strings page is in front at start, whichever page the form puts there.
    ui_->pgeMain->setCurrentWidget(ui_->tabFolderCreate03);

    FillPathIllegalChars();
    FillSubpathIllegalChars();
    FillNameIllegalChars();
    SetSharedTexts();
}

void TfrmMain::LoadOrCreateSettings() {
    const std::string currentDirectory = GetStartDirectory();
    const SettingsReader probe(CollapseDoubleBackslashes(currentDirectory + "\\" + "default.set"));
    if (!probe.IsOpen()) {
        ApplyFirstRunDefaults();
        SettingsWriter writer("");
        if (!writer.Save())
            ui::desktop().MessageBox(SettingsWriter::FailureBox());
        return;
    }
    SettingsReader reader("");
    reader.ClearAll();
    reader.Load();
    // A start directory stored by an earlier run that has gone since would make
    // every later load and save fail, and one without a drive would move with
    // the current directory; the folder the program started in serves instead.
    const std::string stored = GetStartDirectory();
    if (ExtractFileDrive(stored).empty() || !DirectoryExists(stored))
        SetStartDirectory(currentDirectory);
}

void TfrmMain::SetSharedTexts() {
    texts_.CreateSimulationIntroText = "Simulation shows you the complete Folder Creation process \nwithout "
                                       "actually creating them on the hard "
                                       "drive.\n\nThis allows you to see the process in real time, eliminate "
                                       "errors or export\nResult Folder/File "
                                       "lists - all without compromising existing Folder Structures.\n";
    texts_.CreateSimulationEndText =
        "End of Simulation !!!\n\nNo actual Folders were Created because of Simulation.\nThe purpose of the "
        "Simulation is to show the Complete Folder creation process\n without actually creating them on the "
        "hard "
        "drive.\n\nIf You want to Create Folders, use the Create Folders button.";
    texts_.RenameSimulationIntroText =
        "Simulation shows you the complete Rename Folder process \nwithout actually "
        "Rename them on the hard drive.\n\n";
    texts_.RenameSimulationEndText =
        "End of Simulation !!!\n\nNo actual Folders were Renamed because of Simulation.\n\nThe purpose of "
        "the "
        "Simulation is to show the Complete Folder Renaming process\n without actually Renaming them on the "
        "hard "
        "drive.\n\nIf You want to Rename Folders, Use the Rename Folders button.";
    texts_.DeleteSimulationIntroText = "Simulation shows you the complete Delete Folder/File process "
                                       "\nwithout actually Delete them on the hard "
                                       "drive.\n\nThis allows you to see the process in real time, eliminate "
                                       "errors or export\nResult Folder lists "
                                       "- all without compromising existing Folder Structures.\n\nNote: If "
                                       "the <Select Files> button is active, "
                                       "only the Selected Files will be used.";
    texts_.DeleteSimulationEndText =
        "End of Simulation !!!\n\nNo actual Folders were Deleted because of Simulation (Test Mode).\n\nThe "
        "purpose "
        "of the Simulation is to show the Complete Folder Deleting process\n without actually deleting them "
        "on the "
        "hard drive.\n\nIf You want to Delete Folders/Files, Use the Delete Folders button.";
    texts_.CopySimulationIntroText = "Simulation shows you the complete Copy Folder Structure(s) process "
                                     "\nwithout actually Copy them on the hard "
                                     "drive.\n\nThis allows you to see the process in real time, eliminate "
                                     "errors or export\nResult Folder lists "
                                     "- all without compromising existing Folder Structures.\n\nNote: If the "
                                     "<Select Files> button is active, "
                                     "only the Selected Files will be used.";
    texts_.CopySimulationEndText =
        "End of Simulation !!!\n\nNo actual Folders/Files were copied because of Simulation (Test "
        "Mode).\n\nThe "
        "purpose of the Simulation is to show the Complete Folder Copy process\n without actually Copy them "
        "on the "
        "hard drive.\n\nIf You want to Copy Folder Structures, Use the Copy Folders button.";
    texts_.SelectFilesHintText = "You can Select File Names/Types by Clicking on the <Select Files> button.";
    texts_.AllFileTypesText = "All.";
    texts_.UserSelectedFileTypesText = "User Selected.";
}

void TfrmMain::FormActivate() {
    const char* const creationSimulated = "Simulate the Folder/File Creation Process.";
    const char* const creationReal = "Folder/File Creation Process.";
    const ProcessCaption captions[] = {
        {frmStatistic02, "lblVol02NormalSimulate", "chkStat02NormalSimulate", creationSimulated,
         creationReal},
        {frmStatistic03, "lblVol03NormalSimulate", "chkStat03NormalSimulate", creationSimulated,
         creationReal},
        {frmStatistic04, "lblVol04NormalSimulate", "chkStat04NormalSimulate", creationSimulated,
         creationReal},
        {frmStatistic06, "lblVol06NormalSimulate", "chkStat06NormalSimulate",
         "Simulate the Folder Rename Process.", "Folder Rename Process."},
        {frmStatistics07, "lblVol07NormalSimulate", "chkStat07NormalSimulate",
         "Simulate the Folder/File Delete Process.", "Folder/File Delete Process."},
        {frmStatistic08, "lblVol08NormalSimulate", "chkStat08NormalSimulate",
         "Simulate the Folder/File Copy Process.", "Folder/File Copy Process."},
    };
    for (const ProcessCaption& caption : captions)
        ShowProcessCaption(caption);

    const std::string& fileTypes =
        GetFileNamePatternText() == "*.*" ? texts_.AllFileTypesText : texts_.UserSelectedFileTypesText;
    copyPage_->Controls().lblVol08FileTypesAllSelected->setText(QString::fromStdString(fileTypes));
    deletePage_->ShowVol07StatisticsResults();
    deletePage_->ShowActiveFileTypes();
}

void TfrmMain::FormDestroy() {
    std::string rememberedDirectory;
    GetCurrentFolder(rememberedDirectory);
    platform::SetCurrentDirectoryA(GetStartDirectory());
    // There is no help file to hold on to, so the quit always succeeds.
    platform::WinHelpQuit();
    platform::SetCurrentDirectoryA(rememberedDirectory);
}

int TfrmMain::TabIndex(const std::string& tabName) const {
    for (int i = 0; i < ui_->pgeMain->count(); ++i) {
        if (ui_->pgeMain->widget(i)->objectName().toStdString() == tabName)
            return i;
    }
    return -1;
}

void TfrmMain::SetTabEnabled(const std::string& tabName, bool enabled) {
    const int index = TabIndex(tabName);
    if (index >= 0)
        ui_->pgeMain->setTabEnabled(index, enabled);
}

void TfrmMain::ShowTab(const std::string& tabName) {
    const int index = TabIndex(tabName);
    if (index >= 0)
        ui_->pgeMain->setCurrentIndex(index);
}

bool TfrmMain::WorkInProgress() const {
    return stringsPage_->RunInProgress() || numbersPage_->RunInProgress() || pathsPage_->RunInProgress() ||
           renamePage_->RunInProgress() || deletePage_->RunInProgress() || copyPage_->RunInProgress();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // A run lets the message loop turn, so Exit and the window's close box
    // reach here while it works. Closing then would hide the window and leave
    // the run going on unseen, and its undo list would end with the process:
    // the window stays until the work has ended.
    if (WorkInProgress()) {
        event->ignore();
        ui::desktop().ShowMessage(kExitRefusedText);
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}

void TfrmMain::FileExit1Execute() {
    close();
}

void TfrmMain::ManageSeparators1Click() {
    ui::desktop().ShowModal(*frmDelimiters);
}

void TfrmMain::OverViewClick() {
    ui::desktop().ShowModal(*frmOverViewHelp);
}

void TfrmMain::VisitZEKontheWeb1Click() {
    OpenMakerHomePage();
}

void TfrmMain::SingleUserLicenseAgreement1Click() {
    ui::desktop().ShowModal(*frmLicenseSingleUser);
}

void TfrmMain::About1Click() {
    ui::desktop().ShowModal(*AboutBox);
}

void TfrmMain::VideoforCopyProcess01Click() {
    OpenLocalTutorialPage();
}
