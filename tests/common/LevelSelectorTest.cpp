#include "common/LevelSelector.h"

#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using testsupport::DriveSandbox;
using Paths = std::deque<std::string>;

// Below D:\In: A (a leaf at level 1), B with the leaf E and F, F with the
// leaf G (level 3); a file that is no subfolder.
class LevelSelectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox.MakeFolder("D:\\In\\A");
        sandbox.MakeFolder("D:\\In\\B\\E");
        sandbox.MakeFolder("D:\\In\\B\\F\\G");
        sandbox.MakeFile("D:\\In\\C.txt", "x");
    }

    DriveSandbox sandbox;
};

enum Mode { Range, Above, Below, NoMode };

struct Rule {
    const char* name;
    Mode mode;
    uint32_t first;
    uint32_t second;
    uint32_t choice;
    Paths expected;
};

TEST_F(LevelSelectorTest, RuleTable) {
    const std::string A = "D:\\In\\A", B = "D:\\In\\B", E = "D:\\In\\B\\E", F = "D:\\In\\B\\F",
                      G = "D:\\In\\B\\F\\G";
    const Rule rules[] = {
        {"range 1-1, all", Range, 1, 1, 2, {A, B}},
        {"range 1-1, last", Range, 1, 1, 1, {A, B}},
        {"range 1-2, all", Range, 1, 2, 2, {A, B, E, F}},
        // B is no leaf and lies above the last level: only what ends there.
        {"range 1-2, last", Range, 1, 2, 1, {A, E, F}},
        {"range 2-3, all", Range, 2, 3, 2, {E, F, G}},
        {"range 2-3, last", Range, 2, 3, 1, {E, G}},
        {"range 3-3, all", Range, 3, 3, 2, {G}},
        {"range 4-9, all", Range, 4, 9, 2, {}},
        {"range 3-1, all", Range, 3, 1, 2, {}},
        {"above 2, all", Above, 2, 0, 2, {A, B}},
        {"above 2, last", Above, 2, 0, 1, {A, E, F}},
        {"above 1, all", Above, 1, 0, 2, {}},
        {"above 1, last", Above, 1, 0, 1, {A, B}},
        {"below 1, all", Below, 1, 0, 2, {E, F, G}},
        {"below 1, last", Below, 1, 0, 1, {E, G}},
        {"below 0, all", Below, 0, 0, 2, {A, B, E, F, G}},
        {"below 0, last", Below, 0, 0, 1, {A, E, G}},
        {"below 3, all", Below, 3, 0, 2, {}},
        {"no mode", NoMode, 0, 0, 2, {}},
    };
    for (const Rule& rule : rules) {
        LevelSelector selector({"D:\\In"});
        if (rule.mode == Range)
            selector.SetLevelRange(rule.first, rule.second);
        else if (rule.mode == Above)
            selector.SetAboveLevel(rule.first);
        else if (rule.mode == Below)
            selector.SetBelowLevel(rule.first);
        selector.SetSubfolderChoice(rule.choice);
        selector.Run();
        EXPECT_EQ(selector.GetResult(), rule.expected) << rule.name;
    }
}

TEST_F(LevelSelectorTest, TheLastSetModeDecides) {
    LevelSelector selector({"D:\\In"});
    selector.SetBelowLevel(0);
    selector.SetLevelRange(3, 3);
    selector.SetSubfolderChoice(2);
    selector.Run();
    EXPECT_EQ(selector.GetResult(), (Paths{"D:\\In\\B\\F\\G"}));
}

TEST_F(LevelSelectorTest, DefaultChoiceIsTheLastSubfolder) {
    LevelSelector selector({"D:\\In"});
    selector.SetBelowLevel(0);
    selector.Run();
    EXPECT_EQ(selector.GetResult(), (Paths{"D:\\In\\A", "D:\\In\\B\\E", "D:\\In\\B\\F\\G"}));
}

TEST_F(LevelSelectorTest, LevelsCountFromEachInputFolder) {
    sandbox.MakeFolder("D:\\Other\\Deeper\\X\\Y");
    LevelSelector selector({"D:\\In", "D:\\Missing", "D:\\Other\\Deeper"});
    selector.SetLevelRange(1, 1);
    selector.SetSubfolderChoice(2);
    selector.Run();
    EXPECT_EQ(selector.GetResult(), (Paths{"D:\\In\\A", "D:\\In\\B", "D:\\Other\\Deeper\\X"}));
}

TEST_F(LevelSelectorTest, AnEmptyInputFolderSelectsNothing) {
    // Not the subfolders of the current drive's root.
    ASSERT_TRUE(platform::SetCurrentDirectoryA("D:\\In"));
    LevelSelector selector({"", "D:\\In\\B"});
    selector.SetLevelRange(1, 1);
    selector.SetSubfolderChoice(2);
    selector.Run();
    EXPECT_EQ(selector.GetResult(), (Paths{"D:\\In\\B\\E", "D:\\In\\B\\F"}));
}

TEST_F(LevelSelectorTest, TrailingBackslashOnTheInputGivesTheSameLevels) {
    LevelSelector plain({"D:\\In"});
    LevelSelector trailing({"D:\\In\\"});
    for (LevelSelector* selector : {&plain, &trailing}) {
        selector->SetLevelRange(2, 2);
        selector->SetSubfolderChoice(2);
        selector->Run();
    }
    // The paths are joined to the input as Windows reads it.
    EXPECT_EQ(trailing.GetResult(), (Paths{"D:\\In\\B\\E", "D:\\In\\B\\F"}));
    EXPECT_EQ(plain.GetResult(), (Paths{"D:\\In\\B\\E", "D:\\In\\B\\F"}));
}

TEST_F(LevelSelectorTest, FilterLooksAtTheFolderOwnNameIgnoringCase) {
    sandbox.MakeFolder("D:\\F\\temp");
    sandbox.MakeFolder("D:\\F\\Temp2");
    sandbox.MakeFolder("D:\\F\\MyTEMP");
    sandbox.MakeFolder("D:\\F\\temp\\child"); // only its parent is named so
    sandbox.MakeFolder("D:\\F\\other");
    for (const char* filter : {"Temp", "tEMP\\"}) {
        LevelSelector selector({"D:\\F"});
        selector.SetBelowLevel(0);
        selector.SetSubfolderChoice(2);
        selector.SetFilterFromControl(filter);
        selector.Run();
        EXPECT_EQ(selector.GetResult(), (Paths{"D:\\F\\MyTEMP", "D:\\F\\temp", "D:\\F\\Temp2"})) << filter;
    }
}

TEST_F(LevelSelectorTest, CurrentDirectoryIsGivenBack) {
    ASSERT_TRUE(platform::SetCurrentDirectoryA("D:\\In\\B"));
    const std::string before = platform::GetCurrentDirectoryA();
    LevelSelector selector({"D:\\In"});
    selector.SetBelowLevel(0);
    selector.Run();
    EXPECT_EQ(platform::GetCurrentDirectoryA(), before);
}

TEST_F(LevelSelectorTest, AFolderLinkIsListedButNeverFollowed) {
    std::filesystem::create_directory_symlink(sandbox.Host("D:\\In"), sandbox.Host("D:\\In\\B\\E\\loop"));
    std::filesystem::create_symlink(sandbox.Host("D:\\nowhere"), sandbox.Host("D:\\In\\B\\dangling"));
    for (uint32_t choice : {1u, 2u}) {
        LevelSelector selector({"D:\\In"});
        selector.SetBelowLevel(0);
        selector.SetSubfolderChoice(choice);
        selector.Run();
        std::vector<std::string> links;
        for (const std::string& path : selector.GetResult()) {
            if (path.find("loop") != std::string::npos || path.find("dangling") != std::string::npos)
                links.push_back(path);
        }
        // Once, as a folder of its own level; nothing through it. Only the
        // last subfolder of each branch wanted: E, which the link does not
        // make "not last", ends its branch.
        if (choice == 2) {
            EXPECT_EQ(links, std::vector<std::string>{"D:\\In\\B\\E\\loop"});
        } else {
            EXPECT_TRUE(links.empty());
            const std::deque<std::string> result = selector.GetResult();
            EXPECT_NE(std::find(result.begin(), result.end(), "D:\\In\\B\\E"), result.end());
        }
    }
}

} // namespace
