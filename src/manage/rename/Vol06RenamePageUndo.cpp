// Undo of the rename page's last run: every folder the run renamed is moved
// back, shallowest path after renaming first, and the records of one depth in
// the opposite order of the run: the run may have given one folder a name
// another had just left (xA to xxA, then A to xA), which comes free again
// only once the later rename is undone. A record is reversed only while its
// path after renaming still names the very entry the run renamed (a link
// being an entry of its own, whatever became of its target) and its old path
// is free (or taken by that same entry, when only the case of its name
// changed), and it is reached the way the run left it, no link put on its
// way; otherwise it is named in the report and nothing is moved.

#include "manage/rename/Vol06RenamePage.h"

#include "common/FrameworkText.h"
#include "common/PathNormalising.h"
#include "manage/rename/FolderEntries.h"
#include "platform/FileSystem.h"
#include "runs/PageRunGuard.h"
#include "ui/Desktop.h"

#include "ui_Vol06RenamePage.h"

#include <cstdint>
#include <map>

namespace {

const std::string Title = "Rename Folder(s).-From a Folder List.            ";

} // namespace

void Vol06RenamePage::btnVol06UndoClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);
    if (RenameUndoList.empty()) {
        ui::ShowBox(
            this, Title + "Warning no: 0211.",
            "No UNDO process !!!\nThere are no renamed Folders !!!\nYou must rename at least on one Folder "
            "to UNDO it.",
            ui::Icon::Warning);
        return;
    }
    if (ui::ShowBox(this, Title + "Information no: 0212.", "Do you want UNDO all Folders renamed last time ?",
                    ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;

    std::multimap<uint32_t, _tagReplaceFoldersStruct> workOrder;
    for (auto record = RenameUndoList.rbegin(); record != RenameUndoList.rend(); ++record) {
        std::string after = record->After;
        workOrder.emplace(CountBackslashes(after), *record);
    }
    std::deque<std::string> sourceMissing;
    std::deque<std::string> destinationExists;
    std::deque<std::string> otherReasons;
    int number = 0;
    for (const auto& [depth, record] : workOrder) {
        ui_->pbVol06ProgressBar->setValue(++number);
        // As every page's Undo tells what its run made. An identity that
        // cannot tell a reused inode apart (a file system with neither birth
        // time nor generation) never passes for the entry the run renamed. The
        // run renamed nothing reached through a link: a folder now reached
        // another way lies where a link the person put on its way leads, and
        // moving it would change their folder.
        switch (StandingOf(record.After, record.Renamed)) {
        case UndoStanding::Gone:
        case UndoStanding::NotOwn:
            sourceMissing.push_back(Trim(record.After));
            continue;
        case UndoStanding::CannotTell:
        case UndoStanding::OtherWay:
            otherReasons.push_back(Trim(record.After));
            continue;
        case UndoStanding::RunsOwn:
            break;
        }
        if (KindOfEntry(record.Before) != EntryKind::Missing &&
            IdentityOf(record.Before) != record.Renamed->identity) {
            destinationExists.push_back(Trim(record.Before));
            continue;
        }
        if (!platform::MoveFileA(record.After, record.Before))
            otherReasons.push_back(Trim(record.Before));
    }

    RenameUndoList.clear();
    RenameSourceMissingList.clear();
    RenameDestinationExistsList.clear();
    RenameOtherReasonsList.clear();
    ClearStatisticLists();
    Vol06FoldersRenamed = 0;
    Vol06FoldersSourceNotExists = 0;
    Vol06FoldersDestinationExists = 0;
    Vol06FoldersOtherReasons = 0;
    ShowVol06Counters();

    if (!sourceMissing.empty() || !destinationExists.empty() || !otherReasons.empty()) {
        std::string text = "The program is unable to rename the following folders  : \n";
        const auto section = [&text](const std::string& heading, const std::deque<std::string>& entries) {
            if (entries.empty())
                return;
            text += heading;
            for (const std::string& entry : entries)
                text += entry + "\n";
        };
        section("\nSOURCE FOLDERS DO NOT EXISTS : \n\n", sourceMissing);
        section("\nDESTINATION FOLDERS DO EXISTS : \n\n", destinationExists);
        section("\nOTHER REASONS   : \n\n", otherReasons);
        ui::ShowBox(this, Title + "Information no: 0213.", text, ui::Icon::Warning);
    }
    ui::ShowBox(this, Title + "Information no: 0214.", "End of Undo process !!!", ui::Icon::Information);
}
