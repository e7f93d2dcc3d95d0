#include "create/engine/CreationUndo.h"

#include "common/FileHelpers.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "ui/Desktop.h"

#include <sys/stat.h>

#include <optional>

namespace {

std::string HostFolder(const std::string& windowsPath) {
    std::optional<std::string> host = platform::ToHostPath(windowsPath);
    if (!host)
        return {};
    std::string folder = *host;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

bool EntryExists(const std::string& path) {
    return platform::GetFileAttributesA(path) != platform::INVALID_FILE_ATTRIBUTES;
}

} // namespace

bool MayUndoFolder(const std::string& folder) {
    std::string drive = ExtractFileDrive(folder);
    if (folder.empty() || drive.empty() || drive.size() != 2)
        return false;
    std::string host = HostFolder(folder);
    if (host.empty() || host == HostFolder(drive + "\\"))
        return false;
    // Emptying through a link would empty whatever it points to.
    struct stat st {};
    return ::lstat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

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
    for (std::size_t index = 0; index < undoList.size(); ++index) {
        std::string folder = Trim(undoList[index]);
        bool removed = false;
        // Only the very folder the run created is emptied: a folder moved
        // away and another put in its place, or a path that now leads through
        // a link elsewhere, is named below and left as it is.
        if (MayUndoFolder(folder) && block.IsStillCreatedFolder(index)) {
            EmptyFolderContents(folder);
            removed = platform::RemoveDirectoryA(folder);
        }
        if (!removed) {
            // Whatever is at the path now is still there, folder or not.
            if (EntryExists(folder))
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
