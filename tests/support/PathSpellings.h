#pragma once
// The ways people and other programs write one folder's path: as it is, with
// a trailing backslash, in other letter case, with forward slashes, doubled
// backslashes, "\.\" or "\x\..\" inside, or blanks around it. Every spelling
// names the same folder.

#include "support/PropertyCase.h"

#include <string>

namespace testsupport {

// `path` ("D:\a\b", a drive and at least one name) spelled one of the ways
// above, chosen at random.
std::string RandomSpelling(CaseRandom& random, const std::string& path);

} // namespace testsupport
