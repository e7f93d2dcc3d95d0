#include "create/engine/CreationUndo.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "platform/CreatedFolderRemoval.h"
#include "platform/FileSystem.h"
#include "runs/CreatedEntry.h"
#include "ui/Desktop.h"

namespace {

bool EntryExists(const std::string& path) {
    return platform::GetFileAttributesA(path) != platform::INVALID_FILE_ATTRIBUTES;
}

// Empties and removes the undo entry `index` when it is still the very folder
// the run created: not moved away with another put in its place, not reached
// through a link put on its way, not a drive's root.
bool RemoveIfStillCreated(platform::CreatedFolderRemoval& removal, const CreationCounterBlock& block,
                          std::size_t index, const std::string& folder) {
    if (index >= block.CreatedEntries.size() || !block.CreatedEntries[index])
        return false;
    const CreatedEntry& recorded = *block.CreatedEntries[index];
    if (recorded.kind != platform::EntryKind::Folder || ExtractFileDrive(folder).size() != 2)
        return false;
    return removal.Remove(folder, recorded.identity, recorded.HostFolder());
}

} // namespace

void UndoCreationRun(QWidget* owner, CreationCounterBlock& block, CreatedFileList* createdFiles,
                     const CreationUndoTexts& texts) {
    const std::deque<std::string>& undoList = block.Results.Created.Folders;
    if (undoList.empty()) {
        ui::ShowBox(owner, texts.noUndoCaption, texts.noUndoText, ui::Icon::Warning);
        return;
    }
    if (ui::ShowBox(owner, texts.questionCaption,
                    "Do you want to delete all folders (and files)\ncreated last time ?", ui::Icon::Question,
                    ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;

    // Work lists: what could not be removed and is still there, and what is
    // gone although its removal failed.
    std::deque<std::string> UndoStillThere;
    std::deque<std::string> UndoGone;
    platform::CreatedFolderRemoval removal;
    for (std::size_t index = 0; index < undoList.size(); ++index) {
        std::string folder = Trim(undoList[index]);
        if (!RemoveIfStillCreated(removal, block, index, folder)) {
            // Whatever is at the path now is still there, folder or not; so
            // is the folder the run made where only the way to it is gone
            // (a link on its path deleted): it is named, not taken for one
            // the person deleted.
            const bool recorded = index < block.CreatedEntries.size() && block.CreatedEntries[index];
            if (EntryExists(folder) || (recorded && StandsWhereMade(folder, *block.CreatedEntries[index])))
                UndoStillThere.push_back(folder);
            else
                UndoGone.push_back(folder);
        }
    }
    if (createdFiles) {
        for (std::size_t index = 0; index < createdFiles->size(); ++index) {
            std::string file = Trim(createdFiles->Paths()[index]);
            switch (StandingOf(file, createdFiles->Recorded(index))) {
            case UndoStanding::Gone:
                break;
            case UndoStanding::NotOwn:
                UndoStillThere.push_back(file);
                break;
            case UndoStanding::RunsOwn:
                if (!platform::DeleteFileA(file) && EntryExists(file))
                    UndoStillThere.push_back(file);
                break;
            }
        }
    }

    block.ClearResultLists();
    block.ClearStatisticLists();
    block.ResetResultCounters();
    block.RefreshResultLabels();
    block.RefreshStatisticLabels();

    if (!UndoStillThere.empty() || !UndoGone.empty()) {
        std::string text = texts.failedText;
        if (!UndoStillThere.empty()) {
            text += "\nOTHER REASONS   : \n\n";
            for (const std::string& path : UndoStillThere)
                text += path + "\n";
        }
        ui::ShowBox(owner, texts.failedCaption, text, ui::Icon::Warning);
    }
    ui::ShowBox(owner, texts.endCaption, "End of Undo process !!!", ui::Icon::Information);
    if (createdFiles)
        createdFiles->clear();
}
