// The strings page's run creates the usual new folder at once, without the
// checks around it; whatever it meets, it must count and create exactly what
// the checks would.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include <filesystem>
#include <functional>
#include <set>

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

// Another program changes the destination between two items: the next items
// meet what is there now, and a name made there in another case is one with
// theirs.
TEST_F(StringsPageTest, ChangesByAnotherProgramBetweenItemsAreMet) {
    struct Case {
        const char* change; // made just before the third item, "c"
        std::function<void()> make;
        Lines created, exists, other;
        std::set<std::string> inWork; // what D:\Work then holds
    };
    const std::vector<Case> cases = {
        {"a folder made in another case",
         [this] { sandbox->MakeFolder("D:\\Work\\C"); },
         Lines{"D:\\Work\\a", "D:\\Work\\b", "D:\\Work\\d"},
         Lines{"D:\\Work\\c"},
         Lines{},
         {"C", "a", "b", "d"}},
        {"a file made in another case",
         [this] { sandbox->MakeFile("D:\\Work\\C"); },
         Lines{"D:\\Work\\a", "D:\\Work\\b", "D:\\Work\\d"},
         Lines{},
         Lines{"D:\\Work\\c"},
         {"C", "a", "b", "d"}},
        {"a folder the run made renamed to a later item in another case",
         [this] { fs::rename(sandbox->Host("D:\\Work\\b"), sandbox->Host("D:\\Work\\D")); },
         Lines{"D:\\Work\\a", "D:\\Work\\b", "D:\\Work\\c"},
         Lines{"D:\\Work\\d"},
         Lines{},
         {"D", "a", "c"}},
        {"the destination moved away and made anew with a later item in another case",
         [this] {
             fs::rename(sandbox->Host("D:\\Work"), sandbox->Host("D:\\Moved"));
             sandbox->MakeFolder("D:\\Work\\D");
         },
         Lines{"D:\\Work\\a", "D:\\Work\\b", "D:\\Work\\c"},
         Lines{"D:\\Work\\d"},
         Lines{},
         {"D", "c"}},
    };
    int round = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        if (sandbox->Exists("D:\\Work"))
            fs::rename(sandbox->Host("D:\\Work"), sandbox->Host("D:\\Done" + std::to_string(round++)));
        controls().lstVol02IncludeStrings->Clear();
        sandbox->MakeFolder("D:\\Work");
        Plan("D:\\Work", {"a", "b", "c", "d"});
        int item = 0;
        desktop->OnProcessMessages([&] {
            if (item++ == 2)
                c.make();
        });
        CreateToTheEnd();
        desktop->OnProcessMessages({});
        EXPECT_EQ(Items(page->ResultLists().Created.Folders), c.created);
        EXPECT_EQ(Items(page->ResultLists().Exists.Folders), c.exists);
        EXPECT_EQ(Items(page->ResultLists().Other.Folders), c.other);
        std::set<std::string> inWork;
        for (const auto& entry : fs::directory_iterator(sandbox->Host("D:\\Work")))
            inWork.insert(entry.path().filename().string());
        EXPECT_EQ(inWork, c.inWork);
    }
}
