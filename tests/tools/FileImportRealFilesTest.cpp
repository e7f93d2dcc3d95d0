// The import window with the files people really have: marked and unmarked
// UTF-8, UTF-16, Windows text, and names that are no files at all; the
// column box and the line counters; the tutorial page from any folder.

#include "common/SettingLists.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/LocalTutorialPage.h"
#include "tools/TfrmFileImport.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_TfrmFileImport.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;
using ui::Answer;
using Lines = std::vector<std::string>;

namespace {

class FileImportRealFilesTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        sandbox = std::make_unique<DriveSandbox>("CD");
        c().btnFileImportClear->click();
    }
    void TearDown() override {
        c().btnFileImportClear->click();
        sandbox.reset();
    }
    Ui::TfrmFileImport& c() { return frmFileImport->Controls(); }

    void Browse(const std::string& file, const std::vector<std::string>& boxes = {"0450"}) {
        desktop.ExpectOpenFile(file);
        for (const std::string& number : boxes)
            desktop.ExpectBox(number);
        c().btnFileImportBrowse->click();
    }
    void Preview(const std::vector<std::string>& boxes = {"0451"}) {
        for (const std::string& number : boxes)
            desktop.ExpectBox(number);
        ASSERT_TRUE(c().btnFileImportFrom->isEnabled());
        c().btnFileImportFrom->click();
    }
    void ChooseSeparated(const std::string& delimiter) {
        c().rdoFileImportSeparatedFile->click();
        ui::ComboBox& combo = *c().cboFileImportDelimiter;
        combo.SetItemIndex(combo.IndexOf(delimiter));
    }
    Lines Results() { return c().lstFileImportResults->Items(); }
    std::string Text(QLabel* label) { return label->text().toStdString(); }

    std::unique_ptr<DriveSandbox> sandbox;
    ScriptedDesktop desktop;
};

TEST_F(FileImportRealFilesTest, AByteOrderMarkIsNotPartOfTheFirstItem) {
    sandbox->MakeFile("D:\\people.txt", "\xEF\xBB\xBF\"Smith, John\",Berlin\r\n\"Doe, Jane\",Paris\r\n");
    Browse("D:\\people.txt");
    EXPECT_EQ(c().lstFileImportSource->Text(0), "\"Smith, John\",Berlin");
    ChooseSeparated(",");
    Preview();
    EXPECT_EQ(Results(), (Lines{"Smith, John", "Berlin", "Doe, Jane", "Paris"}));

    // The first item compares like every other one.
    sandbox->MakeFile("D:\\names.txt", "\xEF\xBB\xBF"
                                       "Alpha\r\nBeta\r\nalpha\r\n");
    Browse("D:\\names.txt");
    Preview();
    EXPECT_EQ(Results(), (Lines{"Alpha", "Beta"}));

    // A file written by Notepad as "Unicode".
    sandbox->MakeFile("D:\\unicode.txt", std::string("\xFF\xFE"
                                                     "A\0l\0p\0h\0a\0\r\0\n\0\xFC\0",
                                                     18));
    Browse("D:\\unicode.txt");
    Preview();
    EXPECT_EQ(Results(), (Lines{"Alpha", "\xC3\xBC"}));
}

TEST_F(FileImportRealFilesTest, WindowsTextIsReadAsItsCodePage) {
    sandbox->MakeFile("D:\\old.txt", "M\xFCller\r\n\x80 Stra\xDF"
                                     "e\r\n" +
                                         std::string(2047, 'a') +
                                         "\xFC"
                                         "b\r\n");
    Browse("D:\\old.txt");
    // The umlaut of the long line would fall across the 2048-byte limit in
    // UTF-8: the line is cut before it.
    EXPECT_EQ(c().lstFileImportSource->Items(), (Lines{"M\xC3\xBCller",
                                                       "\xE2\x82\xAC Stra\xC3\x9F"
                                                       "e",
                                                       std::string(2047, 'a')}));
    Preview();
    EXPECT_EQ(Results()[0], "M\xC3\xBCller");
    EXPECT_EQ(Results()[1], "\xE2\x82\xAC Stra\xC3\x9F"
                            "e");
}

TEST_F(FileImportRealFilesTest, WhatIsNoRegularFileIsRefusedBeforeReading) {
    sandbox->MakeFile("D:\\good.txt", "kept\n");
    Browse("D:\\good.txt");
    ASSERT_EQ(::mkfifo(sandbox->Host("D:\\pipe.txt").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", sandbox->Host("D:\\zero.txt"));
    // A regular file whose reading fails at once.
    std::filesystem::create_symlink("/proc/self/mem", sandbox->Host("D:\\mem.txt"));

    for (const char* file : {"D:\\pipe.txt", "D:\\zero.txt", "D:\\mem.txt"}) {
        SCOPED_TRACE(file);
        Browse(file, {"0312"}); // never 0450
        EXPECT_EQ(c().lstFileImportSource->Items(), Lines{"kept"});

        // The preview's reader refuses it too, and hands nothing on.
        Preview({"0313", "0451"});
        EXPECT_TRUE(Results().empty());
        EXPECT_FALSE(c().btnFileImportOk->isEnabled());
    }
}

TEST_F(FileImportRealFilesTest, TheTutorialPageOpensFromAnyStartDirectory) {
    const std::string saved = GetStartDirectory();
    sandbox->MakeFolder("C:\\Elsewhere");
    SetStartDirectory("C:\\Elsewhere");
    c().btnFileImportVideo01->click();
    ASSERT_EQ(desktop.ShellOpens(), Lines{"C:\\Elsewhere\\basic.htm"});
    const std::string page = sandbox->Read("C:\\Elsewhere\\basic.htm");
    EXPECT_NE(page.find("<html"), std::string::npos);

    // A page of the person's own is left as it is.
    sandbox->MakeFile("C:\\Elsewhere\\basic.htm", "mine");
    c().btnFileImportVideo01->click();
    EXPECT_EQ(sandbox->Read("C:\\Elsewhere\\basic.htm"), "mine");

    // A start directory that takes no page: the program's cache folder.
    sandbox->MakeFolder("C:\\Blocked\\basic.htm");
    sandbox->MakeFolder("C:\\Cache");
    const QByteArray cacheHome = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(sandbox->Host("C:\\Cache")));
    SetStartDirectory("C:\\Blocked");
    const std::string cached = LocalTutorialPagePath();
    qputenv("XDG_CACHE_HOME", cacheHome);
    SetStartDirectory(saved);
    ASSERT_EQ(cached.rfind("C:\\Cache\\", 0), 0u) << cached;
    EXPECT_EQ(sandbox->Read(cached), page);
}

TEST_F(FileImportRealFilesTest, ColumnBelowOneIsTakenAsOneAndCountersFollowTheirFile) {
    sandbox->MakeFile("D:\\table.txt", "a,b\nc,d\ne,f\n");
    sandbox->MakeFile("D:\\short.txt", "x\ny\n");
    Browse("D:\\table.txt");
    ChooseSeparated(",");
    c().rdoFileImportOneColumn->click();
    for (const char* typed : {"0", "-3"}) {
        SCOPED_TRACE(typed);
        c().edtFileImportColumnNumber->setText(typed);
        Preview();
        EXPECT_EQ(c().edtFileImportColumnNumber->text().toStdString(), "1");
        EXPECT_EQ(Results(), (Lines{"a", "c", "e"}));
    }
    EXPECT_EQ(Text(c().lblFileImportPreviewLines), "3");

    Browse("D:\\short.txt");
    EXPECT_EQ(Text(c().lblFileImportSourceLines), "2");
    EXPECT_EQ(Text(c().lblFileImportPreviewLines), "0");
}

} // namespace
