#pragma once
// What a creation run and its simulation check, and how they step through
// their items, the same on every creation page; each page passes its own
// boxes, lists and controls.

#include "platform/FileSystem.h"
#include "runs/AttachWalk.h"
#include "runs/CreationCounters.h"
#include "runs/RepaintThrottle.h"
#include "runs/SimulatedDisk.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QProgressBar;
class QWidget;

// With a structure mode chosen, every structure must still be a folder: an
// empty list gives the `emptyCaption` box, a structure that is gone the
// `missingCaption` box naming it; either way `focus` takes the focus and the
// result is false. With "Attach Nothing." it is always true.
bool CheckAttachStructures(QWidget* owner, AttachMode mode, const std::vector<std::string>& structures,
                           const std::string& emptyCaption, const std::string& missingCaption,
                           QWidget* focus);

// The statistics window's title and hidden Normal/Simulate box for a real
// run or a simulation.
void ShowRunKind(QCheckBox& normalSimulate, QLabel& title, bool realRun);

// Steps through `count` items of a run or a simulation: the progress bar
// shown from 0 to `count`, pending messages processed before each item, and
// the windows' repaints held to frames until the last item is done.
void ForEachRunItem(RepaintThrottle& repaints, const std::vector<QWidget*>& windows, QProgressBar& bar,
                    uint64_t count, const std::function<void(uint64_t index)>& item);

enum class MainFolderResult { Created, Exists, Failed };

// Creates one main folder of a run, with any missing parents. A folder counts
// as created only when the run's own creation call made it: one that was
// there when that call ran (another program's, made after the run's look) is
// an existing folder, and so is a drive's root. `made` gets the folder as
// that call read it back, and stays empty when it could not be told to be the
// one made (Undo then leaves it). When `attaching`,
// `created` gets the highest folder that was missing, which is what the
// attach walk must leave alone. A name of which some level could never be
// made (a refused or device name, a name or a whole path too long) fails
// before any level is made. `mostlyNew`: most folders of the run so far
// were new, so the folder is first simply created; `made` then gets the new
// folder as it was read when created (else it stays empty).
MainFolderResult CreateMainFolder(const std::string& name, bool attaching, bool mostlyNew,
                                  std::string& created, std::optional<platform::EntryDetails>& made);

// The simulation's twin of CreateMainFolder: what creating `name` would
// find, judged against the disk and what the simulation has made so far;
// a folder it would create is recorded there with its missing parents. A
// name no call can use (a refused character, a colon, a device name, a
// name over 255 bytes, a whole path longer than the host allows) or a file
// in the way fails, as in the run.
MainFolderResult SimulateMainFolder(SimulatedDisk& simulated, const std::string& name);

// Attaches (or, with `simulate`, counts) every structure to a main folder: a
// structure that is the folder itself is skipped with the `refusalCaption`
// box; the others are copied into the folder, or into a folder of their own
// name inside it in the "Main Folders" modes.
void AttachStructures(AttachWalk& walk, QWidget* owner, const std::string& refusalCaption,
                      const std::string& name, AttachMode mode, const std::vector<std::string>& structures,
                      bool simulate);
