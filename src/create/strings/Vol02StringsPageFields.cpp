// The strings page's destination, help and examples, and the page's state at
// start-up; also where the handlers of its lists and fields are connected
// (prefix, suffix and Hyphen, the structures and attach options are its
// base's).

#include "create/strings/Vol02StringsPage.h"

#include "common/FrameworkText.h"
#include "tools/TfrmDriveSelect.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol02StringsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a String List.            ";

} // namespace

void Vol02StringsPage::InitialiseAtStart() {
    ResetCountersAndPreview();
    // The destination list starts with an empty entry, selected; Clear All
    // goes back to it.
    ui::ComboBox& destinations = *ui_->cboVol02DestFolders;
    if (!destinations.Contains(""))
        destinations.AddItem("");
    destinations.SetItemIndex(destinations.Count() - 1);
    SetPageControlsEnabled(false);
    ListPair().Initialise();
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
