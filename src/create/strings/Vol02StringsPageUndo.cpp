// Undo of the strings page's last real run: every main folder the run created
// is emptied and removed, then the run's counters and lists are cleared.

#include "create/strings/Vol02StringsPage.h"

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

const std::string Title = "Creating Folder(s).-From a String List.            ";

std::string HostFolder(const std::string& windowsPath) {
    std::optional<std::string> host = platform::ToHostPath(windowsPath);
    if (!host)
        return {};
    std::string folder = *host;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

} // namespace

bool Vol02StringsPage::MayUndo(const std::string& folder) {
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

void Vol02StringsPage::btnVol02UndoClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);

    const std::deque<std::string>& undoList = block_.Results.Created.Folders;
    if (undoList.empty()) {
        ui::ShowBox(
            this, Title + "Warning no: 0028.",
            "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must create at least "
            "one folder to UNDO them.",
            ui::Icon::Warning);
        return;
    }
    if (ui::ShowBox(this, Title + "Information no: 0029.",
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
            // A link refused above is still there although it is no folder.
            if (platform::GetFileAttributesA(folder) != platform::INVALID_FILE_ATTRIBUTES)
                UndoStillThere.push_back(folder);
            else
                UndoGone.push_back(folder);
        }
    }

    ClearResultLists();
    ClearStatisticLists();
    ResetResultCounters();
    RefreshResultLabels();
    RefreshStatisticLabels();

    if (!UndoStillThere.empty() || !UndoGone.empty()) {
        std::string text = "The program is unable to delete the following folders and their contents : \n";
        if (!UndoStillThere.empty()) {
            text += "\nOTHER REASONS   : \n\n";
            for (const std::string& folder : UndoStillThere)
                text += folder + "\n";
        }
        ui::ShowBox(this, Title + "Information no: 0030.", text, ui::Icon::Warning);
    }
    ui::ShowBox(this, Title + "Information no: 0031.", "End of Undo process !!!", ui::Icon::Information);
}
