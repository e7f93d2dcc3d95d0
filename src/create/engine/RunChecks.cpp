#include "create/engine/RunChecks.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathNormalising.h"
#include "common/PathValidation.h"
#include "platform/FileSystem.h"
#include "ui/Colors.h"
#include "ui/Desktop.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>
#include <limits>

namespace {

// The highest folder of `name` that does not exist yet: what creating `name`
// with its missing parents adds to the disk.
std::string TopmostMissingFolder(const std::string& name) {
    std::string top = ExcludeTrailingPathDelimiter(SlashesToBackslashes(name));
    for (;;) {
        std::string parent = ExcludeTrailingPathDelimiter(ExtractFileDir(top));
        if (parent.size() < 3 || parent == top || DirectoryExists(parent))
            return top;
        top = parent;
    }
}

int ProgressValue(uint64_t value) {
    return static_cast<int>(
        std::min<uint64_t>(value, static_cast<uint64_t>(std::numeric_limits<int>::max())));
}

} // namespace

bool CheckAttachStructures(QWidget* owner, AttachMode mode, const std::vector<std::string>& structures,
                           const std::string& emptyCaption, const std::string& missingCaption,
                           QWidget* focus) {
    if (mode == AttachMode::Nothing)
        return true;
    if (structures.empty()) {
        ui::ShowBox(
            owner, emptyCaption,
            "There is no additional Subfolder structure. !\nAction : You must add at least one Subfolder "
            "structure.",
            ui::Icon::Warning);
        if (focus)
            focus->setFocus();
        return false;
    }
    for (const std::string& structure : structures) {
        if (!DirectoryExists(Trim(structure))) {
            ui::ShowBox(owner, missingCaption,
                        "The folder doesn't exist : " + structure +
                            "\nAction : Please enter or select an existing folder.",
                        ui::Icon::Warning);
            if (focus)
                focus->setFocus();
            return false;
        }
    }
    return true;
}

void ShowRunKind(QCheckBox& normalSimulate, QLabel& title, bool realRun) {
    normalSimulate.setChecked(realRun);
    ui::SetFontColor(&title, 128);
    title.setText(realRun ? "Folder/File Creation Process." : "Simulate the Folder/File Creation Process.");
}

void ForEachRunItem(RepaintThrottle& repaints, const std::vector<QWidget*>& windows, QProgressBar& bar,
                    uint64_t count, const std::function<void(uint64_t index)>& item) {
    RepaintRunScope scope(repaints, windows, {&bar});
    bar.setMaximum(ProgressValue(count));
    bar.setValue(0);
    bar.show();
    for (uint64_t i = 0; i < count; ++i) {
        // Given at every item: a frame may come in the middle of any item, and
        // the throttle paints the bar together with the counters.
        repaints.SetProgress(bar, ProgressValue(i));
        ui::desktop().ProcessMessages();
        item(i);
    }
}

MainFolderResult CreateMainFolder(const std::string& name, bool attaching, bool mostlyNew,
                                  std::string& created, std::optional<platform::EntryDetails>& made) {
    created.clear();
    made.reset();
    // While most folders are new, each is first simply created: when that
    // works, the folder was new and its parent there, which is what the
    // checks below would have found, and they would have created it too.
    if (mostlyNew && platform::TryCreateDirectoryInFolder(name, attaching, &made)) {
        created = name;
        return MainFolderResult::Created;
    }
    if (DirectoryExists(name))
        return MainFolderResult::Exists;
    // The look just taken found the folder missing in a parent that is
    // there, and has read that parent's names where they were not kept yet
    // (the first folder a run makes in it): the simple creation settles it
    // now as the checks below would, and reads the new folder as it goes.
    if (mostlyNew && platform::GetLastError() == platform::ERROR_FILE_NOT_FOUND &&
        platform::TryCreateDirectoryInFolder(name, attaching, &made)) {
        created = name;
        return MainFolderResult::Created;
    }
    // The missing levels are made one after the other: a level that cannot
    // be made (a refused or device name, a name or a whole path too long)
    // would leave the ones above it made and nobody told of them.
    if (!platform::PathFitsWhole(name))
        return MainFolderResult::Failed;
    if (attaching)
        created = TopmostMissingFolder(name);
    // Only the folder the run's own call made is the run's: one another
    // program made between the look above and that call is an existing one.
    switch (ForceNewDirectory(name, made)) {
    case FolderMaking::Made:
        return MainFolderResult::Created;
    case FolderMaking::Found:
        created.clear();
        return MainFolderResult::Exists;
    case FolderMaking::Failed:
        break;
    }
    created.clear();
    return MainFolderResult::Failed;
}

MainFolderResult SimulateMainFolder(SimulatedDisk& simulated, const std::string& name) {
    if (DirectoryExists(name) || simulated.LeadsToFolder(name))
        return MainFolderResult::Exists;
    if (!platform::PathFitsWhole(name) || !simulated.CanCreateFolder(name))
        return MainFolderResult::Failed;
    simulated.AddFolder(name);
    return MainFolderResult::Created;
}

void AttachStructures(AttachWalk& walk, QWidget* owner, const std::string& refusalCaption,
                      const std::string& name, AttachMode mode, const std::vector<std::string>& structures,
                      bool simulate) {
    // The simulated new folder is there for the walk, as the real one is
    // for the run's walk.
    if (simulate)
        walk.Simulated().AddFolder(name);
    for (const std::string& structure : structures) {
        std::string refusal;
        if (CheckSourceNotDestination(name, structure, refusal)) {
            ui::ShowBox(owner, refusalCaption, refusal, ui::Icon::Warning);
            continue;
        }
        std::string target = AttachesTopFolder(mode) ? name + "\\" + ExtractFileName(Trim(structure)) : name;
        walk.AttachTargetRoot = ExcludeTrailingPathDelimiter(target);
        if (simulate)
            walk.SimulateCopyFolderStructure(structure, mode);
        else
            walk.CopyFolderStructure(structure, mode);
    }
}
