// A folder counts as created, and is undone, only when the run's own creation
// call made it: another program's folder that arrives under an item's name
// after the run looked and before it created is an existing folder, and Undo
// leaves it with everything in it.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "support/ForeignCreation.h"

#include <filesystem>
#include <fstream>
#include <functional>

using namespace createtests;
namespace fs = std::filesystem;

TEST_F(StringsPageTest, AFolderAnotherProgramMadeJustBeforeTheCreationIsExistingAndNotUndone) {
    struct Disarm {
        ~Disarm() { testsupport::NoForeignCreation(); }
    } disarm;
    // Most folders exist, so the run looks before it creates; and once more
    // with most folders new, so it creates at once.
    for (const bool mostlyNew : {false, true}) {
        SCOPED_TRACE(mostlyNew);
        const std::string destination = mostlyNew ? "D:\\New" : "D:\\Old";
        Lines items = {"x0", "x1", "x2"};
        if (!mostlyNew) {
            for (const std::string name : {"e0", "e1", "e2", "e3"})
                sandbox->MakeFolder(destination + "\\" + name);
            items.insert(items.begin(), {"e0", "e1", "e2", "e3"});
        }
        controls().lstVol02IncludeStrings->Clear();
        Plan(destination, items);
        testsupport::BeforeCreationOf("x1", [](const std::string& host) {
            std::filesystem::create_directory(host);
            std::ofstream(host + "/mine.txt") << "the other program's";
        });
        CreateToTheEnd();
        EXPECT_EQ(Items(page->ResultLists().Created.Folders),
                  (Lines{destination + "\\x0", destination + "\\x2"}));
        EXPECT_EQ(stat().lstStat02FoldersExists->Items().back(), destination + "\\x1");

        ExpectBoxes({"0029?", "0031"});
        Undo();
        EXPECT_EQ(sandbox->Read(destination + "\\x1\\mine.txt"), "the other program's");
        EXPECT_FALSE(sandbox->Exists(destination + "\\x0"));
        EXPECT_FALSE(sandbox->Exists(destination + "\\x2"));
    }
}

// Runs that attach the structure D:\S, each case into a destination of its
// own (D:\W0, D:\W1 ...); what another program was arranged to do and did
// not is forgotten at the end.
class StringsForeignFolderTest : public StringsPageTest {
protected:
    ~StringsForeignFolderTest() override { testsupport::NoForeignCreation(); }
    std::string PlanAttachingTo(const Lines& items) {
        const std::string destination = "D:\\W" + std::to_string(destinations_++);
        sandbox->MakeFolder(destination);
        controls().lstVol02IncludeStrings->Clear();
        controls().lstVol02AddFolderStructure->Clear();
        Plan(destination, items, {"D:\\S"}, controls().rdoVol02AttachMainFolderWithFiles);
        return destination;
    }
    int destinations_ = 0;
};

// Another program takes the run's new folder away at once after the creation
// call made it and puts a folder of its own, with its files, under the name,
// before the run reads the new folder back. The watch on the destination
// tells it: that folder is an existing one, gets nothing attached, and Undo
// leaves it with everything in it.
TEST_F(StringsForeignFolderTest, AFolderSwappedInJustAfterTheCreationIsExistingAndNotUndone) {
    struct Case {
        const char* how;
        std::function<void(const std::string& host)> takeAway;
        bool madeInPlace; // the other program's folder is made under the name, not moved there
    };
    const Case cases[] = {
        {"moved away, another moved in", [](const std::string& host) { fs::rename(host, host + "-away"); },
         false},
        {"moved away, another made", [](const std::string& host) { fs::rename(host, host + "-away"); }, true},
        {"removed, another made", [](const std::string& host) { fs::remove(host); }, true},
        {"another moved over it", [](const std::string&) {}, false},
    };
    sandbox->MakeFile("D:\\S\\s.txt", "structure");
    for (const Case& test : cases) {
        SCOPED_TRACE(test.how);
        const std::string destination = PlanAttachingTo({"x0", "x1", "x2", "x3"});
        testsupport::AfterCreationOf("x2", [&test](const std::string& host) {
            test.takeAway(host);
            const std::string theirs = test.madeInPlace ? host : host + "-theirs";
            fs::create_directory(theirs);
            std::ofstream(theirs + "/mine.txt") << "the other program's";
            if (!test.madeInPlace)
                fs::rename(theirs, host);
        });
        CreateToTheEnd();
        EXPECT_EQ(Items(page->ResultLists().Created.Folders),
                  (Lines{destination + "\\x0", destination + "\\x1", destination + "\\x3"}));
        EXPECT_EQ(stat().lstStat02FoldersExists->Items(), Lines{destination + "\\x2"});
        EXPECT_FALSE(sandbox->Exists(destination + "\\x2\\S"));

        ExpectBoxes({"0029?", "0031"});
        Undo();
        EXPECT_EQ(sandbox->Read(destination + "\\x2\\mine.txt"), "the other program's");
        EXPECT_FALSE(sandbox->Exists(destination + "\\x3"));
    }
}

// Another program puts a link (or a file) where a structure's own folder goes
// in the new folder just before the run's creation call makes it: that
// folder cannot be made, all of the structure counts under other reasons, and
// nothing is written through the link.
TEST_F(StringsForeignFolderTest, ALinkPutWhereTheStructureFolderGoesAtItsCreationIsNotWrittenThrough) {
    sandbox->MakeFile("D:\\S\\s.txt", "12");
    sandbox->MakeFile("D:\\S\\X\\x.txt", "3456");
    struct Case {
        const char* what;
        std::function<void(const std::string& host)> putThere;
    };
    const Case cases[] = {
        {"a link to a folder elsewhere",
         [this](const std::string& host) {
             fs::create_directory_symlink(sandbox->Host("D:\\W0\\Person"), host);
         }},
        {"a link to nothing", [](const std::string& host) { fs::create_symlink("gone", host); }},
        {"a file", [](const std::string& host) { std::ofstream(host) << "the other program's"; }},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const std::string destination = PlanAttachingTo({"n"});
        sandbox->MakeFolder(destination + "\\Person");
        testsupport::BeforeCreationOf("S", test.putThere);
        CreateToTheEnd();
        EXPECT_EQ(Row(page->Counters().Created), (std::vector<double>{1, 0, 0, 0}));
        EXPECT_EQ(Row(page->Counters().Other), (std::vector<double>{0, 2, 2, 6}));
        EXPECT_TRUE(fs::is_empty(sandbox->Host(destination + "\\Person")));
        EXPECT_FALSE(fs::is_directory(fs::symlink_status(sandbox->Host(destination + "\\n\\S"))));
    }
}
