#include "LayeringRules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Describe(const std::vector<layering::Violation>& violations) {
    std::ostringstream text;
    for (const auto& v : violations)
        text << v.file << ":" << v.line << ": includes \"" << v.include << "\": " << v.rule << "\n";
    return text.str();
}

TEST(Layering, EveryIncludeOfTheProgramPointsDownTheTable) {
    const auto violations = layering::CheckTree(FOLDERSMITH_SOURCE_ROOT);
    EXPECT_TRUE(violations.empty()) << Describe(violations);
}

// Common services and what every run shares report; the windows and pages
// that call them show the boxes.
TEST(Layering, CommonServicesAndRunsShowNoMessageBox) {
    const auto shown = layering::BoxesShown(FOLDERSMITH_SOURCE_ROOT);
    EXPECT_TRUE(shown.empty()) << testing::PrintToString(shown);
    // The small tree's service and run that show a box are named: the check can fail.
    EXPECT_EQ(layering::BoxesShown(FOLDERSMITH_LAYERING_FIXTURE),
              (std::vector<std::string>{"common/ShowsABox.cpp:4", "runs/ShowsABox.cpp:4"}));
}

// A small tree with one wrong include of each kind proves the check can fail.
TEST(Layering, WrongIncludesAreNamedWithFileLineAndRule) {
    const auto violations = layering::CheckTree(FOLDERSMITH_LAYERING_FIXTURE);
    ASSERT_EQ(violations.size(), 6u) << Describe(violations);
    EXPECT_EQ(violations[0].file, "common/ReachesUp.cpp");
    EXPECT_EQ(violations[0].line, 3);
    EXPECT_EQ(violations[0].include, "tools/TfrmFileImport.h");
    EXPECT_EQ(violations[0].rule, "common may use only common, ui, platform");
    const char* sideways[] = {"ui_Vol02StringsPage.h", "create/strings/Vol02StringsPage.h",
                              "../strings/Vol02StringsPage.h", "../../../outside.h"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(violations[1 + i].file, "create/numbers/ReachesSideways.cpp");
        EXPECT_EQ(violations[1 + i].line, 3 + i);
        EXPECT_EQ(violations[1 + i].include, sideways[i]);
    }
    EXPECT_EQ(violations[4].rule, "an include may not reach out of src");
    EXPECT_EQ(violations[5].file, "platform/UsesQt.cpp");
    EXPECT_EQ(violations[5].include, "QString");
}

TEST(Layering, FoldersAndTheirAllowedNeighbours) {
    struct Case {
        const char* file;
        const char* folder;
        std::vector<std::string> allowed;
    };
    const Case cases[] = {
        {"platform/Drives.cpp", "platform", {"platform"}},
        {"tools/TfrmFileImport.cpp", "tools", {"platform", "ui", "common", "tools"}},
        {"create/paths/Vol04PathsPage.cpp",
         "create/paths",
         {"platform", "ui", "common", "tools", "runs", "create/engine", "create/paths"}},
        {"manage/copy/Vol08CopyPage.cpp",
         "manage/copy",
         {"platform", "ui", "common", "tools", "runs", "manage/shared", "manage/copy"}},
        {"runs/AttachWalk.cpp", "runs", {"platform", "ui", "common", "runs"}},
        {"app/TfrmMain.cpp", "app", {}},
        {"main.cpp", "", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(layering::FolderOf(c.file), c.folder) << c.file;
        EXPECT_EQ(layering::AllowedFolders(c.folder), c.allowed) << c.file;
    }
}

} // namespace
