// The strings page's run creates the usual new folder at once, without the
// checks around it; whatever it meets, it must count and create exactly what
// the checks would.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include <filesystem>

using namespace createtests;

namespace fs = std::filesystem;

TEST_F(StringsPageTest, ADestinationThatIsALinkIsCreatedInto) {
    sandbox->MakeFolder("D:\\Real");
    fs::create_directory_symlink(sandbox->Host("D:\\Real"), sandbox->Host("D:\\Link"));
    Plan("D:\\Link", {"a", "b", "c\\d"});
    CreateToTheEnd();
    EXPECT_EQ(page->Counters().Created.Folders, 3);
    EXPECT_EQ(page->Counters().Other.Folders, 0);
    EXPECT_TRUE(sandbox->Exists("D:\\Real\\a"));
    EXPECT_TRUE(sandbox->Exists("D:\\Real\\c\\d"));
    EXPECT_TRUE(fs::is_symlink(sandbox->Host("D:\\Link")));

    // A folder reached through the link is a folder like any other.
    sandbox->MakeFolder("D:\\Real\\Inner");
    controls().lstVol02IncludeStrings->Clear();
    Plan("D:\\Link\\Inner", {"e", "f"});
    CreateToTheEnd();
    EXPECT_EQ(page->Counters().Created.Folders, 2);
    EXPECT_TRUE(sandbox->Exists("D:\\Real\\Inner\\e"));
}

TEST_F(StringsPageTest, MostlyExistingItemsAndStructuresAreCountedAsBefore) {
    sandbox->MakeFile("D:\\S\\f", "12345");
    sandbox->MakeFolder("D:\\S\\Sub");
    for (const char* name : {"A", "b", "C"})
        sandbox->MakeFolder(std::string("D:\\Work\\") + name + "\\S\\SUB");
    sandbox->MakeFile("D:\\Work\\d", "a file where a folder is wanted");
    Plan("D:\\Work", {"a", "B", "c", "d", "e", "F"}, {"D:\\S"}, controls().rdoVol02AttachMainFolderWithFiles);
    CreateToTheEnd();

    const CreationCounters& c = page->Counters();
    EXPECT_EQ(c.Exists.Folders, 3);
    EXPECT_EQ(c.Other.Folders, 1);
    EXPECT_EQ(c.Created.Folders, 2);
    EXPECT_EQ(c.Created.SubFolders, 4);
    EXPECT_EQ(c.Created.Files, 2);
    EXPECT_EQ(Items(page->ResultLists().Exists.Folders),
              (Lines{"D:\\Work\\a", "D:\\Work\\B", "D:\\Work\\c"}));
    EXPECT_EQ(Items(page->ResultLists().Other.Folders), Lines{"D:\\Work\\d"});
    EXPECT_EQ(sandbox->Read("D:\\Work\\F\\S\\f"), "12345");
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\a\\S\\f"));

    // Structures that share folders: what the first made, the second finds,
    // whatever the case of its name.
    controls().lstVol02IncludeStrings->Clear();
    controls().lstVol02AddFolderStructure->Clear();
    sandbox->MakeFolder("D:\\T\\SUB\\deep");
    sandbox->MakeFile("D:\\T\\SUB\\g", "g");
    AddItems({"h"});
    AddStructure("D:\\S");
    AddStructure("D:\\T");
    Choose(controls().rdoVol02AttachSubFoldersOnlyWithFiles);
    CreateToTheEnd();
    EXPECT_EQ(c.Created.Folders, 1);
    EXPECT_EQ(c.Created.SubFolders, 2);
    EXPECT_EQ(c.Exists.SubFolders, 1);
    EXPECT_EQ(c.Created.Files, 2);
    EXPECT_EQ(stat().lstStat02SubFoldersCreated->Items(),
              (Lines{"D:\\Work\\h\\Sub", "D:\\Work\\h\\SUB\\deep"}));
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\h\\Sub\\deep"));
    EXPECT_EQ(sandbox->Read("D:\\Work\\h\\Sub\\g"), "g");
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\h\\SUB"));
}
