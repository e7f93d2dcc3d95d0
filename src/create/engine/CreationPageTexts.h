#pragma once
// The boxes of one creation page that its shared parts show: the attach
// walk's, the run's and the simulation's, Undo's and the structure list's,
// each page's in one table of its own, as its Parts give them.

#include "create/engine/AttachWalk.h"
#include "create/engine/CreationUndo.h"
#include "create/engine/MainFolderStep.h"
#include "create/engine/StructureList.h"

#include <string>
#include <vector>

struct CreationPageTexts {
    AttachWalkTexts runWalk;
    AttachWalkTexts simulationWalk;
    // The boxes of the real run and of the simulation; what every page says
    // alike (question and end texts, the tabs disabled) the page base adds.
    CreationRunTexts run;
    CreationRunTexts simulation;
    // The other creation pages' tabs, disabled while either runs; a real run
    // disables the manage pages' as well.
    std::vector<std::string> otherCreationTabs;
    CreationUndoTexts undo;
    StructureListTexts structures;
};
