#pragma once
// The settings file "default.set": the shared setting lists as a headerless
// sequence of fixed-size little-endian records, one per text, number or list
// item, in a fixed type order and closed by an end record. The type alone
// identifies a record; keys are written for the eye and never read back.

#include "common/SettingsReader.h"
#include "common/SettingsRecord.h"
#include "common/SettingsWriter.h"

#include <string>

// The file a reader or writer uses: the given name without its surrounding
// blanks, or the start directory's "default.set" when that leaves nothing.
std::string SettingsFileName(const std::string& fileName);
