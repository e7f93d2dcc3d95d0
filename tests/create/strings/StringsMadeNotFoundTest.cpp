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

using namespace createtests;

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
