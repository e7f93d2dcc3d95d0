#include "create/strings/Vol02StringsPage.h"

#include "common/FrameworkText.h"
#include "create/strings/TfrmStatistic02.h"
#include "tools/TfrmDriveSelect.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol02StringsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a String List.            ";

} // namespace

Vol02StringsPage::Vol02StringsPage(MainWindowServices& mainWindow, QWidget* parent)
    : WindowWithForm(mainWindow, parent, Texts()) {
    BindCreationControls("Vol02", "Stat02", [] { return frmStatistic02; });
    stepSettings_.chargeExists = stepSettings_.chargeOther = true;
    BindIncludeExcludeLists(*ui_->lstVol02IncludeStrings, *ui_->lstVol02ExcludeStrings);
}

Vol02StringsPage::~Vol02StringsPage() = default;

void Vol02StringsPage::SetListControlsEnabled(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->lblVol02AddToList,        ui_->edtVol02AddToList,       ui_->btnVol02AddToList,
             ui_->lstVol02IncludeStrings,   ui_->lblVol02IncludeStrings,  ui_->lstVol02ExcludeStrings,
             ui_->lblVol02ExcludeStrings,   ui_->btnVol02IncToExc,        ui_->btnVol02ExcToInc,
             ui_->btnVol02AllFromInc,       ui_->btnVol02AllFromExc,      ui_->btnVol02SmartImport,
             ui_->btnVol02SmartExport,      ui_->btnVol02EditIncludeList, ui_->btnVol02DeleteFromExclude,
             ui_->btnVol02DeleteExcludeAll, ui_->lblVol02IncludeSum,      ui_->lblVol02IncludeSumCim,
             ui_->lblVol02ExcludeSum,       ui_->lblVol02ExcludeSumCim})
        control->setEnabled(enabled);
}

void Vol02StringsPage::SetNameControlsEnabled(bool enabled) {
    SetCommonControlsEnabled(enabled);
    ui_->chkVol02ViewDestFolder->setEnabled(enabled);
    ui_->btnVol02Statistic->setEnabled(enabled);
    EnableStructureControls();
    UpdateCreateButtons(true);
}

void Vol02StringsPage::InitialiseAtStart() {
    ResetCountersAndPreview();
    // The destination list starts with an empty entry, selected; Clear All
    // goes back to it.
    ui::ComboBox& destinations = *ui_->cboVol02DestFolders;
    if (!destinations.Contains(""))
        destinations.AddItem("");
    destinations.SetItemIndex(destinations.Count() - 1);
    SetPageControlsEnabled(false);
}

void Vol02StringsPage::SetDestination(const std::string& path) {
    ui::ComboBox& destinations = *ui_->cboVol02DestFolders;
    if (Trim(path).empty()) {
        if (Trim(destinations.Text()).empty()) {
            SetPageControlsEnabled(false);
            UpdateCreateButtons(false);
        }
        ui::ShowBox(this, Title + "Warning no: 0001.",
                    "The selection field is empty !\nAction : You must select a Destination Folder.",
                    ui::Icon::Warning);
        destinations.setFocus();
        return;
    }
    KeepDestination(path);
    ui_->btnVol02ViewDestFolder->setEnabled(true);
    SetListControlsEnabled(true);
    UpdateVol02Preview();
    ui_->edtVol02AddToList->setFocus();
}

void Vol02StringsPage::btnVol02ExampleClick() {
    ui::desktop().ShowModal(*frmDriveSelect);
}
