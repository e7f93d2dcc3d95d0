// The increased-numbers page's simulation: the run's checks, then what the run
// would create, find existing or refuse, number by number, counted and listed
// without touching the disk. The main window's result lists, and so the last
// run's undo list, stay as they are.

#include "create/numbers/Vol03NumbersPage.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "create/engine/PageRunGuard.h"
#include "create/engine/RunChecks.h"
#include "create/numbers/TfrmStatistic03.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"
#include "ui/ShellOpening.h"

#include "ui_Vol03NumbersPage.h"

namespace {

const std::string Title = "Simulate Creating Folder(s).-Increased Numbers.";

const std::vector<std::string> SimulationDisabledTabs = {"tabFolderCreate05", "tabFolderCreate03",
                                                         "tabFolderCreate01"};

// A simulation covers at most this many numbers past the first.
constexpr int64_t SimulationLimit = 30000;

void RangeTooWide(QWidget* owner, QWidget& focus) {
    ui::ShowBox(owner, Title + "    Warning no: 0462.",
                "The difference between End Number and Start Number is more than 30000.!\n",
                ui::Icon::Warning);
    focus.setFocus();
}

} // namespace

void Vol03NumbersPage::btnVol03CreateFoldersSimulationClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);

    if (!NumberBoxesReady())
        return;
    if (StartNumber > EndNumber) {
        ui::ShowBox(this, Title + "    Warning no: 0461.",
                    "The Start Number is greater then the End one.!\nAction : You must enter a Start number "
                    "that is smaller than the End one.",
                    ui::Icon::Warning);
        ui_->edtVol03EndNumber->setFocus();
        return;
    }
    if (static_cast<int64_t>(EndNumber) - StartNumber > SimulationLimit) {
        RangeTooWide(this, *ui_->edtVol03EndNumber);
        return;
    }
    if (WithFilesModeChecked() && !CheckFreeSpace(true))
        return;
    const AttachMode mode = SelectedAttachMode();
    const std::vector<std::string> structures = StructureItems();
    if (!CheckAttachStructures(this, mode, structures, Title + "\t\t\tWarning no: 0463.",
                               Title + "\t\t\tWarning no: 0464.", ui_->btnVol03AddFolderStructure))
        return;
    if (ui::ShowBox(this, "Simulate Creating Folder(s).- Increased Numbers.            Information no: 0465.",
                    mainWindow_.Texts().CreateSimulationIntroText, ui::Icon::Question, ui::Buttons::YesNo,
                    ui::Answer::No) != ui::Answer::Yes)
        return;

    PrepareStatisticsWindow(false);
    ResetResultCounters();
    ClearStatisticLists();
    walk_.ClearOwnFolders();
    RefreshResultLabels();
    RefreshStatisticLabels();
    if (ui_->chkVol03ViewDetailedResults->isChecked() && frmStatistic03)
        frmStatistic03->show();

    OtherTabsDisabled tabs(mainWindow_, SimulationDisabledTabs);
    const _tagVol0XParts parts = BuildNameParts();
    ReadNumberBoxes();
    // The range is checked again for the numbers actually read: the limit
    // holds for what is simulated, not for what the boxes held before.
    if (StartNumber > EndNumber) {
        ui::ShowBox(this, Title + "    Warning no: 0468.",
                    "The Start Number is greater then the End one.!\nAction : You must enter an End number "
                    "that is greater than the Start one.",
                    ui::Icon::Warning);
        ui_->edtVol03EndNumber->setFocus();
    } else if (static_cast<int64_t>(EndNumber) - StartNumber > SimulationLimit) {
        RangeTooWide(this, *ui_->edtVol03EndNumber);
    } else {
        const int64_t first = StartNumber;
        ForEachRunItem(block_.Repaints(), {window(), frmStatistic03}, *ui_->pbVol03ProgressBar, RangeCount(),
                       [&](uint64_t index) {
                           SimulateRunNumber(first + static_cast<int64_t>(index), parts, mode, structures);
                       });
        ui_->pbVol03ProgressBar->hide();
        ui::ShowBox(this, Title + "            Information no: 0467.",
                    mainWindow_.Texts().CreateSimulationEndText, ui::Icon::Information);
        if (ui_->chkVol03ViewDestFolder->isChecked())
            ui::OpenInShell(Trim(ui_->cboVol03DestFolders->Text()));
    }
    tabs.EnableAgain();
}

void Vol03NumbersPage::SimulateRunNumber(int64_t number, const _tagVol0XParts& parts, AttachMode mode,
                                         const std::vector<std::string>& structures) {
    const std::string name = parts.NameOf(NumberText(number));
    // Judged as the run judges it, against the disk as it is plus what the
    // simulation has made so far.
    MainFolderResult result = MainFolderResult::Failed;
    if (!Trim(ExtractFileDrive(name)).empty())
        result = SimulateMainFolder(walk_.Simulated(), name);
    if (result == MainFolderResult::Exists) {
        block_.Counters.Exists.Folders += 1;
        block_.RefreshBoth();
        block_.AddToList(StatisticList::FoldersExists, name);
        return;
    }
    if (result == MainFolderResult::Failed) {
        block_.Counters.Other.Folders += 1;
        block_.RefreshBoth();
        block_.AddToList(StatisticList::FoldersOther, name);
        return;
    }
    block_.AddToList(StatisticList::FoldersCreated, name);
    block_.Counters.Created.Folders += 1;
    block_.RefreshBoth();
    if (mode != AttachMode::Nothing)
        AttachStructures(walk_, block_.Repaints(), this, Title + "\t\t\tWarning no: 0466.", name, mode,
                         structures, true);
}
