// The copy page's structures, attach modes and file selection, and the
// pre-count that every change of them runs: what the chosen structures hold,
// what a run would copy into the Include folders, and whether each file
// system has room for it.

#include "manage/copy/Vol08CopyPage.h"

#include "common/BoxCaption.h"
#include "common/BrowseFolder.h"
#include "common/DiskSpace.h"
#include "common/FileHelpers.h"
#include "common/FolderListNormaliser.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/LevelFillers.h"
#include "common/NumberTexts.h"
#include "manage/copy/CopyFolders.h"
#include "runs/FileSystemNeeds.h"
#include "tools/ItemListMoves.h"
#include "tools/TfrmFileSelection.h"
#include "tools/TfrmLevelSummFolder.h"
#include "ui/ListBox.h"

#include "ui_Vol08CopyPage.h"

namespace {

const std::string Title = "Copy Folder Structure(s).-From a Folder List - Level.";

// The structure's own top folder counts in the "Main Folders" modes.
bool CountsTopFolder(const Ui::Vol08CopyPage& ui) {
    return !ui.rdoVol08AttachSubFoldersOnlyWithFiles->isChecked() &&
           !ui.rdoVol08AttachSubFoldersOnlyWithoutFiles->isChecked();
}

uint64_t SaturatingProduct(uint64_t a, uint64_t b) {
    if (a != 0 && b > std::numeric_limits<uint64_t>::max() / a)
        return std::numeric_limits<uint64_t>::max();
    return a * b;
}

} // namespace

void Vol08CopyPage::SumVol08Structures(bool withFiles) {
    structureTotals_ = StructureTotals{};
    structureFileMap_.clear();
    const std::vector<std::string> lines = StructureItems();
    structureParts_.assign(lines.size(), StructureTotals{});
    for (size_t i = 0; i < lines.size(); ++i) {
        // The scan and the run name the structure's files alike: from the
        // trimmed line, as the run walks it.
        const std::string structure = TrimBlanks(lines[i]);
        if (structure.empty())
            continue;
        FolderTreeScanner scanner(structure);
        scanner.SetCountRootFolder(CountsTopFolder(*ui_));
        // A folder the run cannot read is one it counts as not copied.
        scanner.SetCountClosedFolders(true);
        scanner.RunWithPatterns();
        StructureTotals& part = structureParts_[i];
        part.subfolders = scanner.GetFolderCount();
        const FileSizeMap matched = scanner.GetMatchedFileSizeMap();
        structureFileMap_.insert(matched.begin(), matched.end());
        if (withFiles) {
            part.bytes = scanner.GetMatchedBytes();
            part.files = scanner.GetMatchedFileCount();
        }
        structureTotals_.subfolders += part.subfolders;
        structureTotals_.files += part.files;
        structureTotals_.bytes += part.bytes;
    }
}

std::vector<Vol08CopyPage::DriveNeed> Vol08CopyPage::SumVol08DriveNeeds() const {
    std::vector<DriveNeed> result;
    for (const FileSystemNeed& need : NeedsOf(UniqueCopyFolders(ui_->lstVol08IncludeFolderList->Items())))
        result.push_back({need.root, need.folder, need.neededBytes});
    return result;
}

std::vector<FileSystemNeed> Vol08CopyPage::NeedsOf(const std::vector<CopyFolder>& folders) const {
    FileSystemNeeds needs;
    // Each folder once, however many lines name it. A line without a drive
    // part, or on a drive that is not there, needs no space: the run cannot
    // copy into it.
    for (const CopyFolder& folder : folders)
        needs.Add(PathOf(folder), structureTotals_.bytes);
    return needs.Needs();
}

bool Vol08CopyPage::CountVol08ToCopy(bool withFiles) {
    SumVol08Structures(withFiles);
    // A line without a drive part names no folder a run could copy into;
    // lines naming one folder count once.
    const std::vector<CopyFolder> unique = UniqueCopyFolders(ui_->lstVol08IncludeFolderList->Items());
    std::deque<std::string> folders;
    for (const CopyFolder& folder : unique)
        if (folder.hasDrive)
            folders.push_back(PathOf(folder));
    FolderListNormaliser normaliser(std::move(folders));
    normaliser.BuildTopLevelList();
    const uint64_t n = normaliser.GetResult().size();
    if (n == 0)
        return false;
    const std::vector<FileSystemNeed> needs = NeedsOf(unique);
    uint64_t freeBytes = 0;
    if (const FileSystemNeed* shortNeed = FirstShortNeed(needs, freeBytes)) {
        double value = 0;
        std::string unit;
        const std::string freeText = SizeToText(freeBytes, value, unit);
        const std::string neededText = SizeToText(shortNeed->neededBytes, value, unit);
        ui::ShowBox(this, "Creating Folder(s).-From a Folder List.            Information no: 0177.",
                    "There is not enough space on the disk.\nThe free space on the disk " + shortNeed->root +
                        " is : " + freeText + "    " + BigNumberToText(freeBytes) + " bytes\n" +
                        "The program requires : " + neededText + "    " +
                        BigNumberToText(shortNeed->neededBytes) + " bytes.",
                    ui::Icon::Warning);
        return false;
    }
    CounterRow& toCopy = block_.Counters.ToCreate;
    toCopy.Folders = static_cast<double>(n);
    toCopy.SubFolders = static_cast<double>(n) * structureTotals_.subfolders;
    toCopy.Files = static_cast<double>(n) * structureTotals_.files;
    toCopy.FilesSize = static_cast<double>(SaturatingProduct(n, structureTotals_.bytes));
    return true;
}

void Vol08CopyPage::RecountToCopy(bool withFiles) {
    ResetVol08Counters();
    CountVol08ToCopy(withFiles);
    ShowCountersEverywhere();
}

void Vol08CopyPage::AttachRadioClicked(bool withFiles, bool* hintShown) {
    if (runInProgress_)
        return;
    const bool showsHint = hintShown != nullptr;
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui_->btnVol08AddFolderStructure, ui_->btnVol08ViewFolderStructure,
                                         ui_->btnVol08RemoveFolderStructure, ui_->lstVol08AddFolderStructure})
        control->setEnabled(true);
    RecountToCopy(withFiles);
    EnableVol08RunButtons();
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->btnVol08FileSelection, ui_->lblVol08Status,
                                                            ui_->lblVol08FileTypesAllSelected})
        control->setEnabled(showsHint);
    if (showsHint && !*hintShown) {
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0277.",
                    "You can Select File Names/Types by Clicking on the <Select Files> button.",
                    ui::Icon::Warning);
        *hintShown = true;
    }
}

void Vol08CopyPage::rdoVol08AttachMainFolderWithFilesClick() {
    AttachRadioClicked(ui_->rdoVol08AttachMainFolderWithFiles->isChecked(), &mainWithFilesHintShown_);
}

void Vol08CopyPage::rdoVol08AttachSubFoldersOnlyWithFilesClick() {
    AttachRadioClicked(ui_->rdoVol08AttachSubFoldersOnlyWithFiles->isChecked(),
                       &subFoldersWithFilesHintShown_);
}

void Vol08CopyPage::btnVol08FileSelectionClick() {
    if (runInProgress_ || !FileSelectionConfirmed())
        return;
    ResetVol08Counters();
    if (WithFilesModeChecked())
        CountVol08ToCopy(true);
    else
        CountVol08ToCopy(false);
    ShowCountersEverywhere();
}

void Vol08CopyPage::btnVol08AddFolderStructureClick() {
    if (runInProgress_)
        return;
    const std::string folder = BrowseForFolder(this, "Select the Folder Structure.");
    const std::string trimmed = Trim(folder);
    if (trimmed.size() == 3) {
        std::string typeName;
        if (!DriveTypeName(ExtractFileDrive(trimmed), typeName))
            return;
        if (ui::ShowBox(this, Title + Blanks12 + "Information no: 0330.",
                        "Do you want to COPY the Entire Disk to the Folders specified in The Include Window "
                        "?\nClick YES to Copy,\nClick NO to Cancel.",
                        ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes)
            AddVol08Structure(folder);
    } else if (trimmed.size() > 3) {
        AddVol08Structure(folder);
    }
}

void Vol08CopyPage::AddVol08Structure(const std::string& folder) {
    ui::ListBox& structures = *ui_->lstVol08AddFolderStructure;
    if (!structures.Contains(folder))
        structures.AddItem(folder);
    RecountToCopy(WithFilesModeChecked());
    EnableVol08RunButtons();
    ui_->btnVol08CopyFolders->setEnabled(true);
    ui_->btnVol08CopyFoldersSimulation->setEnabled(true);
    structures.setFocus();
}

void Vol08CopyPage::btnVol08ViewFolderStructureClick() {
    const ui::ListBox& structures = *ui_->lstVol08AddFolderStructure;
    const int index = structures.ItemIndex();
    if (index < 0) {
        ui::ShowBox(
            this, Title + Blanks12 + "Warning no: 0280.",
            "There is no selected Folder Structure !\nAction : You must select a Folder with subfolder "
            "structure.",
            ui::Icon::Warning);
        return;
    }
    OpenExistingFolder(this, structures.Text(index));
}

void Vol08CopyPage::btnVol08RemoveFolderStructureClick() {
    if (runInProgress_)
        return;
    ui::ListBox& structures = *ui_->lstVol08AddFolderStructure;
    if (ui::ShowBox(this, Title + Blanks12 + "Warning no: 0281.",
                    "Do you want to remove the selected Folder Structure(s) from the list ?",
                    ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes) {
        DeleteListRows(structures, structures.SelectedIndexes());
    }
    RecountToCopy(WithFilesModeChecked());
    EnableVol08RunButtons();
    ui_->btnVol08RemoveFolderStructure->setFocus();
}

void Vol08CopyPage::SummariseVol08Root(const std::string& folder) {
    ResetVol08Counters();
    if (!Trim(folder).empty() && frmLevelSummFolder) {
        FolderTreeScanner scanner(folder);
        scanner.SetCountRootFolder(CountsTopFolder(*ui_));
        scanner.RunWithPatterns();
        FillLevelSummaryMatched(scanner);
    }
    CountVol08ToCopy(true);
    ShowCountersEverywhere();
}
