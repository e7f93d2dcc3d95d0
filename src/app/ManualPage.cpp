#include "app/ManualPage.h"

#include "common/BrowseFolder.h"
#include "common/FileHelpers.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathRules.h"
#include "common/TextLines.h"
#include "tools/MainWindowServices.h"
#include "tools/TForcedUnSuccessFullForm.h"
#include "tools/TSubFolderUnSuccessFullForm.h"
#include "tools/TfrmAltalanosHelp.h"
#include "ui/Colors.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ShellOpening.h"

#include "ui_ManualPage.h"

#include <QLineEdit>
#include <QShowEvent>

#include <limits>
#include <string>
#include <vector>

namespace {

// Boxes of the full-path creation.
const char* const Caption0104 = "Creating Folder(s).-Manually (1).            Warning no: 0104.";
const char* const Caption0105 = "Creating Folder(s).- Manually (1).            Warning no: 0105.";
const char* const Caption0106 = "Creating Folder(s).-From Folder List.            Warning no: 0106.";
const char* const Caption0107 = "Creating Folder(s).-Manually (1).            Information no: 0107.";
const char* const Caption0108 = "Creating Folder.                     Warning no: 0108.";
const char* const Caption0109 = "Creating Folder(s).- Manually.            Information no: 0109.";
const char* const Caption0110 = "Creating Folder(s).-Manually.            Information no: 0110.";
// Boxes of the destination folder and the subfolder creation.
const char* const Caption0112 = "Creating Folder.                     Warning no: 0112.";
const char* const Caption0113 = "Creating Folder.                     Warning no: 0113.";
const char* const Caption0114 = "Creating Folder(s).\t\t\t            Warning no: 0114.";
const char* const Caption0115 = "Creating Folder.                     Warning no: 0115.";
const char* const Caption0116 = "Creating Folder.                     Warning no: 0116.";
const char* const Caption0117 = "Creating Folder.                     Warning no: 0117.";
const char* const Caption0118 = "Creating Folder(s).- SubFolder.            Information no: 0118.";
const char* const Caption0119 = "Creating Folder(s).-SubFolders.            Information no: 0119.";

const char* const QuestionCreateText =
    "\nDo you want to create this folder ?\nClick YES to Continue Creating folders,\n"
    "Click NO to Stop the Creating process.";
const char* const FolderExistsText =
    "This folder exists !\nAction : You must enter other text to create a valid folder.";
const char* const ShowErrorLogText =
    "End of Creating Folders/Files !!!\nThe Error Log is not empty !!!\nDo you want to see it ?";
const char* const EndOfCreatingText = "End of Creating Folders/Files !!!";
const char* const NoRootFolderText =
    "The selection field is empty !\nAction : You must select a root directory to create a valid folder.";
const char* const NoViewFolderText =
    "The selection field is empty !\nAction : You must select a folder with subfolders structure.";
const char* const DriveInSubFolderText =
    "There is a drive letter in text !\nAction : You can't enter a drive letter to Subfolder field.";
const char* const EmptySubFolderText =
    "The text field is empty !\nAction : You must enter other text to create a valid path.";

const char* const BrowseTitle = "Select the Destination Directory.";
const char* const HelpTopic = "CreateManually";

// The pages that must stay out of reach while a creation waits on its boxes.
const char* const OtherTabs[] = {"tabFolderCreate05", "tabFolderCreate04",  "tabFolderCreate03",
                                 "tabFoldersCopy02",  "tabFoldersRename01", "tabFoldersDelete01"};

// Keeps the other tabs disabled for the life of a creation handler and gives
// them back on every way out, after the focus has returned to the handler's
// combo box.
class OtherTabsDisabled {
public:
    OtherTabsDisabled(MainWindowServices& mainWindow, QWidget* focusAtEnd)
        : mainWindow_(mainWindow), focusAtEnd_(focusAtEnd) {
        for (const char* tab : OtherTabs)
            mainWindow_.SetTabEnabled(tab, false);
    }
    ~OtherTabsDisabled() {
        focusAtEnd_->setFocus();
        for (const char* tab : OtherTabs)
            mainWindow_.SetTabEnabled(tab, true);
    }
    OtherTabsDisabled(const OtherTabsDisabled&) = delete;
    OtherTabsDisabled& operator=(const OtherTabsDisabled&) = delete;

private:
    MainWindowServices& mainWindow_;
    QWidget* focusAtEnd_;
};

ui::Answer Warning(QWidget* owner, const char* caption, const std::string& text) {
    return ui::ShowBox(owner, caption, text, ui::Icon::Warning);
}

ui::Answer Information(QWidget* owner, const char* caption, const std::string& text) {
    return ui::ShowBox(owner, caption, text, ui::Icon::Information);
}

bool Question(QWidget* owner, const char* caption, const std::string& text) {
    return ui::ShowBox(owner, caption, text, ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) ==
           ui::Answer::Yes;
}

// A folder counts as created only when this run made it: it was not there
// before and is there now. ForceDirectories also says true for a folder it
// did not make (a root, a text too short to be a folder).
bool CreateNewFolder(const std::string& path) {
    if (DirectoryExists(path))
        return false;
    return ForceDirectories(path) && DirectoryExists(path);
}

void AddUnlessHeld(ui::ComboBox& combo, const std::string& text) {
    if (!combo.Contains(text))
        combo.AddItem(text);
}

// The subfolder texts the field asks for. A typed text is one, as it is.
// Lines pasted at once are texts of their own, so that a line break never
// ends up inside a folder name, and lines without a name (a paste's last
// line break) ask for nothing; a paste of such lines alone asks for what an
// empty field does.
std::vector<std::string> SubFolderTexts(const std::string& text) {
    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() == 1)
        return lines;
    std::erase_if(lines, [](const std::string& line) { return Trim(line).empty(); });
    if (lines.empty())
        lines.emplace_back();
    return lines;
}

// Between the folders of a preview: a character no folder name can hold.
const char* const PreviewSeparator = "  |  ";

void FillLog(ui::ListBox& list, const std::deque<std::string>& log) {
    list.BeginUpdate();
    list.Clear();
    for (const std::string& item : log)
        list.AddItem(item);
    list.EndUpdate();
}

} // namespace

ManualPage::ManualPage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::ManualPage>()) {
    ui_->setupUi(this);
    setObjectName("ManualPage");
    // Lines pasted at once come in whole: a cut one would name another folder.
    ui_->cboCreateFolderForced->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    ui_->cboSubFolder->lineEdit()->setMaxLength(std::numeric_limits<int>::max());

    ui::OnClicked(ui_->btnCreateFolderForced, [this] { btnCreateFolderForcedClick(); });
    ui::Connect(ui_->cboCreateFolderForced->lineEdit(), &QLineEdit::returnPressed, this,
                [this] { btnCreateFolderForcedClick(); });
    ui::OnClicked(ui_->btnForcedErrorLog, [this] { btnForcedErrorLogClick(); });
    ui::OnClicked(ui_->btnAddRootFolders, [this] { btnAddRootFoldersClick(); });
    ui::Connect(ui_->cboRootFolders, &QComboBox::activated, this, [this] { cboRootFoldersSelect(); });
    ui::Connect(ui_->cboSubFolder, &QComboBox::editTextChanged, this, [this] { cboSubFolderChange(); });
    ui::Connect(ui_->cboSubFolder->lineEdit(), &QLineEdit::returnPressed, this,
                [this] { btnCreateSubFolderClick(); });
    ui::OnClicked(ui_->btnCreateSubFolder, [this] { btnCreateSubFolderClick(); });
    ui::OnClicked(ui_->btnSubFolderErrorLog, [this] { btnSubFolderErrorLogClick(); });
    ui::OnClicked(ui_->btnSubViewDestFolder, [this] { btnSubViewDestFolderClick(); });
    ui::OnClicked(ui_->btnForcedHelp, [this] { btnForcedHelpClick(); });
}

ManualPage::~ManualPage() = default;

void ManualPage::InitialiseAtStart() {
    ui_->lstSuccess->SetHorizontalExtent(3000);
    ui_->lstSuccessSubFolders->SetHorizontalExtent(3000);
    SetErrorLogColour(ui_->btnForcedErrorLog, true);
    SetErrorLogColour(ui_->btnSubFolderErrorLog, true);
}

void ManualPage::SetErrorLogColour(QWidget* button, bool logsEmpty) {
    ui::SetFontColor(button, logsEmpty ? ui::clGreen : ui::clRed);
}

void ManualPage::btnCreateFolderForcedClick() {
    OtherTabsDisabled tabs(mainWindow_, ui_->cboCreateFolderForced);
    SetErrorLogColour(ui_->btnForcedErrorLog, true);
    ForcedExistingLog.clear();
    ForcedOtherLog.clear();

    // Lines pasted at once are texts of their own, each checked as a typed
    // text is, so that a line break never ends up inside a path; the paths of
    // all of them are then created in order.
    std::vector<std::string> lines = SplitLines(Trim(ui_->cboCreateFolderForced->Text()));
    std::vector<std::string> shown;
    std::deque<std::string> paths;
    std::string message;
    for (const std::string& untrimmed : lines) {
        const std::string line = Trim(untrimmed);
        if (line.empty() && lines.size() > 1)
            continue;
        if (!AnalyseDriveColons(line, message)) {
            Warning(window(), Caption0104, message);
            return;
        }
        std::deque<std::string> linePaths;
        std::string normalised;
        if (!ValidateAndSplitPathText(line, linePaths, message, normalised)) {
            Warning(window(), Caption0105, message);
            return;
        }
        shown.push_back(normalised);
        paths.insert(paths.end(), linePaths.begin(), linePaths.end());
    }
    ui_->cboCreateFolderForced->SetText(JoinLines(shown));

    for (const std::string& item : paths) {
        const std::string path = TrimBlanks(item);
        if (!ValidateFolderName(path, message)) {
            Warning(window(), Caption0106, message);
            return;
        }
        if (DirectoryExists(path)) {
            ForcedExistingLog.push_back(path);
            Warning(window(), Caption0108, FolderExistsText);
            continue;
        }
        if (!Question(window(), Caption0107, path + QuestionCreateText))
            return;
        if (CreateNewFolder(path)) {
            AddUnlessHeld(*ui_->cboCreateFolderForced, path);
            ui_->lstSuccess->AddItem(path);
        } else {
            ForcedOtherLog.push_back(path);
        }
    }

    if (!ForcedExistingLog.empty() || !ForcedOtherLog.empty()) {
        SetErrorLogColour(ui_->btnForcedErrorLog, false);
        if (Question(window(), Caption0109, ShowErrorLogText))
            btnForcedErrorLogClick();
    } else {
        Information(window(), Caption0110, EndOfCreatingText);
    }
}

void ManualPage::btnForcedErrorLogClick() {
    FillLog(*ForcedUnSuccessFullForm->lstForcedUnSuccessFullExist(), ForcedExistingLog);
    FillLog(*ForcedUnSuccessFullForm->lstForcedUnSuccessFullOther(), ForcedOtherLog);
    ui::desktop().ShowModal(*ForcedUnSuccessFullForm);
}

void ManualPage::btnSubFolderErrorLogClick() {
    FillLog(*SubFolderUnSuccessFullForm->lstSubFolderUnSuccessFullExist(), SubFolderExistingLog);
    FillLog(*SubFolderUnSuccessFullForm->lstSubFolderUnSuccessFullOther(), SubFolderOtherLog);
    ui::desktop().ShowModal(*SubFolderUnSuccessFullForm);
}

void ManualPage::btnAddRootFoldersClick() {
    const std::string chosen = BrowseForFolder(window(), BrowseTitle);
    // A cancelled dialog keeps the destination the combo and the preview still
    // show, so that a later creation does not land at the root of some drive.
    if (chosen.empty()) {
        Warning(window(), Caption0112, NoRootFolderText);
        return;
    }
    ManualRootFolder = chosen;
    ShowDestination();
}

void ManualPage::cboRootFoldersSelect() {
    ManualRootFolder = ui_->cboRootFolders->Text();
    if (ManualRootFolder.empty()) {
        Warning(window(), Caption0113, NoRootFolderText);
        return;
    }
    ShowDestination();
}

void ManualPage::ShowDestination() {
    ui::ComboBox& combo = *ui_->cboRootFolders;
    AddUnlessHeld(combo, ManualRootFolder);
    combo.SetItemIndex(combo.IndexOf(ManualRootFolder));
    UpdateSubFolderPreview();
}

void ManualPage::btnSubViewDestFolderClick() {
    const std::string folder = Trim(ui_->cboRootFolders->Text());
    if (folder.empty()) {
        Warning(window(), Caption0114, NoViewFolderText);
        return;
    }
    ui::OpenInShell(folder);
}

std::string ManualPage::SubFolderPath(const std::string& subFolder) const {
    // Below a drive's root ("D:\") this doubles the backslash; the folder
    // routines read a run of backslashes as one, so the path still names the
    // folder the person meant.
    if (!subFolder.empty() && subFolder.front() == '\\')
        return ManualRootFolder + subFolder;
    return ManualRootFolder + "\\" + subFolder;
}

void ManualPage::UpdateSubFolderPreview() {
    // Every folder a creation would make, on the label's one line: a line
    // break in it would make the label taller and move what lies below it.
    std::string preview;
    for (const std::string& subFolder : SubFolderTexts(ui_->cboSubFolder->Text())) {
        if (!preview.empty())
            preview += PreviewSeparator;
        preview += SubFolderPath(subFolder);
    }
    ui_->lblSimple02CompleteFolder->setText(QString::fromStdString(preview));
}

void ManualPage::cboSubFolderChange() {
    UpdateSubFolderPreview();
}

void ManualPage::btnCreateSubFolderClick() {
    OtherTabsDisabled tabs(mainWindow_, ui_->cboSubFolder);
    SetErrorLogColour(ui_->btnSubFolderErrorLog, true);
    SubFolderExistingLog.clear();
    SubFolderOtherLog.clear();

    const std::string text = ui_->cboSubFolder->Text();
    UpdateSubFolderPreview();

    for (const std::string& subFolder : SubFolderTexts(text)) {
        if (subFolder.empty()) {
            Warning(window(), Caption0117, EmptySubFolderText);
        } else if (!ExtractFileDrive(subFolder).empty()) {
            Warning(window(), Caption0116, DriveInSubFolderText);
        } else if (ExtractFileDrive(ManualRootFolder).empty()) {
            // Without a destination the path would start at "\": a short name
            // would pass for a root and be reported as created, a longer one
            // would land at the root of the current drive.
            Warning(window(), Caption0112, NoRootFolderText);
            break;
        } else {
            CreateSubFolder(subFolder);
        }
    }

    if (!SubFolderExistingLog.empty() || !SubFolderOtherLog.empty()) {
        SetErrorLogColour(ui_->btnSubFolderErrorLog, false);
        if (Question(window(), Caption0118, ShowErrorLogText))
            btnSubFolderErrorLogClick();
    } else {
        Information(window(), Caption0119, EndOfCreatingText);
    }
}

void ManualPage::CreateSubFolder(const std::string& subFolder) {
    const std::string path = SubFolderPath(subFolder);
    if (DirectoryExists(path)) {
        SubFolderExistingLog.push_back(path);
        Warning(window(), Caption0115, FolderExistsText);
    } else if (CreateNewFolder(path)) {
        AddUnlessHeld(*ui_->cboSubFolder, subFolder);
        ui_->lstSuccessSubFolders->AddItem(path);
        if (ui_->chkSubViewDestFolder->isChecked())
            ui::OpenInShell(Trim(ui_->cboRootFolders->Text()));
    } else {
        SubFolderOtherLog.push_back(path);
    }
}

void ManualPage::btnForcedHelpClick() {
    ShowHelpWindow(HelpTopic);
}

void ManualPage::tabFolderCreate01Show() {
    ui_->cboCreateFolderForced->setFocus();
}

void ManualPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        ui::Guard([this] { tabFolderCreate01Show(); });
}
