#include "tools/TfrmSubFolderListBuilder.h"

#include "common/BoxCaption.h"
#include "common/BrowseFolder.h"
#include "common/FolderNormalForm.h"
#include "common/FolderTreeScanner.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkText.h"
#include "common/LevelFillers.h"
#include "common/LevelSelector.h"
#include "tools/ExportHandOver.h"
#include "tools/ItemListMoves.h"
#include "tools/TfrmFLLEditIncludeFolderList.h"
#include "tools/UpdatePacer.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/FrameworkError.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"
#include "ui/ShellOpening.h"
#include "ui/UpDown.h"

#include "ui_TfrmSubFolderListBuilder.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <unordered_set>

TfrmSubFolderListBuilder* frmSubFolderListBuilder = nullptr;

namespace {

const std::string Title = "SubFolder Level List Builder.";

std::string Caption(const std::string& number) {
    return Title + Blanks12 + "Warning no: " + number + ".";
}

const std::string SelectionEmptyText =
    "The selection field is empty !\nAction : You must select a destination folder.";

// Clears a flag when the handler that set it ends, also by an exception.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

bool IsWholeNumber(const std::string& text) {
    try {
        StrToInt(text);
        return true;
    } catch (const ui::FrameworkError&) {
        return false;
    }
}

// Focus moves after the focus change in progress has ended, or that change
// would take it back.
void FocusLater(QWidget* control) {
    QTimer::singleShot(0, control, [control] { control->setFocus(); });
}

// Adds the items the list does not hold yet, ignoring case, each once.
void AddMissing(ui::ListBox& list, const std::vector<std::string>& items) {
    std::vector<std::string> added;
    std::unordered_set<std::string> keys;
    added.reserve(items.size());
    keys.reserve(items.size());
    for (const std::string& item : items) {
        std::string key = ui::FoldCase(item);
        if (!list.ContainsFolded(key) && keys.insert(std::move(key)).second)
            added.push_back(item);
    }
    list.AddItems(added);
}

} // namespace

TfrmSubFolderListBuilder::TfrmSubFolderListBuilder(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmSubFolderListBuilder>()) {
    ui_->setupUi(this);
    ui_->udFromLevelNumber->SetAssociate(ui_->edtFromLevelNumber);
    ui_->udToLevelNumber->SetAssociate(ui_->edtToLevelNumber);
    ui_->udAboveLevelNumber->SetAssociate(ui_->edtAboveLevelNumber);
    ui_->udBelowLevelNumber->SetAssociate(ui_->edtBelowLevelNumber);
    ConnectHandlers();
    FormCreate();
}

TfrmSubFolderListBuilder::~TfrmSubFolderListBuilder() = default;

void TfrmSubFolderListBuilder::ConnectHandlers() {
    ui::OnClicked(ui_->btnMainSourceFolderAdd, [this] { btnMainSourceFolderAddClick(); });
    ui::Connect(ui_->cboMainSourceFolder, &QComboBox::activated, this,
                [this] { cboMainSourceFolderSelect(); });
    ui::OnClicked(ui_->btnMainSourceFolderView, [this] { btnMainSourceFolderViewClick(); });
    ui::OnClicked(ui_->btnIncludeFolderListView, [this] { btnIncludeFolderListViewClick(); });
    ui::OnClicked(ui_->rdoFromToLevelNumber, [this] { rdoFromToLevelNumberClick(); });
    ui::OnClicked(ui_->rdoAboveLevelNumber, [this] { rdoAboveLevelNumberClick(); });
    ui::OnClicked(ui_->rdoBelowLevelNumber, [this] { rdoBelowLevelNumberClick(); });
    ui_->edtFromLevelNumber->installEventFilter(this);
    ui_->edtToLevelNumber->installEventFilter(this);
    // Before an arrow steps, its bounds are those of the folder in the box.
    for (ui::UpDown* upDown :
         {ui_->udFromLevelNumber, ui_->udToLevelNumber, ui_->udAboveLevelNumber, ui_->udBelowLevelNumber}) {
        for (QToolButton* arrow : {upDown->UpButton(), upDown->DownButton()})
            ui::Connect(arrow, &QToolButton::pressed, this, [this] { FollowFolderInTheBox(); });
        upDown->Associate()->installEventFilter(this);
    }
    ui::Connect(ui_->rdoBuildAllSubFolders, &QRadioButton::toggled, this,
                [this] { SetUpDownBounds(deepestLevel_); });
    ui::OnClicked(ui_->btnBuildList, [this] { btnBuildListClick(); });
    ui::OnClicked(ui_->btnFromIncToExc, [this] { btnFromIncToExcClick(); });
    ui::OnClicked(ui_->btnFromExcToInc, [this] { btnFromExcToIncClick(); });
    ui::OnClicked(ui_->btnAllFromIncToExc, [this] { btnAllFromIncToExcClick(); });
    ui::OnClicked(ui_->btnAllFromExcToInc, [this] { btnAllFromExcToIncClick(); });
    ui::OnClicked(ui_->btnExchangeIncToExc, [this] { btnExchangeIncToExcClick(); });
    ui::OnClicked(ui_->btnDeleteFromExcludeList, [this] { btnDeleteFromExcludeListClick(); });
    ui::OnClicked(ui_->btnDeleteExcludedAll, [this] { btnDeleteExcludedAllClick(); });
    ui::OnClicked(ui_->btnSmartExport, [this] { btnSmartExportClick(); });
    ui::OnClicked(ui_->btnEditIncludeList, [this] { btnEditIncludeListClick(); });
    ui::OnClicked(ui_->BitBtn1, [this] { BitBtn1Click(); });
    ui::OnClicked(ui_->BitBtn2, [this] { BitBtn2Click(); });
}

void TfrmSubFolderListBuilder::FormCreate() {
    ui_->lstIncludeFolderList->SetHorizontalExtent(3000);
    ui_->lstExcludeFolderList->SetHorizontalExtent(3000);
    ui_->lblIncludeSum->setText("0");
    ui_->lblExcludeSum->setText("0");
    ui_->lblMainLevelSumFiles->setText("0");
    ui_->lblMainLevelSumSubFolder->setText("0");
    ui_->lblMainLevelSumFileSize->setText("0 bytes.");
    ui_->lstViewLevelSumFolder->header()->resizeSection(0, 80);
    ui_->lstViewLevelSumFolder->header()->resizeSection(1, 120);
    SetUpDownBounds(1);
    SetLevelRule(LevelRule::Range);
}

bool TfrmSubFolderListBuilder::eventFilter(QObject* watched, QEvent* event) {
    // The arrow keys in a level edit step as the arrows do: after this filter.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down)
            ui::Guard([this] { FollowFolderInTheBox(); });
    }
    // Leaving an edit for another control of this window, not the window
    // losing its activation to a box or another program.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == ui_->edtFromLevelNumber)
                ui::Guard([this] { edtFromLevelNumberExit(); });
            else if (watched == ui_->edtToLevelNumber)
                ui::Guard([this] { edtToLevelNumberExit(); });
        }
    }
    return ui::Form::eventFilter(watched, event);
}

// ---- Source folder

void TfrmSubFolderListBuilder::btnMainSourceFolderAddClick() {
    if (busy_)
        return;
    ChooseSourceFolder(BrowseForFolder(this, "Select the Destination Folder."));
}

void TfrmSubFolderListBuilder::cboMainSourceFolderSelect() {
    if (busy_)
        return;
    ChooseSourceFolder(ui_->cboMainSourceFolder->Text());
}

void TfrmSubFolderListBuilder::ChooseSourceFolder(const std::string& folder) {
    const std::string root = Trim(folder);
    if (root.empty()) {
        ui::ShowBox(this, Caption("0572"), SelectionEmptyText, ui::Icon::Warning);
        return;
    }
    ScanSourceFolder(root);
    ui::ComboBox& combo = *ui_->cboMainSourceFolder;
    const int held = combo.IndexOf(folder);
    combo.SetItemIndex(held >= 0 ? held : combo.AddItem(folder));
}

void TfrmSubFolderListBuilder::ScanSourceFolder(const std::string& root) {
    // Scanned as the level selector walks it: the same folder however it is
    // written, and a folder link a folder of its level.
    const std::string folder = FolderNormalForm(root);
    FolderTreeScanner scanner(folder);
    scanner.SetCountRootFolder(false);
    scanner.SetFolderLinksAsFolders(true);
    scanner.Run();
    FillBuilderLevelTable(scanner, {ui_->lstViewLevelSumFolder, ui_->lblMainLevelSumSubFolder,
                                    ui_->lblMainLevelSumFiles, ui_->lblMainLevelSumFileSize});
    scannedFolderKey_ = FolderKey(folder);
    // The map's first depth is the source folder's own.
    const LevelCountMap& levels = scanner.GetLevelCountMap();
    SetUpDownBounds(levels.empty() ? 0 : levels.rbegin()->first - levels.begin()->first);
}

void TfrmSubFolderListBuilder::FollowFolderInTheBox() {
    // The arrows offer the levels of the folder the box shows, which the
    // person may have typed since the last scan.
    const std::string root = Trim(ui_->cboMainSourceFolder->Text());
    if (!root.empty() && FolderKey(root) != scannedFolderKey_)
        ScanSourceFolder(root);
}

void TfrmSubFolderListBuilder::SetUpDownBounds(uint32_t deepest) {
    deepestLevel_ = std::max<uint32_t>(deepest, 1);
    const auto bound = [](uint64_t level) {
        return static_cast<int>(std::min<uint64_t>(level, std::numeric_limits<int>::max()));
    };
    // Each rule stops at the last level that still selects a folder: a
    // range at the deepest level; "Below" one level above it, as it takes
    // the levels below its number; "Above" every level but the deepest below
    // its number, and the level itself when only the last subfolder of each
    // branch is wanted; with every subfolder wanted, "Above 1" would select
    // nothing and "Above" the deepest level plus one takes them all.
    const bool everySubfolder = ui_->rdoBuildAllSubFolders->isChecked();
    ui_->udFromLevelNumber->SetMaximum(bound(deepestLevel_));
    ui_->udToLevelNumber->SetMaximum(bound(deepestLevel_));
    ui_->udBelowLevelNumber->SetMaximum(bound(std::max<uint32_t>(deepestLevel_ - 1, 1)));
    ui_->udAboveLevelNumber->SetMinimum(everySubfolder ? 2 : 1);
    ui_->udAboveLevelNumber->SetMaximum(bound(everySubfolder ? uint64_t{deepestLevel_} + 1 : deepestLevel_));
}

void TfrmSubFolderListBuilder::ViewFolder(const std::string& folder) {
    // The shell's "open" runs a file it is given: only a folder goes there.
    if (DirectoryExists(folder))
        ui::OpenInShell(folder);
    else if (FileExists(folder))
        ui::desktop().ShowMessage("\"" + folder + "\" is a file, not a folder, so it cannot be viewed.");
    else
        ui::desktop().ShowMessage("The folder \"" + folder + "\" does not exist, so it cannot be viewed.");
}

void TfrmSubFolderListBuilder::btnMainSourceFolderViewClick() {
    const std::string folder = Trim(ui_->cboMainSourceFolder->Text());
    if (folder.empty()) {
        ui::ShowBox(this, Caption("0573"), SelectionEmptyText, ui::Icon::Warning);
        return;
    }
    ViewFolder(folder);
}

void TfrmSubFolderListBuilder::btnIncludeFolderListViewClick() {
    const ui::ListBox& include = *ui_->lstIncludeFolderList;
    const std::vector<int> rows = include.SelectedIndexes();
    if (rows.empty()) {
        ui::ShowBox(this, Caption("0574"),
                    "There is no selected Folder Structure !\nAction : You must select a Folder with a "
                    "subfolder structure.",
                    ui::Icon::Warning);
        return;
    }
    // The item with the focus rectangle when it is selected, else the first selected one.
    const int current = include.ItemIndex();
    const int row = current >= 0 && include.Selected(current) ? current : rows.front();
    ViewFolder(Trim(include.Text(row)));
}

// ---- Level rule

void TfrmSubFolderListBuilder::SetLevelRule(LevelRule rule) {
    const bool range = rule == LevelRule::Range;
    const bool above = rule == LevelRule::Above;
    const bool below = rule == LevelRule::Below;
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui_->edtFromLevelNumber, ui_->udFromLevelNumber, ui_->lblFromTo,
                                         ui_->edtToLevelNumber, ui_->udToLevelNumber})
        control->setEnabled(range);
    ui_->edtAboveLevelNumber->setEnabled(above);
    ui_->udAboveLevelNumber->setEnabled(above);
    ui_->edtBelowLevelNumber->setEnabled(below);
    ui_->udBelowLevelNumber->setEnabled(below);
    ui_->rdoFromToLevelNumber->setChecked(range);
    ui_->rdoAboveLevelNumber->setChecked(above);
    ui_->rdoBelowLevelNumber->setChecked(below);
}

void TfrmSubFolderListBuilder::rdoFromToLevelNumberClick() {
    for (QLineEdit* edit :
         {ui_->edtFromLevelNumber, ui_->edtToLevelNumber, ui_->edtAboveLevelNumber, ui_->edtBelowLevelNumber})
        edit->setText("1");
    SetLevelRule(LevelRule::Range);
}

void TfrmSubFolderListBuilder::rdoAboveLevelNumberClick() {
    rdoFromToLevelNumberClick();
    SetLevelRule(LevelRule::Above);
}

void TfrmSubFolderListBuilder::rdoBelowLevelNumberClick() {
    rdoFromToLevelNumberClick();
    SetLevelRule(LevelRule::Below);
}

void TfrmSubFolderListBuilder::edtFromLevelNumberExit() {
    QLineEdit& from = *ui_->edtFromLevelNumber;
    QLineEdit& to = *ui_->edtToLevelNumber;
    if (!IsWholeNumber(from.text().toStdString())) {
        from.setText("1");
        FocusLater(&to);
    }
    if (!IsWholeNumber(to.text().toStdString())) {
        to.setText(QString::number(StrToInt(from.text().toStdString())));
        FocusLater(&to);
    }
}

void TfrmSubFolderListBuilder::edtToLevelNumberExit() {
    QLineEdit& from = *ui_->edtFromLevelNumber;
    QLineEdit& to = *ui_->edtToLevelNumber;
    if (!IsWholeNumber(from.text().toStdString())) {
        from.setText("1");
        FocusLater(&from);
    }
    if (!IsWholeNumber(to.text().toStdString())) {
        to.setText(QString::number(StrToInt(from.text().toStdString())));
        FocusLater(&to);
    }
}

TfrmSubFolderListBuilder::LevelChoice TfrmSubFolderListBuilder::ReadLevelChoice() const {
    const auto number = [](const QLineEdit* edit) { return StrToInt(edit->text().toStdString()); };
    LevelChoice choice;
    if (ui_->rdoAboveLevelNumber->isChecked()) {
        choice.rule = LevelRule::Above;
        choice.first = number(ui_->edtAboveLevelNumber);
    } else if (ui_->rdoBelowLevelNumber->isChecked()) {
        choice.rule = LevelRule::Below;
        choice.first = number(ui_->edtBelowLevelNumber);
    } else {
        choice.rule = LevelRule::Range;
        choice.first = number(ui_->edtFromLevelNumber);
        choice.last = number(ui_->edtToLevelNumber);
    }
    return choice;
}

// ---- Build

void TfrmSubFolderListBuilder::btnBuildListClick() {
    if (busy_)
        return;
    BusyScope busy(busy_);
    const std::string root = Trim(ui_->cboMainSourceFolder->Text());
    if (root.empty()) {
        ui::ShowBox(this, Caption("0579"), SelectionEmptyText, ui::Icon::Warning);
        return;
    }
    // The rule is read and checked before the question: a level box that is
    // no number, or a reversed range, ends the build with the list as it was.
    const LevelChoice choice = ReadLevelChoice();
    if (choice.rule == LevelRule::Range && choice.first > choice.last) {
        ui::ShowBox(
            this, Caption("0581"),
            "The Start Number is greater then the End one!\nAction : You must enter a Start number that "
            "is smaller than the End one.",
            ui::Icon::Warning);
        return;
    }
    const bool clearFirst =
        ui::ShowBox(
            this, Caption("0580"),
            "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
            "previous content,\nClick NO to leave it.",
            ui::Icon::Warning, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes;

    // No level is below 0: a negative number asks for the shallowest one.
    const auto level = [](int32_t number) { return static_cast<uint32_t>(std::max(0, number)); };
    LevelSelector selector({root});
    switch (choice.rule) {
    case LevelRule::Range:
        selector.SetLevelRange(level(choice.first), level(choice.last));
        break;
    case LevelRule::Above:
        selector.SetAboveLevel(level(choice.first));
        break;
    case LevelRule::Below:
        selector.SetBelowLevel(level(choice.first));
        break;
    }
    selector.SetSubfolderChoice(ui_->rdoBuildLastSubFolder->isChecked() ? 1 : 2);
    selector.SetFilterFromControl(ui_->edtSubFolderFilter->text().toStdString());
    selector.Run();
    const std::deque<std::string> result = selector.GetResult();
    if (result.empty()) {
        // Nothing to put in its place: the list stays as it was.
        ui::ShowBox(
            this, Caption("0582"),
            "There are no matching results for subfolder selection !\nAction : You must select a proper "
            "Subfolder level, or a filter.",
            ui::Icon::Warning);
        return;
    }

    ui::ListBox& include = *ui_->lstIncludeFolderList;
    const ui::ListBox& exclude = *ui_->lstExcludeFolderList;
    if (clearFirst)
        include.Clear();
    // A folder either list holds, however its line is written there, is not
    // taken again: "D:/T/a/" in the Exclude list keeps D:\T\a out.
    std::unordered_set<std::string> keys;
    keys.reserve(result.size() + static_cast<size_t>(include.Count() + exclude.Count()));
    for (const ui::ListBox* list : std::initializer_list<const ui::ListBox*>{&include, &exclude}) {
        for (const std::string& line : list->Items())
            keys.insert(FolderKey(Trim(line)));
    }
    // The list is filled in one go at the end; the count runs as folders are taken.
    std::vector<std::string> added;
    added.reserve(result.size());
    UpdatePacer pacer;
    for (const std::string& folder : result) {
        std::string item = Trim(folder);
        if (item.empty() || !keys.insert(FolderKey(item)).second)
            continue;
        added.push_back(std::move(item));
        if (pacer.Due()) {
            ui_->lblIncludeSum->setText(
                QString::number(include.Count() + static_cast<qsizetype>(added.size())));
            ui::desktop().ProcessMessages();
        }
    }
    include.AddItems(added);
    ShowListCounts();
}

// ---- Include and Exclude lists

void TfrmSubFolderListBuilder::ShowListCounts() {
    ui_->lblIncludeSum->setText(QString::number(ui_->lstIncludeFolderList->Count()));
    ui_->lblExcludeSum->setText(QString::number(ui_->lstExcludeFolderList->Count()));
}

void TfrmSubFolderListBuilder::MoveRows(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows) {
    if (busy_)
        return;
    BusyScope busy(busy_);
    UpdatePacer pacer;
    MoveListRows(from, to, rows, [&] {
        if (pacer.Due())
            ui::desktop().ProcessMessages();
    });
    ShowListCounts();
}

void TfrmSubFolderListBuilder::btnFromIncToExcClick() {
    MoveRows(*ui_->lstIncludeFolderList, *ui_->lstExcludeFolderList,
             ui_->lstIncludeFolderList->SelectedIndexes());
}

void TfrmSubFolderListBuilder::btnFromExcToIncClick() {
    MoveRows(*ui_->lstExcludeFolderList, *ui_->lstIncludeFolderList,
             ui_->lstExcludeFolderList->SelectedIndexes());
}

void TfrmSubFolderListBuilder::btnAllFromIncToExcClick() {
    MoveRows(*ui_->lstIncludeFolderList, *ui_->lstExcludeFolderList, AllListRows(*ui_->lstIncludeFolderList));
}

void TfrmSubFolderListBuilder::btnAllFromExcToIncClick() {
    MoveRows(*ui_->lstExcludeFolderList, *ui_->lstIncludeFolderList, AllListRows(*ui_->lstExcludeFolderList));
}

void TfrmSubFolderListBuilder::btnExchangeIncToExcClick() {
    if (busy_)
        return;
    ui::ListBox& include = *ui_->lstIncludeFolderList;
    ui::ListBox& exclude = *ui_->lstExcludeFolderList;
    const std::vector<std::string> included = include.Items();
    const std::vector<std::string> excluded = exclude.Items();
    include.BeginUpdate();
    exclude.BeginUpdate();
    include.Clear();
    AddMissing(include, excluded);
    exclude.Clear();
    AddMissing(exclude, included);
    exclude.EndUpdate();
    include.EndUpdate();
    ShowListCounts();
}

void TfrmSubFolderListBuilder::btnDeleteFromExcludeListClick() {
    if (busy_)
        return;
    ui::ListBox& exclude = *ui_->lstExcludeFolderList;
    if (exclude.Count() == 0) {
        ui::ShowBox(this, Caption("0576"),
                    "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE "
                    "list to delete it.\n",
                    ui::Icon::Warning);
        return;
    }
    if (ui::ShowBox(
            this, Caption("0575"),
            "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete "
            "ONLY from the EXCLUDE list.\n",
            ui::Icon::Warning, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes)
        DeleteListRows(exclude, exclude.SelectedIndexes());
    ShowListCounts();
}

void TfrmSubFolderListBuilder::btnDeleteExcludedAllClick() {
    if (busy_)
        return;
    ui::ListBox& exclude = *ui_->lstExcludeFolderList;
    if (exclude.Count() == 0) {
        ui::ShowBox(this, Caption("0577"), "Empty List in the Exclude Window!\n", ui::Icon::Warning);
    } else if (ui::ShowBox(this, Caption("0578"), "Do you want to delete all item(s) from the Exclude list ?",
                           ui::Icon::Warning, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes) {
        exclude.Clear();
        ui_->lblExcludeSum->setText("0");
    }
    ui_->btnDeleteExcludedAll->setFocus();
}

// ---- Export, editor, closing

void TfrmSubFolderListBuilder::btnSmartExportClick() {
    if (busy_)
        return;
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = Title + Blanks12 + " Warning no: 0584.";
    how.emptyText = "The Include Folder List is empty !\n";
    how.listType = "FOLDERS";
    HandOverToFileExport(ui_->lstIncludeFolderList->Items(), how);
}

void TfrmSubFolderListBuilder::btnEditIncludeListClick() {
    if (busy_)
        return;
    if (frmFLLEditIncludeFolderList->LoadList(*ui_->lstIncludeFolderList, *ui_->lstExcludeFolderList,
                                              ui_->lblIncludeSum))
        ui::desktop().ShowModal(*frmFLLEditIncludeFolderList);
    ShowListCounts();
}

void TfrmSubFolderListBuilder::BitBtn1Click() {
    SetModalResult(ui::Answer::Ok);
}

void TfrmSubFolderListBuilder::BitBtn2Click() {
    SetModalResult(ui::Answer::Cancel);
}
