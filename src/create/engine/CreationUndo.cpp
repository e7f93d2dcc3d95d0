#include "create/engine/CreationUndo.h"

#include "common/FrameworkText.h"
#include "runs/CreatedEntriesUndo.h"
#include "ui/Desktop.h"

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
    CreatedEntriesUndo undo;
    static const std::optional<CreatedEntry> unrecorded;
    for (std::size_t index = 0; index < undoList.size(); ++index) {
        std::string folder = Trim(undoList[index]);
        const std::optional<CreatedEntry>& recorded =
            index < block.CreatedEntries.size() ? block.CreatedEntries[index] : unrecorded;
        switch (undo.RemoveFolder(folder, recorded)) {
        case UndoOutcome::Removed:
            break;
        case UndoOutcome::Gone:
            UndoGone.push_back(std::move(folder));
            break;
        case UndoOutcome::Left:
            UndoStillThere.push_back(std::move(folder));
            break;
        }
    }
    if (createdFiles) {
        for (std::size_t index = 0; index < createdFiles->size(); ++index) {
            std::string file = Trim(createdFiles->Paths()[index]);
            if (undo.RemoveFile(file, createdFiles->Recorded(index)) == UndoOutcome::Left)
                UndoStillThere.push_back(std::move(file));
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
