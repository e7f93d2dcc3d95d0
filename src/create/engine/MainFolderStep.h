#pragma once
// One main folder of a creation page's run or of its simulation: what making
// it finds (or would find), counted and listed, and the structures attached
// to a new one. The simulation is a mode of the run, as the attach walk's
// counting is: the same outcome for the same folder, judged against the disk
// plus what the simulation has made so far, touching neither the disk nor
// the result lists that hold the last run's undo list.

#include "create/engine/AttachOptions.h"
#include "runs/AttachWalk.h"
#include "runs/CreationCounterBlock.h"

#include <string>
#include <vector>

class QWidget;

struct MainFolderStepSettings {
    bool simulate = false;
    AttachMode mode = AttachMode::Nothing;
    std::vector<std::string> structures;
    // What a folder that is not made would have carried (the structure
    // totals), charged to Exists and Other unless nothing is attached.
    const StructureTotals* totals = nullptr;
    bool chargeExists = false;
    bool chargeOther = false;
    // The files copied straight into a new folder are listed for the newest
    // folder only (the numbers and paths pages' Undo deletes them).
    bool filesOfNewestFolderOnly = false;
    // The box of a structure that is the new folder itself.
    QWidget* owner = nullptr;
    std::string refusalCaption;
};

class MainFolderStep {
public:
    MainFolderStep(CreationCounterBlock& block, AttachWalk& walk, MainFolderStepSettings settings);

    // An item refused before the disk is asked, listed under Other as
    // `entry`; `charged`: it carries the attach load the page charges.
    void Other(const std::string& entry, bool charged = true);
    // The main folder `name`: created (or found to be creatable), found there
    // already, or failed; structures attached to a new one.
    void MainFolder(const std::string& name);

private:
    const StructureTotals* Charge(bool charged) const;

    CreationCounterBlock& block_;
    AttachWalk& walk_;
    MainFolderStepSettings settings_;
};

// The texts of one kind of run (the real one or the simulation) on one page,
// each as its Part gives it.
struct CreationRunTexts {
    bool simulate = false;
    std::string noStructureCaption;      // an attach mode without structures
    std::string missingStructureCaption; // a structure that is gone
    std::string questionCaption;
    std::string questionText;
    std::string emptyListCaption; // the Include list is empty
    std::string emptyListText;
    std::string refusalCaption; // a structure that is the new folder itself
    std::string endCaption;
    std::string endText;
    std::vector<std::string> disabledTabs; // the other pages' tabs, off while it runs
};

// What a run and its simulation do before their first item: the counters of
// the last run or simulation reset, the statistics window's lists emptied;
// a real run empties the result lists as well (the undo list of the run
// before), which a simulation leaves as they are.
void BeginCreationRun(CreationCounterBlock& block, AttachWalk& walk, bool simulate);
