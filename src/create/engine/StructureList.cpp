#include "create/engine/StructureList.h"

#include "common/BrowseFolder.h"
#include "common/FileHelpers.h"
#include "common/FrameworkText.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"
#include "ui/ShellOpening.h"

namespace {

// A drive's root is offered only when its drive is there and the person
// answers Yes to the drive question; a shorter choice (cancelled) gives "".
std::string BrowseForStructure(QWidget* owner, const std::string& driveCaption,
                               const std::string& driveText) {
    const std::string path = BrowseForFolder(owner, "Select a Folder Structure.");
    const std::string trimmed = Trim(path);
    if (trimmed.size() == 3) {
        std::string driveType;
        if (DriveTypeName(trimmed, driveType) &&
            ui::ShowBox(owner, driveCaption, driveText, ui::Icon::Question, ui::Buttons::YesNo,
                        ui::Answer::No) == ui::Answer::Yes)
            return path;
        return {};
    }
    return trimmed.size() > 3 ? path : std::string();
}

} // namespace

StructureList::StructureList(StructureListPage page, const StructureListTexts& texts)
    : page_(std::move(page)), texts_(texts) {}

void StructureList::BrowseAndAdd() {
    if (*page_.busy)
        return;
    const std::string path = BrowseForStructure(page_.page, texts_.driveCaption, texts_.driveText);
    if (!path.empty())
        Add(path);
}

void StructureList::Add(const std::string& path) {
    ui::ListBox& structures = *page_.list;
    if (Trim(path).empty()) {
        page_.createButton->setEnabled(false);
        page_.simulationButton->setEnabled(false);
        ui::ShowBox(page_.page, texts_.emptyCaption, texts_.emptyText, ui::Icon::Warning);
        if (page_.judgeButtonsAfterEmpty)
            page_.updateCreateButtons(false);
        if (page_.focusListAfterEmpty)
            structures.setFocus();
        return;
    }
    if (!structures.Contains(path))
        structures.AddItem(path);
    page_.replan();
    page_.updateCreateButtons(true);
    page_.createButton->setEnabled(true);
    page_.simulationButton->setEnabled(true);
    if (page_.focusListAfterAdd)
        structures.setFocus();
}

void StructureList::ViewSelected() {
    const ui::ListBox& structures = *page_.list;
    const std::vector<int> selected = structures.SelectedIndexes();
    if (selected.empty()) {
        ui::ShowBox(page_.page, texts_.noSelectionCaption, texts_.noSelectionText, ui::Icon::Warning);
        return;
    }
    ui::OpenInShell(Trim(structures.Text(selected.front())));
}

void StructureList::RemoveSelected() {
    if (*page_.busy)
        return;
    ui::ListBox& structures = *page_.list;
    if (ui::ShowBox(page_.page, texts_.removeCaption, texts_.removeText, ui::Icon::Question,
                    ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes) {
        const std::vector<int> selected = structures.SelectedIndexes();
        for (auto row = selected.rbegin(); row != selected.rend(); ++row)
            structures.Delete(*row);
    }
    page_.replan();
    page_.updateCreateButtons(true);
    if (page_.focusAfterRemove)
        page_.focusAfterRemove->setFocus();
}
