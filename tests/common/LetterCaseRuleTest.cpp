// Whether two names are one name ignoring case is told by one rule, the
// platform's: what a path finds on the disk, a list's lookup, the framework's
// text comparison, the top-level folder list and the check that a structure
// is not its own destination all agree with it.

#include "common/FolderListNormaliser.h"
#include "common/FrameworkText.h"
#include "common/LevelSelector.h"
#include "common/PathValidation.h"
#include "platform/CaseFolding.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct CaseOfNames {
    const char* written; // the folder's name on the disk
    const char* asked;   // the name a line gives
    bool oneName;
};

const CaseOfNames Cases[] = {
    {"ΟΔΟΣ", "οδος", true},    // final sigma
    {"ΟΔΟΣ", "οδοσ", true},    // medial sigma
    {"KAPI", "kapı", true},    // dotless i
    {"İzmir", "izmir", false}, // dotted capital I has no lower twin on the disk
    {"İzmir", "İZMIR", true},     {"Äpfel", "äPFEL", true}, {"Äpfel", "Apfel", false},
    {"straße", "STRASSE", false}, {"data", "DATA", true},   {"data", "data2", false},
};

TEST(LetterCase, OneRuleForDiskListsAndChecks) {
    testsupport::DriveSandbox sandbox;
    int index = 0;
    for (const CaseOfNames& c : Cases) {
        const std::string folder = "D:\\C" + std::to_string(index++) + "\\";
        sandbox.MakeFolder(folder + c.written);
        const std::string asked = folder + c.asked;
        const std::string written = folder + c.written;
        const std::string why = std::string(c.written) + " / " + c.asked;

        EXPECT_EQ(platform::SameIgnoringCase(c.written, c.asked), c.oneName) << why;
        // The disk finds the folder under the other name exactly when the rule
        // says the two are one.
        EXPECT_EQ(platform::GetFileAttributesA(asked) != platform::INVALID_FILE_ATTRIBUTES, c.oneName) << why;
        EXPECT_EQ(AnsiSameText(written, asked), c.oneName) << why;
        EXPECT_EQ(ui::FoldCase(c.written) == ui::FoldCase(c.asked), c.oneName) << why;

        ui::ListBox list;
        list.AddItem(written);
        EXPECT_EQ(list.Contains(asked), c.oneName) << why;

        FolderListNormaliser topLevel({written, asked + "\\sub"});
        topLevel.BuildTopLevelList();
        EXPECT_EQ(topLevel.GetResult().size(), c.oneName ? 1u : 2u) << why;

        // Two folders on the disk are never refused as one another's copy.
        if (!c.oneName)
            sandbox.MakeFolder(asked);
        std::string refusal;
        EXPECT_EQ(CheckSourceNotDestination(written, asked, refusal), c.oneName) << why;

        LevelSelector selector({folder});
        selector.SetLevelRange(1, 1);
        selector.SetFilterFromControl(c.asked);
        selector.Run();
        const auto found = selector.GetResult();
        EXPECT_EQ(std::count(found.begin(), found.end(), written), c.oneName ? 1 : 0) << why;
    }
}

} // namespace
