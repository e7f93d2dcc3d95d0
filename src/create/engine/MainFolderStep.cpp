#include "create/engine/MainFolderStep.h"

#include "create/engine/RunChecks.h"

#include <utility>

MainFolderStep::MainFolderStep(CreationCounterBlock& block, AttachWalk& walk, MainFolderStepSettings settings)
    : block_(block), walk_(walk), settings_(std::move(settings)) {}

const StructureTotals* MainFolderStep::Charge(bool charged) const {
    return charged && settings_.mode != AttachMode::Nothing ? settings_.totals : nullptr;
}

void MainFolderStep::Other(const std::string& entry, bool charged) {
    block_.RecordOther(entry, Charge(charged && settings_.chargeOther), !settings_.simulate);
}

void MainFolderStep::MainFolder(const std::string& name) {
    const bool attaching = settings_.mode != AttachMode::Nothing;
    std::string created;
    std::optional<platform::EntryDetails> made;
    MainFolderResult result;
    if (settings_.simulate) {
        result = SimulateMainFolder(walk_.Simulated(), name);
    } else {
        // Only what this item adds to the disk is the walk's own: a structure
        // that contains the destination must not copy it into the next folder.
        const bool mostlyNew = block_.Counters.Created.Folders >= block_.Counters.Exists.Folders;
        result = CreateMainFolder(name, attaching, mostlyNew, created, made);
    }
    switch (result) {
    case MainFolderResult::Exists:
        block_.RecordExists(name, Charge(settings_.chargeExists), !settings_.simulate);
        return;
    case MainFolderResult::Failed:
        block_.RecordOther(name, Charge(settings_.chargeOther), !settings_.simulate);
        return;
    case MainFolderResult::Created:
        break;
    }
    if (settings_.simulate)
        block_.RecordSimulatedCreated(name);
    else
        block_.RecordCreated(name, made);
    walk_.AttachTargetRoot = name;
    if (!attaching)
        return;
    if (!settings_.simulate) {
        if (settings_.filesOfNewestFolderOnly)
            walk_.CreatedFilesList.clear();
        walk_.AddOwnFolder(created);
    }
    AttachStructures(walk_, settings_.owner, settings_.refusalCaption, name, settings_.mode,
                     settings_.structures, settings_.simulate);
}

void BeginCreationRun(CreationCounterBlock& block, AttachWalk& walk, bool simulate) {
    block.ResetResultCounters();
    if (!simulate) {
        block.ClearAllResultLists();
        walk.CreatedFilesList.clear();
    }
    walk.ForgetLastRun();
    block.ClearStatisticLists();
    block.RefreshResultLabels();
    block.RefreshStatisticLabels();
}
