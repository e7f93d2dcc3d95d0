// What the increased-numbers page's create run and its simulation rely on:
// the name parts, the free-space check, the number boxes, the range's own
// boxes and the step of one number.

#include "create/numbers/Vol03NumbersPage.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "create/engine/StructureScan.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/FrameworkError.h"

#include "ui_Vol03NumbersPage.h"

namespace {

const std::string Title = "Creating Folder(s).-Increased Numbers.";
const std::string SimulationTitle = "Simulate " + Title;

// A simulation covers at most this many numbers past the first.
constexpr int64_t SimulationLimit = 30000;

} // namespace

_tagVol0XParts Vol03NumbersPage::BuildNameParts() const {
    return BuildDestinationNameParts(
        ui_->cboVol03DestFolders->Text(), ui_->edtVol03Prefix->text().toStdString(),
        ui_->edtVol03Suffix->text().toStdString(), ui_->chkVol03Hyphen->isChecked());
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

bool Vol03NumbersPage::ReadyToRun(const CreationRunTexts& texts) {
    if (!NumberBoxesReady())
        return false;
    if (StartNumber > EndNumber) {
        ui::ShowBox(this,
                    texts.simulate ? SimulationTitle + "    Warning no: 0461."
                                   : Title + "    Warning no: 0089.",
                    "The Start Number is greater then the End one.!\nAction : You must enter a Start number "
                    "that is smaller than the End one.",
                    ui::Icon::Warning);
        ui_->edtVol03EndNumber->setFocus();
        return false;
    }
    return !texts.simulate || !SimulationRangeTooWide();
}

bool Vol03NumbersPage::SimulationRangeTooWide() {
    if (static_cast<int64_t>(EndNumber) - StartNumber <= SimulationLimit)
        return false;
    ui::ShowBox(this, SimulationTitle + "    Warning no: 0462.",
                "The difference between End Number and Start Number is more than 30000.!\n",
                ui::Icon::Warning);
    ui_->edtVol03EndNumber->setFocus();
    return true;
}

std::optional<CreationRunItems> Vol03NumbersPage::ReadRunItems(const CreationRunTexts& texts) {
    const _tagVol0XParts parts = BuildNameParts();
    ReadNumberBoxes();
    // The range is checked again for the numbers actually read.
    if (StartNumber > EndNumber) {
        ui::ShowBox(this,
                    texts.simulate ? SimulationTitle + "    Warning no: 0468."
                                   : Title + "    Warning no: 0095.",
                    "The Start Number is greater then the End one.!\nAction : You must enter an End number "
                    "that is greater than the Start one.",
                    ui::Icon::Warning);
        ui_->edtVol03EndNumber->setFocus();
        return std::nullopt;
    }
    if (texts.simulate && SimulationRangeTooWide())
        return std::nullopt;
    const int64_t first = StartNumber;
    return CreationRunItems{RangeCount(), [this, parts, first](MainFolderStep& step, uint64_t index) {
                                StepNumber(step, first + static_cast<int64_t>(index), parts);
                            }};
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
