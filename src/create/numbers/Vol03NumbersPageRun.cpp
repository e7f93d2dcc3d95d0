// The increased-numbers page's create run and the routines it relies on: the
// name parts, the structure scan, the free-space check and the number boxes.

#include "create/numbers/Vol03NumbersPage.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "create/engine/PageRunGuard.h"
#include "create/engine/RunChecks.h"
#include "create/engine/StructureScan.h"
#include "create/numbers/TfrmStatistic03.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/FrameworkError.h"
#include "ui/ListBox.h"
#include "ui/ShellOpening.h"

#include "ui_TfrmStatistic03.h"
#include "ui_Vol03NumbersPage.h"

namespace {

const std::string Title = "Creating Folder(s).-Increased Numbers.";

NumbersRunTexts RunTexts() {
    NumbersRunTexts texts;
    texts.startAfterEndCaption = Title + "    Warning no: 0089.";
    texts.startAfterEndReadCaption = Title + "    Warning no: 0095.";
    CreationRunTexts& run = texts.run;
    run.noStructureCaption = Title + "\t\t\tWarning no: 0091.";
    run.missingStructureCaption = Title + "\t\t\tWarning no: 0092.";
    run.questionCaption = "Creating Folder(s).- Increased Numbers.            Information no: 0093.";
    run.questionText = "Do you want to create folders ?\n";
    run.refusalCaption = Title + "\t\t\tWarning no: 0374.";
    run.endCaption = Title + "            Information no: 0094.";
    run.endText = "End of Creating Folders/Files !!!";
    // The tabs a real run disables, so that no other page is used meanwhile.
    run.disabledTabs = {"tabFolderCreate05", "tabFolderCreate03",  "tabFolderCreate01",
                        "tabFoldersCopy02",  "tabFoldersRename01", "tabFoldersDelete01"};
    return texts;
}

} // namespace

_tagVol0XParts Vol03NumbersPage::BuildNameParts() const {
    return BuildDestinationNameParts(
        ui_->cboVol03DestFolders->Text(), ui_->edtVol03Prefix->text().toStdString(),
        ui_->edtVol03Suffix->text().toStdString(), ui_->chkVol03Hyphen->isChecked());
}

void Vol03NumbersPage::ScanAllStructures(bool withFiles) {
    bool subfoldersOnly = ui_->rdoVol03AttachSubFoldersOnlyWithFiles->isChecked() ||
                          ui_->rdoVol03AttachSubFoldersOnlyWithoutFiles->isChecked();
    ::ScanAllStructures(StructureItems(), !subfoldersOnly, withFiles, structureTotals_, fileSizeMap_);
}

uint64_t Vol03NumbersPage::RangeCount() const {
    // In 64 bits: the widest range, 1 to 2147483647, does not fit a 32-bit
    // count plus one, nor does -2147483648 to 2147483647.
    int64_t count = static_cast<int64_t>(EndNumber) - static_cast<int64_t>(StartNumber) + 1;
    return count > 0 ? static_cast<uint64_t>(count) : 0;
}

bool Vol03NumbersPage::CheckFreeSpace(bool withFiles) {
    ScanAllStructures(withFiles);
    const uint64_t n = RangeCount();
    if (n == 0)
        return false;
    // The need saturates where n times the structure's bytes would overflow,
    // and a saturated need never fits.
    FreeSpaceResult space = CheckDestinationFreeSpace(n, ui_->cboVol03DestFolders->Text(), structureTotals_);
    if (space.enough) {
        block_.Counters.ToCreate = PlannedRow(n, structureTotals_);
        return true;
    }
    ui::ShowBox(this, Title + "            Information no: 0100.", NotEnoughSpaceText(space),
                ui::Icon::Warning);
    return false;
}

std::optional<int32_t> Vol03NumbersPage::BoxNumber(const QLineEdit& box) {
    try {
        return StrToInt(box.text().toStdString());
    } catch (const ui::FrameworkError&) {
        return std::nullopt;
    }
}

bool Vol03NumbersPage::NumberBoxesReady() {
    // Only the boxes are put right: the counters and lists, and with them the
    // last run's undo list, stay as they are.
    std::optional<int32_t> start = BoxNumber(*ui_->edtVol03StartNumber);
    if (!start || *start < 1) {
        ApplyExitRules(true);
        UpdateNumberPreview();
        return false;
    }
    std::optional<int32_t> end = BoxNumber(*ui_->edtVol03EndNumber);
    if (!end || *end < 1) {
        ApplyExitRules(false);
        UpdateNumberPreview();
        return false;
    }
    return true;
}

void Vol03NumbersPage::ReadNumberBoxes() {
    // The boxes may have changed while a question was open: what is read now
    // is held to the rules of typing (a whole number, at least 1), and the
    // padding width follows the end number actually run.
    ApplyExitRules(true);
    ApplyExitRules(false);
    UpdateNumberPreview();
}

void Vol03NumbersPage::PrepareStatisticsWindow(bool realRun) {
    BindStatisticsWindow();
    if (!frmStatistic03)
        return;
    Ui::TfrmStatistic03& statistics = frmStatistic03->Controls();
    ShowRunKind(*statistics.chkStat03NormalSimulate, *statistics.lblVol03NormalSimulate, realRun);
}

void Vol03NumbersPage::btnVol03CreateFoldersClick() {
    CreateFolders(RunTexts());
}

void Vol03NumbersPage::CreateFolders(const NumbersRunTexts& texts) {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);
    const CreationRunTexts& run = texts.run;

    if (!NumberBoxesReady())
        return;
    if (StartNumber > EndNumber) {
        ui::ShowBox(this, texts.startAfterEndCaption,
                    "The Start Number is greater then the End one.!\nAction : You must enter a Start number "
                    "that is smaller than the End one.",
                    ui::Icon::Warning);
        ui_->edtVol03EndNumber->setFocus();
        return;
    }
    if (texts.rangeTooWide && texts.rangeTooWide(*this))
        return;
    if (WithFilesModeChecked() && !CheckFreeSpace(true))
        return;
    const AttachMode mode = SelectedAttachMode();
    const std::vector<std::string> structures = StructureItems();
    if (!CheckAttachStructures(this, mode, structures, run.noStructureCaption, run.missingStructureCaption,
                               ui_->btnVol03AddFolderStructure))
        return;
    if (ui::ShowBox(this, run.questionCaption, run.questionText, ui::Icon::Question, ui::Buttons::YesNo,
                    ui::Answer::No) != ui::Answer::Yes)
        return;

    PrepareStatisticsWindow(!run.simulate);
    BeginCreationRun(block_, walk_, run.simulate);
    if (ui_->chkVol03ViewDetailedResults->isChecked() && frmStatistic03)
        frmStatistic03->show();

    OtherTabsDisabled tabs(mainWindow_, run.disabledTabs);
    const _tagVol0XParts parts = BuildNameParts();
    ReadNumberBoxes();
    // The range is checked again for the numbers actually read.
    if (StartNumber > EndNumber) {
        ui::ShowBox(this, texts.startAfterEndReadCaption,
                    "The Start Number is greater then the End one.!\nAction : You must enter an End number "
                    "that is greater than the Start one.",
                    ui::Icon::Warning);
        ui_->edtVol03EndNumber->setFocus();
    } else if (!texts.rangeTooWide || !texts.rangeTooWide(*this)) {
        MainFolderStepSettings settings;
        settings.simulate = run.simulate;
        settings.mode = mode;
        settings.structures = structures;
        settings.filesOfNewestFolderOnly = true;
        settings.owner = this;
        settings.refusalCaption = run.refusalCaption;
        MainFolderStep step(block_, walk_, std::move(settings));
        const int64_t first = StartNumber;
        ForEachRunItem(block_.Repaints(), {window(), frmStatistic03}, *ui_->pbVol03ProgressBar, RangeCount(),
                       [&](uint64_t index) { StepNumber(step, first + static_cast<int64_t>(index), parts); });
        ui_->pbVol03ProgressBar->hide();
        ui::ShowBox(this, run.endCaption, run.endText, ui::Icon::Information);
        if (ui_->chkVol03ViewDestFolder->isChecked())
            ui::OpenInShell(Trim(ui_->cboVol03DestFolders->Text()));
    }
    ui_->pbVol03ProgressBar->hide();
    tabs.EnableAgain();
}

void Vol03NumbersPage::StepNumber(MainFolderStep& step, int64_t number, const _tagVol0XParts& parts) {
    const std::string name = parts.NameOf(NumberText(number));
    // Without a destination the name would be made relative to the current
    // folder, somewhere the person never chose: it is not created. An
    // existing or failed folder carries no structure load on this page.
    if (Trim(ExtractFileDrive(name)).empty()) {
        step.Other(name);
        return;
    }
    step.MainFolder(name);
}
