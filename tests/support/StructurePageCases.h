#pragma once
// What the property tests of the pages that attach folder structures (the
// strings, numbers, paths and copy pages) lay out alike: in each case a
// structure tree "S" below the case's folder, one case in three holding a
// folder the person may not read; the page's attach options to choose from;
// and what the page shows after a step, its counters and then the lists of
// its visual log.

#include "support/AttachModeChoices.h"
#include "support/PageCase.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct CreationCounters;

namespace testsupport {

class StructurePageCases {
public:
    // `part`: the middle of the page's control names ("Vol03"); `doneWord`:
    // what the counters call done ("created", "copied").
    StructurePageCases(const QWidget& page, const std::string& part, const CreationCounters& counters,
                       const QWidget& statistics, const std::string& doneWord = "created");

    // The page's counters and result lists as shown now.
    const std::function<std::string()> shown;

    // As ForEachPageCase, each case with its structure tree laid out first.
    void ForEach(uint32_t firstSeed, const std::filesystem::path& driveRoot,
                 const std::function<bool(PageCase&)>& body) const;
    const AttachModeChoice& ChooseMode(PageCase& c) const { return c.random.Choose(modes_); }

private:
    const std::vector<AttachModeChoice> modes_;
};

} // namespace testsupport
