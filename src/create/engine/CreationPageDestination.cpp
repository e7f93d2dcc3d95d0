// The destination drop-down of the creation pages that have one (strings and
// numbers): browsed for or chosen from the list, kept there, and opened.

#include "create/engine/CreationPage.h"

#include "common/BrowseFolder.h"
#include "common/FrameworkText.h"
#include "create/engine/DestinationSummary.h"
#include "tools/ControlOnForm.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ShellOpening.h"

#include <QAbstractButton>

void CreationPage::AddDestinationFolder() {
    if (!runInProgress_)
        SetDestination(BrowseForFolder(this, "Select the Destination Directory."));
}

void CreationPage::DestinationSelected() {
    if (!runInProgress_)
        SetDestination(destinations_->Text());
}

void CreationPage::KeepDestination(const std::string& path) {
    const AttachMode mode = SelectedAttachMode();
    const bool subfoldersOnly =
        mode == AttachMode::SubFoldersOnlyWithFiles || mode == AttachMode::SubFoldersOnlyWithoutFiles;
    ShowDestinationSummary(path, !subfoldersOnly);
    int index = destinations_->IndexOf(path);
    if (index < 0)
        index = destinations_->AddItem(path);
    destinations_->SetItemIndex(index);
}

void CreationPage::ViewDestination() {
    const std::string destination = Trim(destinations_->Text());
    if (destination.empty()) {
        ui::ShowBox(this, texts_.viewDestinationCaption,
                    "The selection field is empty !\nAction : You must select a destination folder.",
                    ui::Icon::Warning);
        return;
    }
    ui::OpenInShell(destination);
}
