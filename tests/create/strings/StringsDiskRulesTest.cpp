// What the strings page's run, simulation and undo make of links, names no
// Windows path can hold, names that lead out of the destination, failed
// copies and folders changed behind the run's back.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "support/PermissionsAsAUser.h"

#include <sys/stat.h>

#include <QLineEdit>

#include <algorithm>
#include <fstream>

using namespace createtests;
using ui::Answer;
namespace fs = std::filesystem;

namespace {

std::string RowText(const CounterRow& row) {
    return std::to_string(row.Folders) + "/" + std::to_string(row.SubFolders) + "/" +
           std::to_string(row.Files) + "/" + std::to_string(row.FilesSize);
}

// The three result rows as one text, for comparing a run with its simulation.
std::string Rows(const CreationCounters& counters) {
    return "created " + RowText(counters.Created) + ", exists " + RowText(counters.Exists) + ", other " +
           RowText(counters.Other);
}

class StringsDiskRulesTest : public StringsPageTest {
protected:
    // Simulates, then runs: the simulation's rows must be the run's.
    std::string SimulateThenCreate() {
        SimulateToTheEnd();
        const std::string simulated = Rows(page->Counters());
        CreateToTheEnd();
        const std::string created = Rows(page->Counters());
        EXPECT_EQ(simulated, created);
        return created;
    }
};

TEST_F(StringsDiskRulesTest, ADestinationLinkedIntoTheStructureIsCopiedOnce) {
    sandbox->MakeFile("D:\\S\\data.bin", std::string(100000, 'd'));
    sandbox->MakeFolder("D:\\S\\sub");
    fs::create_directory_symlink(sandbox->Host("D:\\S"), sandbox->Host("D:\\Link"));
    Plan("D:\\Link", {"x", "y"}, {"D:\\S"}, controls().rdoVol02AttachMainFolderWithFiles);
    EXPECT_EQ(SimulateThenCreate(), "created 2.000000/4.000000/2.000000/200000.000000, exists "
                                    "0.000000/0.000000/0.000000/0.000000, other "
                                    "0.000000/0.000000/0.000000/0.000000");
    EXPECT_TRUE(sandbox->Exists("D:\\S\\x\\S\\sub"));
    EXPECT_TRUE(sandbox->Exists("D:\\S\\y\\S\\data.bin"));
    EXPECT_FALSE(sandbox->Exists("D:\\S\\x\\S\\x"));
    EXPECT_FALSE(sandbox->Exists("D:\\S\\y\\S\\x"));
    EXPECT_FALSE(sandbox->Exists("D:\\S\\y\\S\\y"));
}

TEST_F(StringsDiskRulesTest, AStructureTheDiskKeepsApartFromTheNewFolderIsCopied) {
    // İzmir and izmir are two folders on the disk, so the new folder is not
    // its structure.
    sandbox->MakeFile("D:\\W\\İzmir\\f", "abc");
    Plan("D:\\W", {"izmir"}, {"D:\\W\\İzmir"}, controls().rdoVol02AttachMainFolderWithFiles);
    EXPECT_EQ(SimulateThenCreate(), "created 1.000000/1.000000/1.000000/3.000000, exists "
                                    "0.000000/0.000000/0.000000/0.000000, other "
                                    "0.000000/0.000000/0.000000/0.000000");
    EXPECT_EQ(sandbox->Read("D:\\W\\izmir\\İzmir\\f"), "abc");
}

TEST_F(StringsDiskRulesTest, LinksInAStructureAreCopiedAsLinksOfNoSize) {
    sandbox->MakeFile("D:\\T\\big.bin", std::string(5000, 't'));
    sandbox->MakeFile("D:\\S\\f.txt", "12345");
    fs::create_symlink(sandbox->Host("D:\\T\\big.bin"), sandbox->Host("D:\\S\\fileLink"));
    fs::create_directory_symlink(sandbox->Host("D:\\T"), sandbox->Host("D:\\S\\folderLink"));
    fs::create_symlink("nowhere", sandbox->Host("D:\\S\\dangling"));
    // A structure that is itself a link is a folder like any other.
    fs::create_directory_symlink(sandbox->Host("D:\\S"), sandbox->Host("D:\\SL"));
    SetDestination("D:\\Work");
    sandbox->MakeFolder("D:\\Work");
    AddItems({"a"});
    AddStructure("D:\\SL");
    Choose(controls().rdoVol02AttachSubFoldersOnlyWithFiles);
    page->CheckFreeSpace(true);
    // Four files, of which only the real one has bytes.
    EXPECT_EQ(page->GetStructureTotals().files, 4u);
    EXPECT_EQ(page->GetStructureTotals().bytes, 5u);
    EXPECT_EQ(SimulateThenCreate(), "created 1.000000/0.000000/4.000000/5.000000, exists "
                                    "0.000000/0.000000/0.000000/0.000000, other "
                                    "0.000000/0.000000/0.000000/0.000000");
    for (const char* name : {"fileLink", "folderLink", "dangling"}) {
        const fs::path copy = sandbox->Host(std::string("D:\\Work\\a\\") + name);
        EXPECT_TRUE(fs::is_symlink(copy)) << name;
        EXPECT_EQ(fs::read_symlink(copy), fs::read_symlink(sandbox->Host(std::string("D:\\S\\") + name)));
    }
    EXPECT_EQ(sandbox->Read("D:\\Work\\a\\f.txt"), "12345");

    // Without files no link is copied either.
    controls().lstVol02IncludeStrings->Clear();
    AddItems({"b"});
    Choose(controls().rdoVol02AttachSubFoldersOnlyWithoutFiles);
    EXPECT_EQ(SimulateThenCreate(), "created 1.000000/0.000000/0.000000/0.000000, exists "
                                    "0.000000/0.000000/0.000000/0.000000, other "
                                    "0.000000/0.000000/0.000000/0.000000");
    EXPECT_TRUE(fs::is_empty(sandbox->Host("D:\\Work\\b")));
}

TEST_F(StringsDiskRulesTest, NamesNoWindowsPathCanHoldAreNeverJoined) {
    sandbox->MakeFolder("D:\\S");
    fs::create_directories(sandbox->HostRoot('D') + "/S/..\\..\\escaped/inner");
    std::ofstream(sandbox->HostRoot('D') + "/S/a\\b.txt") << "xyz";
    std::ofstream(sandbox->HostRoot('D') + "/S/what?.txt") << "q";
    sandbox->MakeFile("D:\\S\\fine.txt", "ok");
    SetDestination("D:\\Work");
    sandbox->MakeFolder("D:\\Work");
    AddItems({"n"});
    AddStructure("D:\\S");
    Choose(controls().rdoVol02AttachMainFolderWithFiles);
    page->CheckFreeSpace(true);
    // The scan counts them as the walk does: one folder (not looked into), two files.
    EXPECT_EQ(page->GetStructureTotals().subfolders, 2u);
    EXPECT_EQ(page->GetStructureTotals().files, 3u);
    const std::map<std::string, long long> before = Tree();
    SimulateToTheEnd();
    const std::string simulated = Rows(page->Counters());
    CreateToTheEnd();
    EXPECT_EQ(Rows(page->Counters()), simulated);
    EXPECT_EQ(Rows(page->Counters()), "created 1.000000/1.000000/1.000000/2.000000, exists "
                                      "0.000000/0.000000/0.000000/0.000000, other "
                                      "0.000000/1.000000/2.000000/4.000000");
    // Nothing outside the new folder, and Undo leaves the disk as it was.
    for (const auto& [path, size] : Tree()) {
        if (!before.count(path)) {
            EXPECT_EQ(path.rfind("D/Work/n", 0), 0u) << path;
        }
    }
    EXPECT_EQ(stat().lstStat02FoldersOther->Count(), 3);
    ExpectBoxes({"0029?", "0031"});
    Undo();
    EXPECT_EQ(Tree(), before);
}

TEST_F(StringsDiskRulesTest, WhatCouldNotBeMadeIsCountedListedAndTold) {
    // Merged into one new folder: the first structure's file takes the name
    // the second one's folder needs; a pipe cannot be copied at all.
    sandbox->MakeFile("D:\\S1\\clash", "file");
    sandbox->MakeFile("D:\\S2\\clash\\inside.txt", "1234");
    sandbox->MakeFolder("D:\\S2\\clash\\deeper");
    ASSERT_EQ(mkfifo(sandbox->Host("D:\\S2\\pipe").c_str(), 0600), 0);
    SetDestination("D:\\Work");
    sandbox->MakeFolder("D:\\Work");
    AddItems({"m"});
    AddStructure("D:\\S1");
    AddStructure("D:\\S2");
    Choose(controls().rdoVol02AttachSubFoldersOnlyWithFiles);
    CreateToTheEnd();
    const CreationCounters& c = page->Counters();
    EXPECT_EQ(c.Created.Files, 1);
    EXPECT_EQ(c.Exists.Files, 0);
    // clash and clash\deeper; inside.txt (below a folder not made) and the pipe.
    EXPECT_EQ(c.Other.SubFolders, 2);
    EXPECT_EQ(c.Other.Files, 2);
    EXPECT_EQ(c.Other.FilesSize, 4);
    EXPECT_EQ(desktop->LastBox().text, "End of Creating Folders/Files !!!\n\nNot created (other reasons) : 2 "
                                       "subfolder(s) and 2 file(s) of the folder structures.");
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Warning);
    std::vector<std::string> other = stat().lstStat02FoldersOther->Items();
    std::sort(other.begin(), other.end());
    EXPECT_EQ(other, (Lines{"D:\\Work\\m\\clash", "D:\\Work\\m\\clash\\deeper",
                            "D:\\Work\\m\\clash\\inside.txt", "D:\\Work\\m\\pipe"}));
    EXPECT_EQ(sandbox->Read("D:\\Work\\m\\clash"), "file");
}

TEST_F(StringsDiskRulesTest, UndoNeverReachesThroughAFolderReplacedByALink) {
    Plan("D:\\Work", {"a\\b", "c"});
    CreateToTheEnd();
    sandbox->MakeFile("D:\\Work\\a\\b\\mine.txt", "run");
    // Between the run and its undo, a is moved away and replaced by a link to
    // a folder that holds a b of its own; c is replaced by another folder.
    fs::rename(sandbox->Host("D:\\Work\\a"), sandbox->Host("D:\\Moved"));
    sandbox->MakeFile("D:\\Other\\b\\keep.txt", "keep");
    fs::create_directory_symlink(sandbox->Host("D:\\Other"), sandbox->Host("D:\\Work\\a"));
    fs::rename(sandbox->Host("D:\\Work\\c"), sandbox->Host("D:\\MovedC"));
    sandbox->MakeFile("D:\\Work\\c\\new.txt", "new");
    ExpectBoxes({"0029?", "0030", "0031"});
    Undo();
    EXPECT_EQ(sandbox->Read("D:\\Other\\b\\keep.txt"), "keep");
    EXPECT_EQ(sandbox->Read("D:\\Work\\c\\new.txt"), "new");
    EXPECT_EQ(sandbox->Read("D:\\Moved\\b\\mine.txt"), "run");
    EXPECT_EQ(desktop->Boxes()[3].text, UndoLeftText({"D:\\Work\\a\\b", "D:\\Work\\c"}));
}

TEST_F(StringsDiskRulesTest, TheSimulationJudgesEachItemAsTheRunDoes) {
    sandbox->MakeFolder("D:\\Work");
    sandbox->MakeFile("D:\\Work\\file", "in the way");
    sandbox->MakeFile("D:\\S\\f.txt", "12");
    sandbox->MakeFolder("D:\\S\\sub");
    SetDestination("D:\\Work");
    const std::vector<std::string> items = {"ab:c",
                                            "x<y",
                                            "p|q",
                                            "w?",
                                            std::string(256, 'n'),
                                            "dup",
                                            "dup.",
                                            "DUP",
                                            "nul",
                                            "com1.txt",
                                            "file\\below",
                                            "file",
                                            "new\\deep",
                                            "new",
                                            "..\\escape",
                                            "a\\..\\..\\out",
                                            ".",
                                            "fine"};
    AddItems(items);
    AddStructure("D:\\S");
    Choose(controls().rdoVol02AttachMainFolderWithFiles);
    const std::map<std::string, long long> before = Tree();
    EXPECT_EQ(SimulateThenCreate(), "created 4.000000/8.000000/4.000000/8.000000, exists "
                                    "2.000000/4.000000/2.000000/4.000000, other "
                                    "12.000000/24.000000/12.000000/24.000000");
    EXPECT_FALSE(sandbox->Exists("D:\\escape"));
    EXPECT_FALSE(sandbox->Exists("D:\\out"));
    // Every new entry lies inside the destination.
    for (const auto& [path, size] : Tree()) {
        if (!before.count(path)) {
            EXPECT_EQ(path.rfind("D/Work/", 0), 0u) << path;
        }
    }
}

TEST_F(StringsDiskRulesTest, ADriveRootStructureHasNoTopFolderAnywhere) {
    sandbox->MakeFolder("C:\\top");
    sandbox->MakeFile("C:\\top\\t.txt", "t");
    sandbox->MakeFolder("D:\\Work");
    Plan("D:\\Work", {"r"}, {"C:\\"}, controls().rdoVol02AttachMainFolderWithFiles);
    page->CheckFreeSpace(true);
    EXPECT_EQ(page->Counters().ToCreate.SubFolders, 1);
    EXPECT_EQ(SimulateThenCreate(), "created 1.000000/1.000000/1.000000/1.000000, exists "
                                    "0.000000/0.000000/0.000000/0.000000, other "
                                    "0.000000/0.000000/0.000000/0.000000");
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\r\\top\\t.txt"));
}

TEST_F(StringsDiskRulesTest, AnItemThatLeadsOutIsRefusedWhenTyped) {
    struct Case {
        const char* typed;
        bool refused;
        const char* left;
    };
    const Case cases[] = {
        {"..\\escape", true, ""}, {"a\\..\\..\\b", true, "a\\"}, {"...\\x", false, ""},
        {"a\\..\\b", false, ""},  {"a..b", false, ""},           {"a\\b..", false, ""},
    };
    for (const Case& c : cases) {
        controls().edtVol02AddToList->setText(c.typed);
        if (c.refused)
            desktop->ExpectBox("0008");
        controls().btnVol02AddToList->click();
        if (c.refused) {
            EXPECT_EQ(desktop->LastBox().text, "Illegal character in the Text : ..") << c.typed;
            EXPECT_EQ(controls().edtVol02AddToList->text().toStdString(), c.left) << c.typed;
        }
        EXPECT_EQ(controls().lstVol02IncludeStrings->Contains(c.typed), !c.refused) << c.typed;
    }
    EXPECT_TRUE(desktop->AllUsed());
}

// A subfolder of a structure that the person may not enter is one subfolder
// the run meets and counts as not created: the plan counts it so, never as a
// file, and plans exactly what the run then counts.
TEST_F(StringsDiskRulesTest, AFolderTheUserCannotEnterIsPlannedAsTheSubfolderTheRunMeets) {
    testsupport::PermissionsAsAUser asUser;
    ASSERT_TRUE(asUser.Active()) << "file permissions cannot be made to hold for this process";
    using P = fs::perms;
    const P readOnly = P::owner_read | P::group_read | P::others_read;
    const P writeOnly = P::owner_write | P::group_write | P::others_write;
    QRadioButton* mainFolder = controls().rdoVol02AttachMainFolderWithFiles;
    struct Case {
        P closed;
        QRadioButton* mode;
        bool withFiles;
        std::vector<double> toCreate;
    };
    const Case cases[] = {
        {P::none, mainFolder, true, {1, 2, 1, 5}},
        {readOnly, mainFolder, true, {1, 2, 1, 5}},
        {writeOnly, mainFolder, true, {1, 2, 1, 5}},
        {P::none, controls().rdoVol02AttachSubFoldersOnlyWithFiles, true, {1, 1, 1, 5}},
        {P::owner_read, controls().rdoVol02AttachMainFolderWithoutFiles, false, {1, 2, 0, 0}},
    };
    int index = 0;
    for (const Case& test : cases) {
        const std::string structure = "D:\\S" + std::to_string(index++);
        SCOPED_TRACE(structure);
        sandbox->MakeFile(structure + "\\top.txt", "12345");
        sandbox->MakeFile(structure + "\\Closed\\inner.txt", "abc");
        fs::permissions(sandbox->Host(structure + "\\Closed"), test.closed);
        controls().lstVol02IncludeStrings->Clear();
        controls().lstVol02AddFolderStructure->Clear();
        Plan("D:\\Work", {"n" + structure.substr(3)}, {structure}, test.mode);
        page->CheckFreeSpace(test.withFiles);
        CreateToTheEnd();
        const CreationCounters& c = page->Counters();
        EXPECT_EQ(Row(c.ToCreate), test.toCreate);
        EXPECT_EQ(c.Other.SubFolders, 1);
        EXPECT_EQ(c.Created.SubFolders + c.Exists.SubFolders + c.Other.SubFolders, c.ToCreate.SubFolders);
        EXPECT_EQ(c.Created.Files + c.Exists.Files + c.Other.Files, c.ToCreate.Files);
        EXPECT_EQ(c.Created.FilesSize + c.Exists.FilesSize + c.Other.FilesSize, c.ToCreate.FilesSize);
    }
}

} // namespace
