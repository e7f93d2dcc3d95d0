// The copy run and its simulation where they used to go wrong: structures
// that are, hold or lie in an Include folder, lines naming one folder, what
// could not be copied, what only an unprivileged user meets, a run with
// nothing to do, and the level builder's root that is no folder.

#include "ui_TfrmStatistic08.h"
#include "ui_Vol08CopyPage.h"

#include "CopyPageFixture.h"

#include "support/ForeignCreation.h"
#include "support/PermissionsAsAUser.h"
#include "ui/ComboBox.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

using namespace copytests;
using ui::Answer;
namespace fs = std::filesystem;

class CopyRunTest : public CopyPageTest {
protected:
    void SetUp() override {
        CopyPageTest::SetUp();
        // A structure on C: that Include folders can lie in.
        sandbox->MakeFile("C:\\S\\a.txt", std::string(10, 'a'));
        sandbox->MakeFile("C:\\S\\sub\\b.txt", std::string(20, 'b'));
        sandbox->MakeFolder("C:\\S\\sub\\deep");
    }
    // Every entry below `folder`, links not followed.
    std::set<std::string> Entries(const std::string& folder) const {
        std::set<std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(sandbox->Host(folder)))
            entries.insert(entry.path().string());
        return entries;
    }
    void SimulateRefused() {
        ExpectBoxes({"0289?", "0265", "0266"});
        Click(controls().btnVol08CopyFoldersSimulation);
    }
    void CopyRefused() {
        ExpectBoxes({"0284?", "0285", "0286"});
        Click(controls().btnVol08CopyFolders);
    }
    std::vector<QRadioButton*> Modes() {
        return {controls().rdoVol08AttachMainFolderWithFiles, controls().rdoVol08AttachMainFolderWithoutFiles,
                controls().rdoVol08AttachSubFoldersOnlyWithFiles,
                controls().rdoVol08AttachSubFoldersOnlyWithoutFiles};
    }
};

// The structure is the Include folder, holds it or lies in it, however the
// two are written or reached: refused in every mode, by the simulation and
// the run alike, and nothing is written.
TEST_F(CopyRunTest, AStructureThatIsHoldsOrLiesInTheFolderIsRefused) {
    fs::create_directory_symlink(sandbox->Host("C:\\S\\sub"), sandbox->Host("C:\\LinkToSub"));
    fs::create_directory_symlink(sandbox->Host("C:\\S"), sandbox->Host("C:\\LinkToS"));
    struct Case {
        std::string include;
        std::string structure;
        std::string listed; // the folder as the run names it
    };
    const Case cases[] = {
        {"C:\\S\\sub", "C:\\S", "C:\\S\\sub"},
        {"C:\\s\\SUB\\", "C:\\S", "C:\\s\\SUB"},
        {"C:\\LinkToSub", "C:\\S", "C:\\LinkToSub"},
        {"C:\\S\\sub", "C:\\LinkToS", "C:\\S\\sub"},
        {"C:\\S\\sub", "C:\\", "C:\\S\\sub"},
        {"C:\\S", "C:\\S\\sub", "C:\\S"},
        {"C:\\S", "c:/s/", "C:\\S"},
    };
    const std::set<std::string> before = Entries("C:\\S");
    for (const Case& c : cases) {
        for (QRadioButton* mode : Modes()) {
            const std::string what =
                c.include + " <- " + c.structure + " " + mode->objectName().toStdString();
            controls().lstVol08IncludeFolderList->Clear();
            controls().lstVol08AddFolderStructure->Clear();
            Plan({c.include}, c.structure, mode);
            const CounterRow toCopy = page->CopyCounters().ToCreate;
            const std::vector<double> notCopied = {0, toCopy.SubFolders, toCopy.Files, toCopy.FilesSize};
            SimulateRefused();
            EXPECT_EQ(Row(page->CopyCounters().Other), notCopied) << what;
            CopyRefused();
            EXPECT_EQ(Row(page->CopyCounters().Created), (std::vector<double>{0, 0, 0, 0})) << what;
            EXPECT_EQ(Row(page->CopyCounters().Other), notCopied) << what;
            EXPECT_EQ(page->RefusedFolders(), std::deque<std::string>{c.listed}) << what;
            EXPECT_EQ(Entries("C:\\S"), before) << what;
        }
    }
    EXPECT_TRUE(desktop->AllUsed());
}

// Seven spellings of one folder: copied into once, counted and listed once,
// and its space needed once.
TEST_F(CopyRunTest, LinesNamingOneFolderAreCopiedIntoOnce) {
    sandbox->MakeFolder("C:\\T");
    Include({"C:\\T", "C:\\T\\", "c:\\t", " C:\\T ", "C:/T", "C:\\\\T", "C:\\T\\."});
    Structure("D:\\S");
    Mode(controls().rdoVol08AttachMainFolderWithFiles);
    platform::SetFreeSpaceOverride('C', 300);
    Refresh();
    EXPECT_EQ(Row(page->CopyCounters().ToCreate), (std::vector<double>{1, 3, 3, 300}));
    ASSERT_EQ(page->SumVol08DriveNeeds().size(), 1u);
    EXPECT_EQ(page->SumVol08DriveNeeds()[0].bytes, 300u);
    Simulate();
    EXPECT_EQ(Row(page->CopyCounters().Created), (std::vector<double>{1, 3, 3, 300}));
    EXPECT_EQ(Row(page->CopyCounters().Exists), (std::vector<double>{0, 0, 0, 0}));
    Copy();
    EXPECT_EQ(Row(page->CopyCounters().Created), (std::vector<double>{1, 3, 3, 300}));
    EXPECT_EQ(Row(page->CopyCounters().Exists), (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(frmStatistic08->Controls().lstStat08FoldersCopied->Items(), Lines{"C:\\T"});
    EXPECT_TRUE(frmStatistic08->Controls().lstStat08FilesExists->Items().empty());
    EXPECT_TRUE(desktop->AllUsed());
}

// A refused folder is never counted or listed as copied; the folders beside
// it are copied into as usual.
TEST_F(CopyRunTest, ARefusedFolderCountsAsNotCopied) {
    sandbox->MakeFolder("C:\\T");
    Plan({"C:\\S\\sub", "C:\\T"}, "C:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    CopyRefused();
    const CreationCounters& counters = page->CopyCounters();
    EXPECT_EQ(Row(counters.Created), (std::vector<double>{1, 3, 2, 30}));
    EXPECT_EQ(Row(counters.Other), (std::vector<double>{0, 3, 2, 30}));
    EXPECT_EQ(frmStatistic08->Controls().lstStat08FoldersCopied->Items(), Lines{"C:\\T"});
    EXPECT_TRUE(frmStatistic08->Controls().lstStat08FoldersNotExists->Items().empty());
    EXPECT_NE(desktop->LastBox().text.find(
                  "\n1 folder(s) where a Folder Structure is, holds or lies in the folder:\nC:\\S\\sub"),
              std::string::npos);
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Warning);
}

// What could not be copied is named apart from the Include folders that do
// not exist, by the simulation as by the run; the not-exists list, which
// Smart Export hands on as folders, holds only the missing folder.
TEST_F(CopyRunTest, WhatCouldNotBeCopiedIsKeptApartFromMissingFolders) {
    sandbox->MakeFile("C:\\T\\S\\X", "in the way"); // a file where a subfolder goes
    Plan({"C:\\T", "C:\\Missing"}, "D:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    const std::deque<std::string> failed = {"C:\\T\\S\\X", "C:\\T\\S\\X\\b.txt", "C:\\T\\S\\X\\Y",
                                            "C:\\T\\S\\X\\Y\\c.doc"};
    Simulate();
    EXPECT_EQ(page->NotCopied(), failed);
    const std::string simulated = desktop->LastBox().text;
    Copy();
    EXPECT_EQ(page->NotCopied(), failed);
    EXPECT_EQ(Row(page->CopyCounters().Other), (std::vector<double>{1, 2, 2, 200}));
    EXPECT_EQ(frmStatistic08->Controls().lstStat08FoldersNotExists->Items(), Lines{"C:\\Missing"});
    const std::string names = "\nC:\\T\\S\\X\nC:\\T\\S\\X\\b.txt\nC:\\T\\S\\X\\Y\nC:\\T\\S\\X\\Y\\c.doc";
    EXPECT_EQ(desktop->LastBox().text,
              "End of Copying Folders/Files !!!\n2 subfolder(s) and 2 file(s) could not be copied." + names);
    EXPECT_EQ(simulated, "End of Simulating the Copy of Folders/Files !!!\n2 subfolder(s) and 2 file(s) "
                         "could not be copied by a run." +
                             names);
}

// A folder into which every copy failed is not counted or listed as copied
// into, by the simulation as by the run; the folder beside it is.
TEST_F(CopyRunTest, AFolderWhereEveryCopyFailedIsNotCopiedInto) {
    sandbox->MakeFile("C:\\T\\X", "in the way"); // X and X\Y cannot be made
    sandbox->MakeFolder("C:\\U");
    Plan({"C:\\T", "C:\\U"}, "D:\\S", controls().rdoVol08AttachSubFoldersOnlyWithoutFiles);
    const auto& copiedInto = *frmStatistic08->Controls().lstStat08FoldersCopied;
    Simulate();
    EXPECT_EQ(Row(page->CopyCounters().Created), (std::vector<double>{1, 2, 0, 0}));
    EXPECT_EQ(copiedInto.Items(), Lines{"C:\\U"});
    Copy();
    EXPECT_EQ(Row(page->CopyCounters().Created), (std::vector<double>{1, 2, 0, 0}));
    EXPECT_EQ(Row(page->CopyCounters().Other), (std::vector<double>{0, 2, 0, 0}));
    EXPECT_EQ(copiedInto.Items(), Lines{"C:\\U"});
    EXPECT_TRUE(desktop->AllUsed());
}

// Only an unprivileged user meets what may not be read or written: the
// simulation foresees each refusal the run then meets, and the pre-count
// counts a folder it cannot read as the run does.
TEST_F(CopyRunTest, TheSimulationForeseesWhatTheRunIsRefused) {
    sandbox->MakeFile("D:\\S\\locked.txt", "secret");
    sandbox->MakeFile("D:\\S\\closed\\inner.txt", "inner");
    sandbox->MakeFolder("C:\\T");
    sandbox->MakeFolder("C:\\U");
    fs::permissions(sandbox->Host("D:\\S\\locked.txt"), fs::perms::none);
    fs::permissions(sandbox->Host("D:\\S\\closed"), fs::perms::none);
    fs::permissions(sandbox->Host("C:\\T"), fs::perms::all);
    // Nobody may write into C:\U, its owner included, whoever runs the test.
    fs::permissions(sandbox->Host("C:\\U"), fs::perms::owner_read | fs::perms::owner_exec |
                                                fs::perms::others_read | fs::perms::others_exec);
    Include({"C:\\T", "C:\\U"});
    Structure("D:\\S");
    Mode(controls().rdoVol08AttachMainFolderWithFiles);

    // Mismatches as text, so that a child process can report them.
    const auto check = [this] {
        std::ostringstream out;
        const auto expect = [&out](bool holds, const std::string& what) {
            if (!holds)
                out << what << "\n";
        };
        Refresh();
        const CounterRow toCopy = page->CopyCounters().ToCreate;
        // S, X, Y and the closed folder; four files of which one is locked.
        expect(toCopy.SubFolders == 8 && toCopy.Files == 8, "to copy: " + std::to_string(toCopy.SubFolders) +
                                                                " subfolders, " +
                                                                std::to_string(toCopy.Files) + " files");
        Simulate();
        const CreationCounters simulated = page->CopyCounters();
        const std::deque<std::string> simulatedNames = page->NotCopied();
        Copy();
        const CreationCounters& run = page->CopyCounters();
        expect(Row(run.Created) == Row(simulated.Created), "created differs");
        expect(Row(run.Exists) == Row(simulated.Exists), "exists differs");
        expect(Row(run.Other) == Row(simulated.Other), "other differs");
        expect(page->NotCopied() == simulatedNames, "names differ");
        // C:\T: all but the locked file and the closed folder; C:\U: nothing
        // can be made, its top folder included, which is named and counted,
        // so it is not copied into.
        const std::vector<double> created = Row(run.Created);
        expect(created == std::vector<double>{1, 3, 3, 300},
               "created " + std::to_string(created[0]) + "/" + std::to_string(created[1]) + "/" +
                   std::to_string(created[2]) + "/" + std::to_string(created[3]));
        const std::deque<std::string> names = {
            "C:\\T\\S\\closed", "C:\\T\\S\\locked.txt", "C:\\U\\S",    "C:\\U\\S\\a.txt",
            "C:\\U\\S\\closed", "C:\\U\\S\\locked.txt", "C:\\U\\S\\X", "C:\\U\\S\\X\\b.txt",
            "C:\\U\\S\\X\\Y",   "C:\\U\\S\\X\\Y\\c.doc"};
        std::ostringstream shown;
        for (const std::string& name : page->NotCopied())
            shown << name << ";";
        expect(page->NotCopied() == names, "not copied: " + shown.str());
        expect(!fs::exists(sandbox->Host("C:\\T\\S\\closed")), "an unreadable folder was copied empty");
        return out.str();
    };
    if (geteuid() != 0) {
        EXPECT_EQ(check(), "");
        return;
    }
    // Permissions do not bind the super-user: run as nobody in a child
    // process, through folders nobody may pass; the child tells its
    // mismatches through a pipe.
    fs::permissions(fs::path(sandbox->HostRoot('C')).parent_path(),
                    fs::perms::owner_all | fs::perms::others_exec);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    EXPECT_EXIT(
        {
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(2);
            const std::string mismatches = check();
            const bool told = write(pipeEnds[1], mismatches.data(), mismatches.size()) ==
                              static_cast<ssize_t>(mismatches.size());
            _exit(told ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
    close(pipeEnds[1]);
    std::string mismatches;
    char buffer[512];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        mismatches.append(buffer, static_cast<size_t>(got));
    close(pipeEnds[0]);
    EXPECT_EQ(mismatches, "");
}

// A structure folder that may be listed but not entered, and the top folder
// of a structure that cannot be made in an Include folder nobody may write
// into: neither is copied, each is named and counted as not copied, and the
// pre-count, the simulation and the run account for every subfolder alike.
TEST_F(CopyRunTest, WhatAUserCannotEnterOrWriteIsCountedAsNotCopied) {
    testsupport::PermissionsAsAUser asUser;
    ASSERT_TRUE(asUser.Active()) << "file permissions cannot be made to hold for this process";
    sandbox->MakeFile("D:\\R\\ok.txt", "ok");
    sandbox->MakeFile("D:\\R\\listed\\f.txt", "f");
    sandbox->MakeFolder("D:\\R\\listed\\inner");
    sandbox->MakeFolder("C:\\T");
    sandbox->MakeFolder("C:\\ReadOnly");
    fs::permissions(sandbox->Host("D:\\R\\listed"), fs::perms::owner_read);
    fs::permissions(sandbox->Host("C:\\ReadOnly"), fs::perms::owner_read | fs::perms::owner_exec);
    Plan({"C:\\T", "C:\\ReadOnly"}, "D:\\R", controls().rdoVol08AttachMainFolderWithFiles);
    // R and the folder that cannot be entered, in each of the two folders.
    const CounterRow toCopy = page->CopyCounters().ToCreate;
    EXPECT_EQ(toCopy.SubFolders, 4);
    EXPECT_EQ(toCopy.Files, 2);

    Simulate();
    const CreationCounters simulated = page->CopyCounters();
    const std::deque<std::string> simulatedNames = page->NotCopied();
    Copy();
    const CreationCounters& run = page->CopyCounters();
    const std::deque<std::string> names = {"C:\\T\\R\\listed", "C:\\ReadOnly\\R", "C:\\ReadOnly\\R\\listed",
                                           "C:\\ReadOnly\\R\\ok.txt"};
    EXPECT_EQ(page->NotCopied(), names);
    EXPECT_EQ(simulatedNames, names);
    EXPECT_EQ(Row(run.Created), (std::vector<double>{1, 1, 1, 2}));
    EXPECT_EQ(Row(run.Other), (std::vector<double>{0, 3, 1, 2}));
    EXPECT_EQ(Row(simulated.Created), Row(run.Created));
    EXPECT_EQ(Row(simulated.Other), Row(run.Other));
    EXPECT_EQ(run.Created.SubFolders + run.Exists.SubFolders + run.Other.SubFolders, toCopy.SubFolders);
    EXPECT_FALSE(fs::exists(sandbox->Host("C:\\T\\R\\listed")));
    EXPECT_FALSE(fs::exists(sandbox->Host("C:\\ReadOnly\\R")));
}

// Copy and Simulation with only lines without a drive: told, not silent.
TEST_F(CopyRunTest, ARunWithNothingToDoSaysSo) {
    Include({"NoDrive", "Other"});
    Structure("D:\\S");
    Refresh();
    ASSERT_TRUE(controls().btnVol08CopyFolders->isEnabled());
    desktop->ExpectBox("0279");
    controls().btnVol08CopyFolders->click();
    EXPECT_EQ(desktop->LastBox().caption,
              "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0279.");
    desktop->ExpectBox("0267");
    controls().btnVol08CopyFoldersSimulation->click();
    EXPECT_EQ(desktop->LastBox().text, "There is no Folder with a drive letter in the Include List !\nAction "
                                       ": You must add at least one Folder with a drive letter.");
    EXPECT_TRUE(desktop->AllUsed());
}

// The level builder's root names no folder: no input folder, box 0260.
TEST_F(CopyRunTest, BuildingFromARootThatIsNoFolderShows0260) {
    controls().cboVol08LevelDestFolder->SetText("C:\\Nowhere");
    desktop->ExpectBox("0260");
    page->LevelBuilder().btnMakeListClick();
    EXPECT_EQ(desktop->LastBox().caption,
              "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0260.");
    EXPECT_EQ(desktop->LastBox().text,
              "The selection field is empty !\nAction : You must select a destination folder.");
    EXPECT_EQ(controls().lstVol08IncludeFolderList->Count(), 0);
    EXPECT_TRUE(desktop->AllUsed());
}

// An Include folder deleted while the run works on the ones before it counts
// as missing when the run reaches it, as one missing at the start does: it is
// not made again to copy into.
TEST_F(CopyRunTest, AnIncludeFolderDeletedDuringTheRunCountsAsMissing) {
    sandbox->MakeFolder("C:\\T1");
    sandbox->MakeFolder("C:\\T2");
    Plan({"C:\\T1", "C:\\T2"}, "D:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    desktop->OnProcessMessages([&] {
        if (sandbox->Exists("C:\\T1\\S") && sandbox->Exists("C:\\T2"))
            fs::remove_all(sandbox->Host("C:\\T2"));
    });
    Copy();
    desktop->OnProcessMessages({});
    EXPECT_FALSE(sandbox->Exists("C:\\T2"));
    EXPECT_EQ(Row(page->CopyCounters().Created), (std::vector<double>{1, 3, 3, 300}));
    EXPECT_EQ(page->CopyCounters().Other.Folders, 1);
    EXPECT_EQ(frmStatistic08->Controls().lstStat08FoldersNotExists->Items(), Lines{"C:\\T2"});
    EXPECT_EQ(page->CopyUndoFolders(),
              (std::deque<std::string>{"C:\\T1\\S", "C:\\T1\\S\\X", "C:\\T1\\S\\X\\Y"}));
    EXPECT_TRUE(desktop->AllUsed());
}

// A link where the structure's own folder goes, to a folder of the structure
// or elsewhere, or a file there, found before the run or put there by another
// program just before the run's creation call makes the folder: refused in
// the simulation and the run, named in the end box as one found before the
// run, and nothing is written through it.
TEST_F(CopyRunTest, ALinkWhereTheStructureFolderGoesIsRefused) {
    struct Disarm {
        ~Disarm() { testsupport::NoForeignCreation(); }
    } disarm;
    const auto linkTo = [this](const std::string& folder) {
        return [this, folder](const std::string& host) {
            fs::create_directory_symlink(sandbox->Host(folder), host);
        };
    };
    const struct {
        const char* what;
        bool atItsCreation;
        std::function<void(const std::string& host)> putThere;
    } cases[] = {
        {"a link to a folder of the structure", false, linkTo("C:\\S\\sub")},
        {"a link to a folder elsewhere", false, linkTo("C:\\Elsewhere")},
        {"a link to a folder of the structure, at its creation", true, linkTo("C:\\S\\sub")},
        {"a link to a folder elsewhere, at its creation", true, linkTo("C:\\Elsewhere")},
        {"a link to nothing, at its creation", true,
         [](const std::string& host) { fs::create_symlink("gone", host); }},
        {"a file, at its creation", true,
         [](const std::string& host) { std::ofstream(host) << "the other program's"; }},
    };
    sandbox->MakeFolder("C:\\Elsewhere");
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        sandbox->MakeFolder("C:\\T");
        if (!test.atItsCreation)
            test.putThere(sandbox->Host("C:\\T\\S"));
        const std::set<std::string> structure = Entries("C:\\S");
        controls().lstVol08IncludeFolderList->Clear();
        controls().lstVol08AddFolderStructure->Clear();
        Plan({"C:\\T"}, "C:\\S", controls().rdoVol08AttachMainFolderWithFiles);
        const CounterRow toCopy = page->CopyCounters().ToCreate;
        const std::vector<double> notCopied = {0, toCopy.SubFolders, toCopy.Files, toCopy.FilesSize};
        if (test.atItsCreation) {
            testsupport::BeforeCreationOf("S", test.putThere);
        } else {
            Simulate();
            EXPECT_EQ(Row(page->CopyCounters().Other), notCopied);
        }
        Copy();
        EXPECT_EQ(Row(page->CopyCounters().Created), (std::vector<double>{0, 0, 0, 0}));
        EXPECT_EQ(Row(page->CopyCounters().Other), notCopied);
        EXPECT_EQ(page->NotCopied(), std::deque<std::string>{"C:\\T\\S"});
        EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Warning);
        EXPECT_NE(desktop->LastBox().text.find("could not be copied.\nC:\\T\\S"), std::string::npos)
            << desktop->LastBox().text;
        EXPECT_EQ(Entries("C:\\S"), structure);
        EXPECT_TRUE(fs::is_empty(sandbox->Host("C:\\Elsewhere")));
        EXPECT_TRUE(fs::is_symlink(sandbox->Host("C:\\T\\S")) ||
                    fs::is_regular_file(sandbox->Host("C:\\T\\S")));
        EXPECT_TRUE(page->CopyUndoFolders().empty());
        EXPECT_TRUE(page->CopyUndoFiles().empty());
        fs::remove_all(sandbox->Host("C:\\T"));
    }
    EXPECT_TRUE(desktop->AllUsed());
}

} // namespace
