#include "PathRulesFixture.h"

#include "common/PathSplitting.h"
#include "support/DriveSandbox.h"

using testsupport::DriveSandbox;
using Paths = std::deque<std::string>;

using SplitPathsAtDrives_ = PathRulesTest;
using ValidateAndSplitPathText_ = PathRulesTest;
using SplitPathText_ = PathRulesTest;

TEST_F(SplitPathsAtDrives_, CutsBeforeEachDriveLetter) {
    struct Case {
        std::string text;
        Paths expected;
    } cases[] = {
        {"C:\\a D:\\b E:\\c", {"C:\\a ", "D:\\b ", "E:\\c"}},
        {"C:\\aD:\\b", {"C:\\a", "D:\\b"}},
        {"C:/a//b D::\\c", {"C:\\a\\b ", "D:\\c"}},
        {"list: C:\\a", {"list: ", "C:\\a"}}, // leading text kept; "t: " starts nothing
        {"no drive here", {"no drive here"}},
        {"", {""}},
        {"C:1 D:x", {"C:1 ", "D:x"}},
        {"C: \\a D:\\b", {"C: \\a ", "D:\\b"}}, // a blank after the colon starts nothing
        // The item ends before the letter of the next colon, even one that
        // starts no item; the text up to the next start is dropped.
        {"C:\\a b: D:\\c", {"C:\\a ", "D:\\c"}},
        {"C:\\a 1:x", {"C:\\a "}},
        {"C:\\x:", {"C:\\"}},
    };
    for (const Case& c : cases) {
        Paths paths{"stale"};
        SplitPathsAtDrives(c.text, paths);
        EXPECT_EQ(paths, c.expected) << c.text;
    }
}

TEST_F(SplitPathsAtDrives_, LongAndBinaryTexts) {
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "C:\\x ";
    Paths paths;
    SplitPathsAtDrives(text, paths);
    ASSERT_EQ(paths.size(), 20000u);
    EXPECT_EQ(paths.front(), "C:\\x ");
    SplitPathsAtDrives(std::string(100000, ':'), paths);
    EXPECT_EQ(paths, Paths{":"});
    SplitPathsAtDrives("\xff:\\a \xc3\xa4:\\b", paths);
    EXPECT_EQ(paths, Paths{"\xff:\\a \xc3\xa4:\\b"});
}

TEST_F(ValidateAndSplitPathText_, KeepsOnlyItemsAtDriveLetters) {
    Paths paths{"stale"};
    std::string message = "untouched";
    std::string normalised;
    EXPECT_TRUE(ValidateAndSplitPathText("list: C:/a D:\\\\b", paths, message, normalised));
    EXPECT_EQ(paths, (Paths{"C:\\a ", "D:\\b"}));
    EXPECT_EQ(normalised, "list: C:\\a D:\\b");
    EXPECT_EQ(message, "untouched");

    EXPECT_TRUE(ValidateAndSplitPathText("relative\\path", paths, message, normalised));
    EXPECT_TRUE(paths.empty());
    EXPECT_EQ(normalised, "relative\\path");
}

TEST_F(ValidateAndSplitPathText_, FailureLeavesTheListAlone) {
    Paths paths{"stale"};
    std::string message;
    std::string normalised = "untouched";
    EXPECT_FALSE(ValidateAndSplitPathText("C:\\a|b", paths, message, normalised));
    EXPECT_EQ(message, "Illegal character in the text : |");
    EXPECT_EQ(paths, Paths{"stale"});
    EXPECT_EQ(normalised, "untouched");
    EXPECT_FALSE(ValidateAndSplitPathText("", paths, message, normalised));
    EXPECT_EQ(paths, Paths{"stale"});
}

TEST_F(SplitPathText_, ThreePathsOneTooLong) {
    DriveSandbox sandbox;
    const std::string longPath = "D:\\" + std::string(297, 'x');
    ASSERT_EQ(longPath.size(), 300u);
    Paths kept{"stale"};
    Paths rejected{"stale"};
    EXPECT_FALSE(SplitPathText("C:\\a " + longPath + " C:\\b", kept, rejected));
    EXPECT_EQ(kept, (Paths{"C:\\a ", "C:\\b"}));
    EXPECT_EQ(rejected, Paths{longPath + " "});
}

TEST_F(SplitPathText_, LengthLimitIsBelow255) {
    DriveSandbox sandbox;
    const std::string at254 = "C:\\" + std::string(251, 'y');
    const std::string at255 = "C:\\" + std::string(252, 'z');
    Paths kept;
    Paths rejected;
    EXPECT_TRUE(SplitPathText(at254, kept, rejected));
    EXPECT_EQ(kept, Paths{at254});
    EXPECT_FALSE(SplitPathText(at255, kept, rejected));
    EXPECT_EQ(rejected, Paths{at255});
    EXPECT_TRUE(kept.empty());
}

TEST_F(SplitPathText_, RejectedInTheOrderOfThePasses) {
    DriveSandbox sandbox;
    Paths kept;
    Paths rejected;
    // "lead " fails the colon pass, Q: the folder-name pass, C:\ (just a root) too.
    EXPECT_FALSE(SplitPathText("lead Q:\\x C:\\ok C:\\", kept, rejected));
    EXPECT_EQ(kept, Paths{"C:\\ok "});
    EXPECT_EQ(rejected, (Paths{"lead ", "Q:\\x ", "C:\\"}));

    EXPECT_FALSE(SplitPathText("relative\\folder", kept, rejected));
    EXPECT_TRUE(kept.empty());
    EXPECT_EQ(rejected, Paths{"relative\\folder"});
}

TEST_F(SplitPathText_, BadInputIsRejectedNotCrashed) {
    DriveSandbox sandbox;
    Paths kept;
    Paths rejected;
    EXPECT_FALSE(SplitPathText(std::string(100000, 'C'), kept, rejected));
    EXPECT_EQ(rejected.size(), 1u);
    EXPECT_FALSE(SplitPathText("C:\\" + std::string(100000, '\xff'), kept, rejected));
    EXPECT_EQ(rejected.size(), 1u);
    EXPECT_FALSE(SplitPathText("C:\\a<b", kept, rejected));
    EXPECT_EQ(rejected, Paths{"C:\\a<b"});
}
