#pragma once
// The boxes of one creation page that its shared parts show: the attach
// walk's, the run's and the simulation's, Undo's, the structure list's and
// the Include and Exclude lists'. The pages word them alike and number them
// each their own way, side by side in one table: a page gives its title and
// column, and then sets what it words differently.

#include "create/engine/CreationUndo.h"
#include "create/engine/IncludeExcludePair.h"
#include "create/engine/MainFolderStep.h"
#include "create/engine/StructureList.h"
#include "runs/AttachWalk.h"
#include "ui/Desktop.h"

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
    // A character no folder name may hold, typed into the prefix or suffix.
    std::string prefixCaption;
    std::string suffixCaption;
    // View with no destination chosen, on the pages that have one.
    std::string viewDestinationCaption;
    // Clear Fields: its question and the box at its end.
    std::string clearFieldsQuestionCaption;
    std::string clearFieldsEndCaption;
    std::string clearFieldsEndText;
    ui::Icon clearFieldsEndIcon = ui::Icon::Information;
    // The Include and Exclude lists, on the pages that have them.
    IncludeExcludeTexts lists;
};

// The creation pages, each a column of the table of box numbers.
enum class CreationPageColumn { Strings, Numbers, Paths };

// Every caption is `title` (with the blanks that follow it) and the box's
// kind and number, the simulation's with "Simulate " before; the texts are
// those most pages show.
CreationPageTexts BuildCreationPageTexts(const std::string& title, CreationPageColumn page);
