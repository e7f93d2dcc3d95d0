// What the strings page's create run and its simulation rely on: the name
// parts, the free-space check and the step of one item.

#include "create/strings/Vol02StringsPage.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathValidation.h"
#include "create/engine/StructureScan.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol02StringsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a String List.            ";

} // namespace

_tagVol0XParts Vol02StringsPage::BuildNameParts() const {
    return BuildDestinationNameParts(
        ui_->cboVol02DestFolders->Text(), ui_->edtVol02Prefix->text().toStdString(),
        ui_->edtVol02Suffix->text().toStdString(), ui_->chkVol02Hyphen->isChecked());
}

bool Vol02StringsPage::CheckFreeSpace(bool withFiles) {
    ScanAllStructures(withFiles);
    uint64_t n = static_cast<uint64_t>(ui_->lstVol02IncludeStrings->Count());
    FreeSpaceResult space = CheckDestinationFreeSpace(n, ui_->cboVol02DestFolders->Text(), structureTotals_);
    if (n == 0)
        return false;
    if (space.enough) {
        block_.Counters.ToCreate = PlannedRow(n, structureTotals_);
        return true;
    }
    ui::ShowBox(this, Title + "Information no: 0035.", NotEnoughSpaceText(space), ui::Icon::Warning);
    return false;
}

std::optional<CreationRunItems> Vol02StringsPage::ReadRunItems(const CreationRunTexts& texts) {
    const _tagVol0XParts parts = BuildNameParts();
    // The destination's full form is taken once for the whole run.
    const FolderInterior destination(Trim(ui_->cboVol02DestFolders->Text()));
    return IncludeRunItems(texts, IncludeItems(),
                           [parts, destination](MainFolderStep& step, const std::string& item) {
                               StepItem(step, item, parts, destination);
                           });
}

void Vol02StringsPage::StepItem(MainFolderStep& step, const std::string& item, const _tagVol0XParts& parts,
                                const FolderInterior& destination) {
    if (!Trim(ExtractFileDrive(item)).empty()) {
        step.Other(item);
        return;
    }
    const std::string name = parts.NameOf(item);
    // An item that ".." leads out of the destination (it came from a list
    // file, the import or the editor: typing refuses it) is never created.
    if (Trim(ExtractFileDrive(name)).empty() || destination.Leaves(name)) {
        step.Other(name);
        return;
    }
    step.MainFolder(name);
}
