#pragma once
// The rules by which the rename run (and its simulation) renames one folder.
// A rename never replaces or merges into anything: a target that exists,
// letter case ignored, is left alone, except when it is the folder itself and
// only the case of its name changes. A drive's root and a folder reached
// through a folder link are refused; a link is renamed as a link.

#include "manage/rename/RenameDisk.h"

#include <optional>
#include <string>

enum class RenameOutcome { Renamed, SourceMissing, DestinationExists, Other };

// Renames `source` to `target` (a path in the same folder). When renamed,
// `renamed` gets what the disk said of the entry just before: which entry it
// was and the name it had.
RenameOutcome RenameOne(RenameDisk& disk, const std::string& source, const std::string& target,
                        EntryFacts& renamed);
