// The strings page's simulation: the run's checks, then what the run would
// create, find existing or refuse, counted and listed without touching the
// disk. The main window's result lists, and so the last run's undo list, stay
// as they are.

#include "create/strings/Vol02StringsPage.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathValidation.h"
#include "create/engine/PageRunGuard.h"
#include "create/engine/RunChecks.h"
#include "create/engine/RunEndBox.h"
#include "create/strings/TfrmStatistic02.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"
#include "ui/ShellOpening.h"

#include "ui_Vol02StringsPage.h"

namespace {

const std::string Title = "Simulate Creating Folder(s).-From a String List.            ";

const std::vector<std::string> SimulationDisabledTabs = {"tabFolderCreate05", "tabFolderCreate04",
                                                         "tabFolderCreate01"};

} // namespace

void Vol02StringsPage::btnVol02CreateFoldersSimulationClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);

    if (WithFilesModeChecked() && !CheckFreeSpace(true))
        return;
    if (!CheckStructures(Title + "Warning no: 0453.", Title + "Warning no: 0454."))
        return;
    if (ui::ShowBox(this, Title + "Information no: 0455.", mainWindow_.Texts().CreateSimulationIntroText,
                    ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;

    PrepareStatisticsWindow(false);
    ResetResultCounters();
    ClearStatisticLists();
    walk_.ClearOwnFolders();
    RefreshResultLabels();
    RefreshStatisticLabels();
    if (ui_->chkVol02ViewDetailedResults->isChecked() && frmStatistic02)
        frmStatistic02->show();

    OtherTabsDisabled tabs(mainWindow_, SimulationDisabledTabs);
    _tagVol0XParts parts = BuildNameParts();
    std::vector<std::string> items = IncludeItems();
    if (items.empty()) {
        ui::ShowBox(this, Title + "Warning no: 0458.",
                    "The Include list is empty !!!\nYou must enter at least one item to create folders.",
                    ui::Icon::Warning);
    } else {
        AttachMode mode = SelectedAttachMode();
        std::vector<std::string> structures = StructureItems();
        ForEachRunItem(block_.Repaints(), {window(), frmStatistic02}, *ui_->pbVol02ProgressBar, items.size(),
                       [&](uint64_t i) { SimulateRunItem(items[i], parts, mode, structures); });
        ui_->pbVol02ProgressBar->hide();
        ShowRunEndBox(this, Title + "Information no: 0457.", mainWindow_.Texts().CreateSimulationEndText,
                      block_.Counters, ui::Icon::Information);
        if (ui_->chkVol02ViewDestFolder->isChecked())
            ui::OpenInShell(Trim(ui_->cboVol02DestFolders->Text()));
    }
    tabs.EnableAgain();
}

void Vol02StringsPage::SimulateRunItem(const std::string& item, const _tagVol0XParts& parts, AttachMode mode,
                                       const std::vector<std::string>& structures) {
    // Each item is judged as the run judges it, one outcome per item: the
    // same checks in the same order, against the disk as it is plus what the
    // simulation has made so far.
    if (!Trim(ExtractFileDrive(item)).empty()) {
        SimulateOther(item, mode);
        return;
    }
    std::string name = parts.NameOf(item);
    if (Trim(ExtractFileDrive(name)).empty() || LeavesFolder(Trim(ui_->cboVol02DestFolders->Text()), name)) {
        SimulateOther(name, mode);
        return;
    }
    switch (SimulateMainFolder(walk_.Simulated(), name)) {
    case MainFolderResult::Exists:
        SimulateExists(name, mode);
        return;
    case MainFolderResult::Failed:
        SimulateOther(name, mode);
        return;
    case MainFolderResult::Created:
        break;
    }
    block_.AddToList(StatisticList::FoldersCreated, name);
    block_.Counters.Created.Folders += 1;
    block_.RefreshBoth();
    if (mode != AttachMode::Nothing)
        SimulateAttach(name, mode, structures);
}

void Vol02StringsPage::SimulateExists(const std::string& name, AttachMode mode) {
    // An existing folder carries the attach load it would have had, as in the run.
    CounterRow& exists = block_.Counters.Exists;
    exists.Folders += 1;
    if (mode != AttachMode::Nothing) {
        exists.SubFolders += structureTotals_.subfolders;
        exists.Files += structureTotals_.files;
        exists.FilesSize += static_cast<double>(structureTotals_.bytes);
    }
    block_.RefreshBoth();
    block_.AddToList(StatisticList::FoldersExists, name);
}

void Vol02StringsPage::SimulateOther(const std::string& entry, AttachMode mode) {
    // A folder that is not made carries its attach load, as in the run.
    CounterRow& other = block_.Counters.Other;
    other.Folders += 1;
    if (mode != AttachMode::Nothing) {
        other.SubFolders += structureTotals_.subfolders;
        other.Files += structureTotals_.files;
        other.FilesSize += static_cast<double>(structureTotals_.bytes);
    }
    block_.RefreshBoth();
    block_.AddToList(StatisticList::FoldersOther, entry);
}

void Vol02StringsPage::SimulateAttach(const std::string& name, AttachMode mode,
                                      const std::vector<std::string>& structures) {
    AttachStructures(walk_, block_.Repaints(), this, Title + "Warning no: 0456.", name, mode, structures,
                     true);
}
