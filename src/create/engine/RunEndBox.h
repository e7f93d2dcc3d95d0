#pragma once
// The end box of a creation run or simulation. When attached subfolders or
// files could not be made, the box says how many, so that a run that failed
// in part never ends looking like one that did all its work; their paths are
// in the statistics window's "Other reasons" list.

#include "runs/CreationCounters.h"
#include "ui/Desktop.h"

#include <string>

class QWidget;

// "" when nothing of the attach walk fell under Other; otherwise the line the
// end box adds.
std::string UncreatedLine(const CreationCounters& counters);

// Shows `text` (with the line above, if any) under `caption`: the usual icon
// when all went well, the warning icon otherwise.
void ShowRunEndBox(QWidget* owner, const std::string& caption, const std::string& text,
                   const CreationCounters& counters, ui::Icon usualIcon);
