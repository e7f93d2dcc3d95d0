#include "manage/shared/ManageLists.h"

#include "common/BrowseFolder.h"
#include "common/FolderLineSet.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkText.h"
#include "manage/shared/DriveRowMoves.h"
#include "manage/shared/ManageControlsOnPage.h"
#include "manage/shared/WindowResults.h"
#include "tools/ExcludeListClearing.h"
#include "tools/ExportHandOver.h"
#include "tools/IncludeListEditor.h"
#include "tools/ItemListMoves.h"
#include "tools/TfrmFileImport.h"
#include "tools/TfrmSubFolderListBuilder.h"
#include "tools/UpdatePacer.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"
#include "ui/ShellOpening.h"

#include "ui_TfrmFileImport.h"

#include <QLabel>
#include <QProgressBar>

#include <limits>

namespace {

int ProgressMaximum(size_t count) {
    return static_cast<int>(std::min<size_t>(count, static_cast<size_t>(std::numeric_limits<int>::max())));
}

const std::string SelectDestination =
    "The selection field is empty !\nAction : You must select a destination folder.";

} // namespace

ManageLists::ManageLists(const ManageListControls& controls, ManagePageTexts texts, ManageListRules rules)
    : c_(controls), texts_(std::move(texts)), rules_(std::move(rules)) {}

ManageLists::ManageLists(const ManagePageForm& form, ManageListRules rules)
    : ManageLists(ManageListControlsOnPage(*form.page, form.code, form.addFolderToList, form.busy),
                  ManagePageTextsOf(rules.page), std::move(rules)) {
    LevelBuilderPage page = LevelPage();
    if (rules_.levels)
        rules_.levels(page);
    levels_ = std::make_unique<LevelListBuilder>(
        LevelBuilderControlsOnPage(*form.page, form.code, form.addFolderToList), std::move(page));
    levels_->Connect(form.page);
}

ManageLists::~ManageLists() = default;

bool ManageLists::Busy() const {
    return c_.busy && *c_.busy;
}

void ManageLists::Warn(const std::string& caption, const std::string& text) {
    ui::ShowBox(c_.page, caption, text, ui::Icon::Warning);
}

bool ManageLists::Ask(const std::string& caption, const std::string& text) {
    return ui::ShowBox(c_.page, caption, text, ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) ==
           ui::Answer::Yes;
}

void ManageLists::PrepareAtStart() {
    c_.includeSum->setText("0");
    c_.excludeSum->setText("0");
    c_.include->SetHorizontalExtent(3000);
    c_.exclude->SetHorizontalExtent(3000);
}

void ManageLists::ShowCounts() {
    c_.includeSum->setText(QString::number(c_.include->Count()));
    c_.excludeSum->setText(QString::number(c_.exclude->Count()));
}

bool ManageLists::MayEnterInclude(const std::string& folder) {
    if (!rules_.keptOutOfInclude || !rules_.keptOutOfInclude(folder))
        return true;
    Warn(rules_.keptOut.caption, rules_.keptOut.text);
    return false;
}

void ManageLists::TakeResults(ui::Form& window, std::function<std::vector<std::string>()> results,
                              const std::string& emptyCaption) {
    WindowResults take;
    take.owner = c_.page;
    take.window = &window;
    take.results = std::move(results);
    take.emptyCaption = emptyCaption;
    take.emptyText = "Empty Result List in the File Import Window!\n";
    take.add = [this](const std::vector<std::string>& lines) {
        rules_.whileBusy([&] { AddResultLines(lines); });
    };
    take.refresh = rules_.refresh;
    TakeWindowResults(take);
}

void ManageLists::TakeBuilderResults() {
    if (Busy())
        return;
    if (!frmSubFolderListBuilder)
        return;
    TakeResults(
        *frmSubFolderListBuilder,
        [] {
            const auto* results = frmSubFolderListBuilder->findChild<ui::ListBox*>("lstIncludeFolderList");
            return results ? results->Items() : std::vector<std::string>{};
        },
        texts_.lists.builderEmpty);
}

void ManageLists::TakeImportResults() {
    if (Busy())
        return;
    if (!frmFileImport)
        return;
    TakeResults(
        *frmFileImport, [] { return frmFileImport->Controls().lstFileImportResults->Items(); },
        texts_.lists.importEmpty);
}

void ManageLists::AddResultLines(const std::vector<std::string>& lines) {
    ui::ListBox& include = *c_.include;
    const ui::ListBox& exclude = *c_.exclude;
    QProgressBar& progress = *c_.progressBar;
    progress.setRange(0, ProgressMaximum(lines.size()));
    progress.setValue(0);
    progress.show();
    // A folder either list names, however written there, is not added again;
    // the new lines join the list in one go at the end, and meanwhile the set
    // sees them too.
    FolderLineSet held(include.Items());
    for (const std::string& line : exclude.Items())
        held.Add(line);
    std::vector<std::string> added;
    UpdatePacer pacer;
    for (size_t index = 0; index < lines.size(); ++index) {
        if (pacer.Due()) {
            progress.setValue(ProgressMaximum(index));
            c_.includeSum->setText(QString::number(include.Count() + static_cast<int>(added.size())));
            ui::desktop().ProcessMessages();
        }
        std::string line = rules_.trimLines ? Trim(lines[index]) : lines[index];
        if (Trim(line).size() < rules_.shortestFolder)
            continue;
        if (held.Holds(line))
            continue;
        held.Add(line);
        added.push_back(std::move(line));
    }
    include.AddItems(added);
    c_.includeSum->setText(QString::number(include.Count()));
    progress.hide();
}

void ManageLists::AddBrowsedFolder() {
    if (Busy())
        return;
    std::string folder = BrowseForFolder(c_.page, "Select the Folder.");
    if (rules_.trimLines)
        folder = Trim(folder);
    if (folder.empty()) {
        Warn(texts_.lists.addEmpty, "The selection field is empty !!!");
    } else if (!MayEnterInclude(folder)) {
        return;
    } else if (FolderLineSet(c_.include->Items()).Holds(folder)) {
        Warn(texts_.lists.addInInclude, "This folder exists in the INCLUDE FOLDER LIST !!!");
    } else if (FolderLineSet(c_.exclude->Items()).Holds(folder)) {
        Warn(texts_.lists.addInExclude, "This folder exists in the EXCLUDE FOLDER LIST !!!");
    } else {
        c_.include->AddItem(folder);
    }
    rules_.refresh();
}

void ManageLists::Move(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows, bool checkEntering) {
    if (Busy())
        return;
    rules_.whileBusy([&] {
        UpdatePacer pacer;
        const auto step = [&] {
            if (pacer.Due()) {
                ShowCounts();
                ui::desktop().ProcessMessages();
            }
        };
        // A line without a drive, or one the other list holds, leaves its
        // list without going anywhere. A line the page keeps out of its
        // Include list ends the move, every selected line still where it was.
        std::function<bool(const std::string&)> mayEnter;
        if (checkEntering)
            mayEnter = [this](const std::string& line) { return MayEnterInclude(line); };
        MoveDriveRows(from, to, rows, rules_.hasDrive, step, mayEnter);
    });
    rules_.refresh();
}

void ManageLists::MoveSelectedToExclude() {
    Move(*c_.include, *c_.exclude, c_.include->SelectedIndexes(), false);
}

void ManageLists::MoveSelectedToInclude() {
    Move(*c_.exclude, *c_.include, c_.exclude->SelectedIndexes(), true);
}

void ManageLists::MoveAllToExclude() {
    Move(*c_.include, *c_.exclude, AllListRows(*c_.include), false);
}

void ManageLists::MoveAllToInclude() {
    Move(*c_.exclude, *c_.include, AllListRows(*c_.exclude), false);
}

void ManageLists::ExchangeLists() {
    if (Busy())
        return;
    ui::ListBox& include = *c_.include;
    ui::ListBox& exclude = *c_.exclude;
    const std::vector<std::string> included = include.Items();
    // A line the page keeps out of its Include list stays behind, after the
    // lines that come over, and the person is told why. No line is lost.
    std::vector<std::string> taken;
    std::vector<std::string> staying;
    for (const std::string& line : exclude.Items()) {
        const bool keptOut = rules_.keptOutOfInclude && rules_.keptOutOfInclude(line);
        (keptOut ? staying : taken).push_back(line);
    }
    include.Clear();
    exclude.Clear();
    include.AddItems(taken);
    exclude.AddItems(included);
    for (const std::string& line : staying) {
        if (!exclude.Contains(line))
            exclude.AddItem(line);
    }
    ShowCounts();
    if (!staying.empty())
        MayEnterInclude(staying.front());
    rules_.refresh();
}

bool ManageLists::DeleteSelectedExcludeLines() {
    if (Busy())
        return false;
    ui::ListBox& exclude = *c_.exclude;
    if (exclude.Count() == 0) {
        Warn(texts_.lists.excludeEmpty,
             "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER "
             "to the EXCLUDE list to delete it.\n");
        return false;
    }
    if (!Ask(texts_.lists.excludeAsk,
             "Do you want to delete the selected item(s) from the Exclude list ?\nNote: "
             "You can delete ONLY from the EXCLUDE list.\n"))
        return false;
    DeleteListRows(exclude, exclude.SelectedIndexes());
    return true;
}

void ManageLists::DeleteFromExclude() {
    if (Busy())
        return;
    if (DeleteSelectedExcludeLines() || rules_.refreshWhenNothingDeleted)
        rules_.refresh();
}

void ManageLists::DeleteExcludeAll() {
    if (Busy())
        return;
    ClearExcludeList({c_.page, c_.exclude, c_.excludeSum, texts_.lists.excludeAllEmpty,
                      texts_.lists.excludeAllAsk, rules_.refresh, c_.deleteExcludeAll});
}

void ManageLists::ViewSelected() {
    if (Busy())
        return;
    const ui::ListBox& include = *c_.include;
    const int current = include.ItemIndex();
    const std::string noSelection =
        "There is no selected Folder Structure !\nAction : You must select a Folder "
        "with subfolder structure.";
    if (current < 0 || current >= include.Count()) {
        Warn(texts_.lists.viewNoSelection, noSelection);
        return;
    }
    // The shell's "open" runs a file; only a folder is shown.
    const std::string folder = Trim(include.Text(current));
    if (!DirectoryExists(folder)) {
        if (rules_.folderMissing)
            rules_.folderMissing(folder);
        else
            Warn(texts_.lists.viewNoSelection, noSelection);
        return;
    }
    ui::OpenInShell(folder);
}

void ManageLists::EditIncludeList() {
    IncludeListEditor* editor = rules_.editor ? rules_.editor() : nullptr;
    if (Busy() || !editor)
        return;
    editor->LoadList(*c_.include, *c_.exclude);
    if (ui::desktop().ShowModal(*editor) == ui::Answer::Ok)
        rules_.refresh();
}

void ManageLists::SmartExport() {
    if (Busy())
        return;
    ExportHandOver how;
    how.owner = c_.page;
    how.emptyCaption = texts_.lists.exportEmpty;
    how.emptyText = "The Include List is empty !\n";
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    how.progressBar = c_.progressBar;
    if (HandOverToFileExport(c_.include->Items(), how))
        rules_.refresh();
    c_.smartExport->setFocus();
}

void ManageLists::ClearAll() {
    if (Busy())
        return;
    if (ui::ShowBox(c_.page, texts_.lists.clearAsk,
                    "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to "
                    "Stop the delete process.",
                    ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;
    if (levels_)
        levels_->ResetToStart();
    c_.include->Clear();
    c_.exclude->Clear();
    c_.includeSum->setText("0");
    c_.excludeSum->setText("0");
    rules_.clearPageFields();
    Warn(texts_.lists.clearDone, "End of the CLEAR FIELDS process !!!\n");
}

void ManageLists::LoadListFile() {
    if (Busy())
        return;
    const ManageListFileCaptions& captions = texts_.files;
    IncludeListFileLoad load;
    load.owner = c_.page;
    load.include = c_.include;
    load.exclude = c_.exclude;
    load.notTxt = {
        captions.notTxt,
        "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to open this "
        "file ?\nClick YES to Continue Loading this file,\nClick NO to Stop the Loading process."};
    load.openFailed = {captions.openFailed,
                       "There was a problem opening the file !\nAction : The file is maybe corrupted."};
    load.clearInclude = {
        captions.clearInclude,
        "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear "
        "the previous content,\nClick NO to leave it."};
    load.inInclude = {captions.inInclude, "This folder already exists in the Include window !\n"};
    load.inExclude = {captions.inExclude, "This folder already exists in the Exclude window !\n"};
    load.noDrive = {captions.noDrive,
                    "There is no drive letter !\nClick YES to continue without asking\nClick NO  "
                    "to Clear the INCULDE Window and quit the Import process"};
    load.tooShort = [shortest = rules_.shortestListFileLine](const std::string& folder) {
        return folder.size() < shortest;
    };
    load.shortLineFirst = rules_.shortListFileLineFirst;
    load.hasDrive = HasDrivePart;
    load.acceptWithDrive = rules_.listFileAccepts;
    load.whileReading = rules_.whileBusy;
    load.showProgress = [this] {
        ShowCounts();
        ui::desktop().ProcessMessages();
    };
    load.afterQuit = [this] { ShowCounts(); };
    load.refresh = rules_.refresh;
    if (QWidget* focus = rules_.focusAfterLoad)
        load.focus = [focus] { focus->setFocus(); };
    LoadIncludeListFile(load);
}

void ManageLists::SaveListFile() {
    if (Busy())
        return;
    SaveIncludeListFile(c_.page, *c_.include, rules_.hasDrive,
                        {texts_.files.saveFailed,
                         "There was a problem saving the file !\nAction : The file is maybe corrupted."});
    rules_.refresh();
    c_.addFolderToList->setFocus();
}

LevelBuilderPage ManageLists::LevelPage() const {
    const ManageLevelCaptions& captions = texts_.levels;
    LevelBuilderPage page;
    page.owner = c_.page;
    page.include = c_.include;
    page.exclude = c_.exclude;
    page.includeSum = c_.includeSum;
    page.progressBar = c_.progressBar;
    page.refresh = rules_.refresh;
    page.messages.rootEmpty = {captions.rootEmpty, SelectDestination};
    page.messages.viewEmpty = {captions.viewEmpty, SelectDestination};
    page.messages.buildRootEmpty = {captions.buildRootEmpty, SelectDestination};
    page.messages.noResults = {captions.noResults,
                               "There are no matching results for subfolder selection !\n"
                               "Action : You must select a proper Subfolder level, or a filter."};
    page.messages.noDrivePart = {captions.noDrivePart, "There is no drive letter !\n"};
    page.messages.levelsReversed = {captions.levelsReversed, captions.levelsReversedText};
    if (captions.noInputFolder)
        page.noInputFolder = LevelBuilderBox{*captions.noInputFolder, SelectDestination};
    return page;
}
