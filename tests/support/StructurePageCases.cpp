#include "support/StructurePageCases.h"

#include "support/CountersText.h"

namespace testsupport {

StructurePageCases::StructurePageCases(const QWidget& page, const std::string& part,
                                       const CreationCounters& counters, const QWidget& statistics,
                                       const std::string& doneWord)
    : shown([&counters, &statistics, doneWord] { return CountersAndLists(counters, statistics, doneWord); }),
      modes_(AttachModeChoices(page, part)) {}

void StructurePageCases::ForEach(uint32_t firstSeed, const std::filesystem::path& driveRoot,
                                 const std::function<bool(PageCase&)>& body) const {
    ForEachPageCase(firstSeed, driveRoot, [&body](PageCase& c) {
        c.tree.Fill(c.base / "S", 2);
        if (c.random.OneIn(3))
            c.tree.AddUnreadableFolder(c.base / "S");
        return body(c);
    });
}

} // namespace testsupport
