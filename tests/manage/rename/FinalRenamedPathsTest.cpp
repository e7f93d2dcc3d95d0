// Where each renamed folder is once the whole run is done, over the orders a
// run renames in: deepest first, a folder renamed again under its new name,
// and names that differ only in letter case or in how they are written.

#include "manage/rename/FinalRenamedPaths.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

struct Example {
    const char* what;
    std::vector<DoneRename> renames;
    Lines finals;
};

TEST(FinalRenamedPaths, EachFolderWhereItEndsUp) {
    const Example examples[] = {
        {"side by side", {{"D:\\W\\A", "D:\\W\\pA"}, {"D:\\W\\B", "D:\\W\\pB"}}, {"D:\\W\\pA", "D:\\W\\pB"}},
        {"a subfolder moves with its folder",
         {{"D:\\W\\A\\Sub", "D:\\W\\A\\pSub"}, {"D:\\W\\A", "D:\\W\\pA"}},
         {"D:\\W\\pA\\pSub", "D:\\W\\pA"}},
        {"two levels up, the nearest move counts",
         {{"D:\\W\\A\\B\\C", "D:\\W\\A\\B\\pC"}, {"D:\\W\\A", "D:\\W\\pA"}, {"D:\\W", "D:\\pW"}},
         {"D:\\pW\\pA\\B\\pC", "D:\\pW\\pA", "D:\\pW"}},
        {"renamed again under its new name",
         {{"D:\\W\\A", "D:\\W\\pA"}, {"D:\\W\\pA", "D:\\W\\ppA"}},
         {"D:\\W\\ppA"}},
        {"the new name in other letters and another form",
         {{"D:\\W\\A\\Sub", "D:\\W\\A\\pSub"}, {"D:\\W\\A", "D:\\W\\pA"}, {"D:\\w\\.\\PA", "D:\\W\\X"}},
         {"D:\\W\\X\\pSub", "D:\\W\\X"}},
        {"renamed again under its new name, written with a trailing dot",
         {{"D:\\W\\A", "D:\\W\\pA"}, {"D:\\W\\pA\\.", "D:\\W\\X"}},
         {"D:\\W\\X"}},
        {"a deeper folder renamed later leaves the shallower alone",
         {{"D:\\W\\A", "D:\\W\\pA"}, {"D:\\V\\A\\B", "D:\\V\\A\\pB"}},
         {"D:\\W\\pA", "D:\\V\\A\\pB"}},
        {"another drive is another folder",
         {{"D:\\W\\A", "D:\\W\\pA"}, {"E:\\W", "E:\\pW"}},
         {"D:\\W\\pA", "E:\\pW"}},
    };
    for (const Example& example : examples)
        EXPECT_EQ(FinalRenamedPaths(example.renames), example.finals) << example.what;
}

} // namespace
