// The copy page notes each file and folder as it makes it: what the person
// puts in their place while the run still copies the rest of the structure
// is the person's, and Undo leaves it and names it.

#include "ui_TfrmStatistic08.h"
#include "ui_Vol08CopyPage.h"

#include "CopyPageFixture.h"

#include "support/ForeignCreation.h"

#include <filesystem>
#include <fstream>

using namespace copytests;
namespace fs = std::filesystem;

// Mended: the identities of files copied into a folder that was there, and
// of folders made by their whole path, were read only once the whole
// structure was copied.
TEST_F(CopyPageTest, WhatThePersonReplacesWhileTheStructureIsCopiedIsLeft) {
    struct Disarm {
        ~Disarm() { testsupport::NoForeignCreation(); }
    } disarm;
    sandbox->MakeFolder("C:\\T\\S");
    Plan({"C:\\T"}, "D:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    // By the time the walk makes X\Y, it has copied a.txt and made X.
    testsupport::BeforeCreationOf("Y", [this](const std::string&) {
        const std::string file = sandbox->Host("C:\\T\\S\\a.txt");
        fs::remove(file);
        std::ofstream(file) << std::string(100, 'a');
        fs::rename(sandbox->Host("C:\\T\\S\\X"), sandbox->Host("C:\\T\\Parked"));
        sandbox->MakeFile("C:\\T\\S\\X\\mine.txt", "the person's");
    });
    Copy();
    Undo({"0291?", "0292", "0293"});
    EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].text,
              "The program is unable to delete the following folders (and their contents), and/or separate "
              "files : \n\nOTHER REASONS   : \n\nC:\\T\\S\\X\nC:\\T\\S\\a.txt\n");
    EXPECT_EQ(sandbox->Read("C:\\T\\S\\a.txt"), std::string(100, 'a'));
    EXPECT_EQ(sandbox->Read("C:\\T\\S\\X\\mine.txt"), "the person's");
}

// Mended: a subfolder the walk found missing and then created by its whole
// path counted as made when another program's folder had arrived under its
// name meanwhile, and Undo emptied and removed that folder.
TEST_F(CopyPageTest, ASubfolderAnotherProgramMadeJustBeforeTheCreationIsNotUndone) {
    struct Disarm {
        ~Disarm() { testsupport::NoForeignCreation(); }
    } disarm;
    // X is there already, so the walk looks before it creates below it.
    sandbox->MakeFolder("C:\\T\\S\\X");
    Plan({"C:\\T"}, "D:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    testsupport::BeforeCreationOf("Y", [](const std::string& host) {
        fs::create_directory(host);
        std::ofstream(host + "/mine.txt") << "the other program's";
    });
    Copy();
    EXPECT_EQ(sandbox->Read("C:\\T\\S\\X\\Y\\c.doc"), std::string(100, 'c'));
    Undo();
    EXPECT_EQ(sandbox->Read("C:\\T\\S\\X\\Y\\mine.txt"), "the other program's");
    EXPECT_FALSE(sandbox->Exists("C:\\T\\S\\X\\Y\\c.doc"));
    EXPECT_FALSE(sandbox->Exists("C:\\T\\S\\a.txt"));
}
