// Undo of the paths page's last real run: every main folder the run created
// is emptied and removed, then the files it copied straight into a new
// folder; the run's counters and lists are cleared.

#include "create/paths/Vol04PathsPage.h"

#include "common/FileHelpers.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "create/engine/PageRunGuard.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "ui/Desktop.h"

#include <sys/stat.h>

namespace {

const std::string Title = "Creating Folder(s).-From a Folder List.            ";

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

bool Vol04PathsPage::MayUndo(const std::string& folder) {
    std::string drive = ExtractFileDrive(folder);
    if (folder.empty() || drive.size() != 2)
        return false;
    std::string host = HostFolder(folder);
    if (host.empty() || host == HostFolder(drive + "\\"))
        return false;
    // Emptying through a link would empty whatever it points to.
    struct stat st {};
    return ::lstat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void Vol04PathsPage::btnVol04UndoClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);

    const std::deque<std::string>& undoList = block_.Results.Created.Folders;
    if (undoList.empty()) {
        ui::ShowBox(
            this, Title + "Warning no: 0067.",
            "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must at least one "
            "Folder to UNDO them.",
            ui::Icon::Warning);
        return;
    }
    if (ui::ShowBox(this, Title + "Information no: 0068.",
                    "Do you want to delete all folders (and files)\ncreated last time ?", ui::Icon::Question,
                    ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;

    UndoStillThere.clear();
    UndoGone.clear();
    for (const std::string& entry : undoList) {
        std::string folder = Trim(entry);
        bool removed = false;
        if (MayUndo(folder)) {
            EmptyFolderContents(folder);
            removed = platform::RemoveDirectoryA(folder);
        }
        if (!removed) {
            if (EntryExists(folder))
                UndoStillThere.push_back(folder);
            else
                UndoGone.push_back(folder);
        }
    }
    // The copied files lie in folders removed above; only one still there
    // (its folder could not be removed) is left to delete, and named when
    // that fails too.
    for (const std::string& entry : walk_.CreatedFilesList) {
        std::string file = Trim(entry);
        if (EntryExists(file) && !DeleteFile(file))
            UndoStillThere.push_back(file);
    }

    ClearResultLists();
    ClearStatisticLists();
    ResetResultCounters();
    RefreshResultLabels();
    RefreshStatisticLabels();

    if (!UndoStillThere.empty() || !UndoGone.empty()) {
        std::string text = "The program is unable to delete the following folders (and their contents), "
                           "and/or separate files : \n";
        if (!UndoStillThere.empty()) {
            text += "\nOTHER REASONS   : \n\n";
            for (const std::string& path : UndoStillThere)
                text += path + "\n";
        }
        ui::ShowBox(this, Title + "Information no: 0069.", text, ui::Icon::Warning);
    }
    ui::ShowBox(this, Title + "Information no: 0070.", "End of Undo process !!!", ui::Icon::Information);
    UndoStillThere.clear();
    UndoGone.clear();
    walk_.CreatedFilesList.clear();
}
