#include "manage/shared/LevelListBuilder.h"

#include "common/BrowseFolder.h"
#include "common/FolderNormalForm.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/LevelSelector.h"
#include "tools/UpdatePacer.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ShellOpening.h"
#include "ui/UpDown.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <unordered_set>

namespace {

// Ticks or unticks a radio button without touching its neighbours; an
// exclusive radio button cannot be unticked by itself.
void SetTicked(QRadioButton* radio, bool ticked) {
    if (!radio)
        return;
    const bool exclusive = radio->autoExclusive();
    radio->setAutoExclusive(false);
    radio->setChecked(ticked);
    radio->setAutoExclusive(exclusive);
}

void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls) {
        if (control)
            control->setEnabled(enabled);
    }
}

void Focus(QWidget* control) {
    if (control)
        control->setFocus();
}

void Warn(QWidget* owner, const LevelBuilderBox& box) {
    ui::ShowBox(owner, box.caption, box.text, ui::Icon::Warning);
}

// A level as the selector takes it: the framework's whole-number conversion
// (which throws for a text that is no number), and nothing below 0.
uint32_t LevelOf(const QLineEdit* edit) {
    const int32_t level = StrToInt(edit->text().toStdString());
    return static_cast<uint32_t>(std::max<int32_t>(level, 0));
}

} // namespace

LevelListBuilder::LevelListBuilder(const LevelBuilderControls& controls, LevelBuilderPage page)
    : c_(controls), page_(std::move(page)) {}

void LevelListBuilder::Connect(QWidget* context) {
    ui::OnClicked(c_.makeListSelector, [this] { rdoMakeListSelectorClick(); });
    ui::OnClicked(c_.makeListImport, [this] { rdoMakeListImportClick(); });
    ui::OnClicked(c_.addToListManually, [this] { rdoAddToListManuallyClick(); });
    ui::OnClicked(c_.fromTo, [this] { rdoSLNFromToClick(); });
    ui::OnClicked(c_.above, [this] { rdoSLNAboveClick(); });
    ui::OnClicked(c_.below, [this] { rdoSLNBelowClick(); });
    ui::OnClicked(c_.browse, [this] { btnAddDestFolderClick(); });
    ui::OnClicked(c_.view, [this] { btnViewDestFolderClick(); });
    ui::OnClicked(c_.makeList, [this] { btnMakeListClick(); });
    ui::Connect(c_.rootFolder, &QComboBox::activated, context, [this] { cboLevelDestFolderSelect(); });
    const std::array<QWidget*, 4> upDowns = {c_.fromUpDown, c_.toUpDown, c_.aboveUpDown, c_.belowUpDown};
    const std::array<QLineEdit*, 4> edits = {c_.fromLevel, c_.toLevel, c_.aboveLevel, c_.belowLevel};
    for (size_t which = 0; which < upDowns.size(); ++which) {
        QToolButton* up = nullptr;
        QToolButton* down = nullptr;
        if (auto* upDown = qobject_cast<ui::UpDown*>(upDowns[which])) {
            upDown->SetAssociate(edits[which]);
            upDown->SetMinimum(1);
            upDown->SetMaximum(MaxLevel);
            // It steps within its bounds by itself; one that wraps around is
            // stepped here instead.
            if (!page_.upDownWraps[which])
                continue;
            up = upDown->UpButton();
            down = upDown->DownButton();
            QObject::disconnect(up, &QToolButton::clicked, nullptr, nullptr);
            QObject::disconnect(down, &QToolButton::clicked, nullptr, nullptr);
        } else if (upDowns[which]) {
            const QList<QToolButton*> arrows = upDowns[which]->findChildren<QToolButton*>();
            if (arrows.size() < 2)
                continue;
            up = arrows[0];
            down = arrows[1];
        } else {
            continue;
        }
        const int index = static_cast<int>(which);
        ui::OnClicked(up, [this, index] { StepLevel(index, 1); });
        ui::OnClicked(down, [this, index] { StepLevel(index, -1); });
    }
}

void LevelListBuilder::EnableLevelRootControls(bool enabled) {
    SetEnabled({c_.rootLabel, c_.rootFolder, c_.browse, c_.view}, enabled);
    if (page_.smartImportFollowsRoot && c_.smartImport)
        c_.smartImport->setEnabled(!enabled);
}

void LevelListBuilder::EnableLevelNumberControls(bool enabled) {
    SetEnabled({c_.levelGroup, c_.fromTo, c_.above, c_.below, c_.fromLevel, c_.fromUpDown, c_.toLevel,
                c_.toUpDown, c_.aboveLevel, c_.aboveUpDown, c_.belowLevel, c_.belowUpDown, c_.toLabel,
                c_.levelLabel, c_.filterLabel, c_.filter, c_.makeList, c_.lastSubFolder, c_.allSubFolders},
               enabled);
    SetTicked(c_.lastSubFolder, enabled);
    SetTicked(c_.allSubFolders, false);
}

void LevelListBuilder::rdoMakeListSelectorClick() {
    EnableLevelRootControls(true);
    EnableLevelNumberControls(!Trim(c_.rootFolder->Text()).empty());
    SetEnabled({c_.smartImport, c_.addFolderToList}, false);
    Focus(c_.browse);
}

void LevelListBuilder::rdoMakeListImportClick() {
    EnableLevelRootControls(false);
    EnableLevelNumberControls(false);
    SetEnabled({c_.smartImport}, true);
    SetEnabled({c_.addFolderToList}, false);
    Focus(c_.smartImport);
}

void LevelListBuilder::rdoAddToListManuallyClick() {
    EnableLevelRootControls(false);
    EnableLevelNumberControls(false);
    SetEnabled({c_.smartImport}, false);
    SetEnabled({c_.addFolderToList}, true);
    Focus(c_.addFolderToList);
}

void LevelListBuilder::ApplyLevelMode(LevelMode mode) {
    // Ticking one level radio unticks the other two.
    QRadioButton* chosen = mode == LevelMode::FromTo  ? c_.fromTo
                           : mode == LevelMode::Above ? c_.above
                                                      : c_.below;
    if (chosen)
        chosen->setChecked(true);
    for (QLineEdit* edit : {c_.fromLevel, c_.toLevel, c_.aboveLevel, c_.belowLevel}) {
        if (edit)
            edit->setText("1");
    }
    SetEnabled({c_.fromLevel, c_.fromUpDown, c_.toLabel, c_.toLevel, c_.toUpDown}, mode == LevelMode::FromTo);
    SetEnabled({c_.aboveLevel, c_.aboveUpDown}, mode == LevelMode::Above);
    SetEnabled({c_.belowLevel, c_.belowUpDown}, mode == LevelMode::Below);
}

void LevelListBuilder::rdoSLNFromToClick() {
    ApplyLevelMode(LevelMode::FromTo);
}

void LevelListBuilder::rdoSLNAboveClick() {
    ApplyLevelMode(LevelMode::Above);
}

void LevelListBuilder::rdoSLNBelowClick() {
    ApplyLevelMode(LevelMode::Below);
}

void LevelListBuilder::StepLevel(int which, int step) {
    const std::array<QLineEdit*, 4> edits = {c_.fromLevel, c_.toLevel, c_.aboveLevel, c_.belowLevel};
    QLineEdit* edit = edits[static_cast<size_t>(which)];
    if (!edit)
        return;
    int level = 1;
    try {
        level = StrToInt(Trim(edit->text().toStdString()));
    } catch (...) {
        // Like the framework's up-down control, a text that is no number
        // starts again from the lowest position.
    }
    level += step;
    if (page_.upDownWraps[static_cast<size_t>(which)]) {
        if (level > MaxLevel)
            level = 1;
        else if (level < 1)
            level = MaxLevel;
    }
    edit->setText(QString::number(std::clamp(level, 1, MaxLevel)));
}

void LevelListBuilder::SelectLevelRootFolder(const std::string& path) {
    if (page_.beforeRootSelected)
        page_.beforeRootSelected(path);
    const std::string root = Trim(path);
    if (root.empty()) {
        Warn(page_.owner, page_.messages.rootEmpty);
        Focus(c_.rootFolder);
        return;
    }
    int index = c_.rootFolder->IndexOf(root);
    if (index < 0)
        index = c_.rootFolder->AddItem(root);
    c_.rootFolder->SetItemIndex(index);
    EnableLevelNumberControls(true);
    rdoSLNFromToClick();
    if (c_.above && c_.above->isChecked())
        Focus(c_.aboveLevel);
    else if (c_.below && c_.below->isChecked())
        Focus(c_.belowLevel);
    else
        Focus(c_.fromLevel);
}

void LevelListBuilder::cboLevelDestFolderSelect() {
    SelectLevelRootFolder(c_.rootFolder->Text());
}

void LevelListBuilder::btnAddDestFolderClick() {
    SelectLevelRootFolder(BrowseForFolder(page_.owner, "Select the Destination Folder."));
}

void LevelListBuilder::btnViewDestFolderClick() {
    const std::string root = Trim(c_.rootFolder->Text());
    // The shell's "open" runs a file; only a folder is shown.
    if (root.empty() || !DirectoryExists(root)) {
        Warn(page_.owner, page_.messages.viewEmpty);
        return;
    }
    ui::OpenInShell(root);
}

void LevelListBuilder::btnMakeListClick() {
    if (building_)
        return;
    const std::string root = Trim(c_.rootFolder->Text());
    const std::string filter = Trim(c_.filter->text().toStdString());
    if (root.empty()) {
        Warn(page_.owner, page_.messages.buildRootEmpty);
        if (page_.refresh)
            page_.refresh();
        return;
    }
    if (page_.noInputFolder && !DirectoryExists(root)) {
        Warn(page_.owner, *page_.noInputFolder);
        if (page_.refresh)
            page_.refresh();
        return;
    }

    LevelSelector selector({root});
    if (c_.fromTo->isChecked()) {
        // Both ends count: levels 1 to 3 are three levels, not the first one.
        const uint32_t from = LevelOf(c_.fromLevel);
        const uint32_t to = LevelOf(c_.toLevel);
        if (from > to) {
            Warn(page_.owner, page_.messages.levelsReversed);
            // The page is refreshed whatever ends the build.
            if (page_.refresh)
                page_.refresh();
            Focus(c_.fromLevel);
            return;
        }
        selector.SetLevelRange(from, to);
    } else if (c_.above->isChecked()) {
        selector.SetAboveLevel(LevelOf(c_.aboveLevel));
    } else if (c_.below->isChecked()) {
        selector.SetBelowLevel(LevelOf(c_.belowLevel));
    }
    if (c_.lastSubFolder->isChecked())
        selector.SetSubfolderChoice(1);
    else if (c_.allSubFolders->isChecked())
        selector.SetSubfolderChoice(2);
    selector.SetFilterFromControl(filter);
    selector.Run();
    const std::deque<std::string> results = selector.GetResult();

    if (results.empty())
        Warn(page_.owner, page_.messages.noResults);
    else
        AddResults(results);
    if (page_.refresh)
        page_.refresh();
}

void LevelListBuilder::AddResults(const std::deque<std::string>& results) {
    // Pending messages run while the results are added: a second build
    // meanwhile would add the same folders again.
    struct Building {
        bool& flag;
        explicit Building(bool& f) : flag(f) { flag = true; }
        ~Building() { flag = false; }
    } building(building_);
    ui::ListBox& include = *page_.include;
    const ui::ListBox& exclude = *page_.exclude;
    QProgressBar* progress = page_.progressBar;
    if (progress) {
        progress->setValue(0);
        progress->setMaximum(
            static_cast<int>(std::min<size_t>(results.size(), std::numeric_limits<int>::max())));
        progress->show();
    }
    UpdatePacer pacer;
    const auto step = [&](size_t position) {
        if (!pacer.Due())
            return;
        if (progress)
            progress->setValue(static_cast<int>(std::min<size_t>(position, std::numeric_limits<int>::max())));
        if (page_.includeSum)
            page_.includeSum->setText(QString::number(include.Count()));
        ui::desktop().ProcessMessages();
    };
    // A folder either list holds, however its line is written there, is not
    // added again.
    std::unordered_set<std::string> held;
    for (const ui::ListBox* list : std::initializer_list<const ui::ListBox*>{&include, &exclude}) {
        for (const std::string& line : list->Items())
            held.insert(FolderKey(Trim(line)));
    }
    for (size_t position = 0; position < results.size(); ++position) {
        step(position);
        const std::string& path = results[position];
        if (Trim(path).empty() || held.count(FolderKey(Trim(path))) > 0)
            continue;
        if (page_.refuseBeforeDriveCheck && page_.refuseBeforeDriveCheck(path))
            continue;
        if (ExtractFileDrive(Trim(path)).empty()) {
            Warn(page_.owner, page_.messages.noDrivePart);
            continue;
        }
        if (page_.acceptWithDrive && !page_.acceptWithDrive(path))
            continue;
        include.AddItem(path);
        held.insert(FolderKey(Trim(path)));
    }
    if (page_.includeSum)
        page_.includeSum->setText(QString::number(include.Count()));
    if (progress)
        progress->hide();
}

void LevelListBuilder::ResetToStart() {
    c_.makeListSelector->setChecked(true);
    c_.rootFolder->Clear();
    c_.filter->clear();
    rdoSLNFromToClick();
    EnableLevelRootControls(true);
    EnableLevelNumberControls(false);
}
