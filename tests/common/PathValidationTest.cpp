#include "PathRulesFixture.h"

#include "common/PathValidation.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <filesystem>

using testsupport::DriveSandbox;

using AnalyseDriveColons_ = PathRulesTest;
using ValidateFolderName_ = PathRulesTest;
using ValidateIncludeText_ = PathRulesTest;
using CheckSourceNotDestination_ = PathRulesTest;

TEST_F(AnalyseDriveColons_, MessagesForEachFault) {
    struct Case {
        std::string text;
        bool result;
        std::string message;
    } cases[] = {
        {"C:\\a", true, "There is(are) a drive letter(s) before colon(s) (:)."},
        {"C:\\a D:\\b", true, "There is(are) a drive letter(s) before colon(s) (:)."},
        {"1:\\x", false, "There is(are) no drive letter(s) before colon(s) (:) : 1"},
        {"C:", false, "The colon (:) is the last character in the text."},
        {":C\\a", false, "The colon (:) is the first character in the text."},
        {"\\a\\b", false, "Not found any colon (:) in the text !!!!"},
        {"", false, "Not found any colon (:) in the text !!!!"},
        {"C:\\a 2:\\b", false, "There is(are) no drive letter(s) before colon(s) (:) : 2"},
        // The whole character before the colon, not half of it.
        {"\xc3\xa4:\\x", false, "There is(are) no drive letter(s) before colon(s) (:) : \xc3\xa4"},
        {"\xff:\\x", false, "There is(are) no drive letter(s) before colon(s) (:) : \xff"},
    };
    for (const Case& c : cases) {
        std::string message;
        EXPECT_EQ(AnalyseDriveColons(c.text, message), c.result) << c.text;
        EXPECT_EQ(message, c.message) << c.text;
    }
}

TEST_F(ValidateFolderName_, EachRuleWithItsMessage) {
    DriveSandbox sandbox;
    struct Case {
        std::string text;
        bool result;
        std::string message;
    } cases[] = {
        {"C:\\data", true, "untouched"},
        {"  d:\\data\\sub  ", true, "untouched"},
        {"C:\\", false, "There is no Folder part (just root)."},
        {"C:", false, "There is no Folder part (just root)."},
        {"C: \\ ", false, "There is no Folder part (just root)."},
        {"Q:\\data", false, "There is no valid drive letter."},
        {"1:\\data", false, "There is no valid drive letter."},
        {"data\\sub", false, "This item is not a valid Folder Name (No drive letter) !"},
        {"", false, "This item is not a valid Folder Name (No drive letter) !"},
        {"\\\\server\\share\\x", false, "There is no valid drive letter."},
        {"C:\\a<b", false, "Illegal character in the folder name : <"},
        {"C:\\a;b|c", false, "Illegal character in the folder name : ;"},
    };
    for (const Case& c : cases) {
        std::string message = "untouched";
        EXPECT_EQ(ValidateFolderName(c.text, message), c.result) << c.text;
        EXPECT_EQ(message, c.message) << c.text;
    }
    std::string message;
    EXPECT_TRUE(ValidateFolderName("C:\\" + std::string(100000, 'x'), message));
    EXPECT_TRUE(ValidateFolderName("C:\\\xff\xfe\x80", message));
}

TEST_F(ValidateIncludeText_, NormalisesOrRefuses) {
    std::string normalised = "untouched";
    std::string message = "untouched";
    EXPECT_FALSE(ValidateIncludeText("", normalised, message));
    EXPECT_EQ(message,
              "The text field is empty !\nAction : You must enter a text to add to the Include Folder List.");
    EXPECT_EQ(normalised, "untouched");
    EXPECT_FALSE(ValidateIncludeText("C:\\a*b", normalised, message));
    EXPECT_EQ(message, "Illegal character in the text : *");
    message = "untouched";
    EXPECT_TRUE(ValidateIncludeText("C:://a//b\\\\c/", normalised, message));
    EXPECT_EQ(normalised, "C:\\a\\b\\c\\");
    EXPECT_EQ(message, "untouched");
    EXPECT_TRUE(ValidateIncludeText("  ", normalised, message));
    EXPECT_EQ(normalised, "  ");
}

TEST_F(CheckSourceNotDestination_, RefusesOnlyTheSameFolder) {
    std::string message;
    EXPECT_TRUE(CheckSourceNotDestination("c:\\data", "C:\\DATA", message));
    EXPECT_EQ(message,
              "The ATTACH/COPY/MOVE operation is NOT PERFORMED !!!\nThe Destination Folder is the same as "
              "the source Folder !!! \nDestination Folder : c:\\data\nSource Folder      : C:\\DATA");
    // Normalised before comparing: slashes and doubled backslashes do not hide it.
    EXPECT_TRUE(CheckSourceNotDestination("c:/data", "C:\\\\DATA", message));
    EXPECT_TRUE(CheckSourceNotDestination("C:\\\xc3\x84rger", "c:\\\xc3\xa4RGER", message));

    // A trailing backslash names the same folder.
    EXPECT_TRUE(CheckSourceNotDestination("c:\\data", "C:\\DATA\\", message));

    message = "untouched";
    EXPECT_FALSE(CheckSourceNotDestination("C:\\data\\inner", "C:\\data", message));
    EXPECT_FALSE(CheckSourceNotDestination("C:\\data", "C:\\data2\\", message));
    EXPECT_EQ(message, "untouched");
}

TEST(CheckSourceNotDestinationOnDisk, RefusesOneFolderReachedByTwoPaths) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\Real\\Sub");
    std::filesystem::create_directory_symlink(sandbox.Host("D:\\Real"), sandbox.Host("D:\\Link"));
    const std::pair<std::string, bool> cases[] = {
        {"D:\\Link", true},          {"d:\\link\\", true},
        {"D:\\Real\\Sub\\..", true}, {"D:\\Link\\Sub\\..\\", true},
        {"D:\\Link\\Sub", false},    {"D:\\Missing", false},
    };
    for (const auto& [destination, refused] : cases) {
        std::string message;
        EXPECT_EQ(CheckSourceNotDestination(destination, "D:\\Real", message), refused) << destination;
    }
}

TEST_F(CheckSourceNotDestination_, InvalidTextsRefuseWithTheirMessage) {
    std::string message;
    EXPECT_TRUE(CheckSourceNotDestination("", "C:\\a", message));
    EXPECT_EQ(message,
              "The text field is empty !\nAction : You must enter a text to add to the Include Folder List.");
    EXPECT_TRUE(CheckSourceNotDestination("C:\\a", "C:\\b?", message));
    EXPECT_EQ(message, "Illegal character in the text : ?");
}

// The names of a run are judged against the destination's text as typed: a
// name below it leaves only through a name of dots and blanks, and a folder
// that is not a drive's full form lies where the current directory says.
TEST(FolderInteriorOfARun, JudgesEachNameAsItsFullFormDoes) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\Here\\Run");
    ASSERT_TRUE(platform::SetCurrentDirectoryA("D:\\Here"));
    struct Case {
        const char* folder;
        const char* name;
        bool leaves;
    };
    const Case cases[] = {
        {"D:\\Run", "D:\\Run\\Item", false},
        {"D:\\Run\\", "D:\\Run\\Item. ", false},
        {"D:\\Run", "D:\\Run\\a\\..\\b", false},
        {"D:\\Run\\..", "D:\\Run\\..\\Item", false},
        {"D:\\Run", "D:\\Run\\..\\Item", true},
        {"D:\\Run", "D:\\Run\\.. \\Item", false},
        {"D:\\Run", "D:\\Run\\a\\..\\..\\b", true},
        {"D:\\Run", "D:\\Run\\...", true},
        {"D:\\Run", "D:\\Run\\\\", true},
        {"D:\\Run", "D:\\Runner", true},
        {"d:\\run", "D:\\RUN\\Item", false},
        {"D:Run", "D:Run\\Item", false},
        {"D:", "D:\\Item", true},
        {"D:", "D:Item", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FolderInterior(c.folder).Leaves(c.name), c.leaves) << c.folder << " | " << c.name;
}
