// The level tables filled from a folder scan: the level summary window and
// the subfolder list builder's table.

#include "common/LevelFillers.h"
#include "common/FolderTreeScanner.h"
#include "common/SettingLists.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"
#include "tools/TfrmLevelSummFolder.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;
using Rows = std::vector<std::pair<std::string, std::string>>;

namespace {

Rows RowsOf(const QTreeWidget& table) {
    Rows rows;
    for (int i = 0; i < table.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = table.topLevelItem(i);
        rows.emplace_back(item->text(0).toStdString(), item->text(1).toStdString());
    }
    return rows;
}

std::string Text(const QLabel* label) {
    return label->text().toStdString();
}

// D:\tree holds A (with B and C, B holding D) and E, and three files.
void MakeTree(const DriveSandbox& drives) {
    drives.MakeFolder("D:\\tree\\A\\B\\D");
    drives.MakeFolder("D:\\tree\\A\\C");
    drives.MakeFolder("D:\\tree\\E");
    drives.MakeFile("D:\\tree\\top.txt", std::string(1000, 'x'));
    drives.MakeFile("D:\\tree\\A\\B\\inner.txt", std::string(24, 'y'));
    drives.MakeFile("D:\\tree\\E\\last.dat", std::string(2048, 'z'));
}

// A level summary window of its own behind frmLevelSummFolder; the program's
// window (when the program's windows exist in this process) is put back.
class LevelSummaryTest : public testing::Test {
protected:
    void SetUp() override {
        programWindow_ = frmLevelSummFolder;
        window_ = std::make_unique<TfrmLevelSummFolder>();
        frmLevelSummFolder = window_.get();
    }
    void TearDown() override {
        frmLevelSummFolder = programWindow_;
        window_.reset();
    }
    LevelSummaryTargets targets() { return window_->Targets(); }
    QLabel* Label(const char* name) { return window_->findChild<QLabel*>(name); }

private:
    TfrmLevelSummFolder* programWindow_ = nullptr;
    std::unique_ptr<TfrmLevelSummFolder> window_;
};

TEST_F(LevelSummaryTest, TheSummaryShowsOneRowPerLevelBelowTheFolderAndTheTotals) {
    DriveSandbox drives("CD");
    MakeTree(drives);
    FolderTreeScanner scanner("D:\\tree");
    scanner.Run();

    ScriptedDesktop desktop;
    Rows shown;
    desktop.ExpectModal("frmLevelSummFolder", [&](ui::Form&) { shown = RowsOf(*targets().levels); });
    FillLevelSummary(scanner);

    EXPECT_EQ(shown, (Rows{{"1", "2"}, {"2", "2"}, {"3", "1"}}));
    EXPECT_EQ(Text(targets().folderName), "D:\\tree");
    EXPECT_EQ(Text(targets().folderSum), "5");
    EXPECT_EQ(Text(targets().fileSum), "3");
    EXPECT_EQ(Text(targets().fileSize), "3.00 KB  (3072 bytes).");
    EXPECT_EQ(frmLevelSummFolder->windowTitle().toStdString(), "Level Number - Number of Subfolders");
    EXPECT_EQ(targets().levels->headerItem()->text(0).toStdString(), "Level Number");
    EXPECT_EQ(targets().levels->headerItem()->text(1).toStdString(), "Number of Subfolders");
}

TEST_F(LevelSummaryTest, LevelsCountFromTheScannedFolderWhereverItLies) {
    DriveSandbox drives("CD");
    MakeTree(drives);
    FolderTreeScanner deeper("D:\\tree\\A");
    deeper.Run();
    ScriptedDesktop desktop;
    desktop.ExpectModal("frmLevelSummFolder");
    FillLevelSummary(deeper);
    EXPECT_EQ(RowsOf(*targets().levels), (Rows{{"1", "2"}, {"2", "1"}}));
    EXPECT_EQ(Text(targets().folderSum), "3");
}

TEST_F(LevelSummaryTest, AnEmptyFolderGivesNoRowsAndARefillReplacesTheRows) {
    DriveSandbox drives("CD");
    MakeTree(drives);
    ScriptedDesktop desktop;
    FolderTreeScanner full("D:\\tree");
    full.Run();
    desktop.ExpectModal("frmLevelSummFolder");
    FillLevelSummary(full);

    drives.MakeFolder("D:\\empty");
    FolderTreeScanner empty("D:\\empty");
    empty.Run();
    desktop.ExpectModal("frmLevelSummFolder");
    FillLevelSummary(empty);
    EXPECT_TRUE(RowsOf(*targets().levels).empty());
    EXPECT_EQ(Text(targets().folderSum), "0");
    EXPECT_EQ(Text(targets().fileSize), "0.00 Bytes  (0 bytes).");
}

TEST_F(LevelSummaryTest, TheMatchedSummaryShowsOnlyTheMatchedFiles) {
    DriveSandbox drives("CD");
    MakeTree(drives);
    const std::deque<std::string> savedPatterns = GetFileNamePatternList();
    SetFileNamePatternList({"*.txt"});
    FolderTreeScanner scanner("D:\\tree");
    scanner.RunWithPatterns();
    SetFileNamePatternList(savedPatterns);

    ScriptedDesktop desktop;
    desktop.ExpectModal("frmLevelSummFolder");
    FillLevelSummaryMatched(scanner);
    // top.txt and inner.txt match; last.dat does not.
    EXPECT_EQ(Text(targets().fileSum), "2");
    EXPECT_EQ(Text(targets().fileSize), "1024.00 Bytes  (1024 bytes)."); // exactly 1 KB stays in bytes
    EXPECT_EQ(Text(targets().folderSum), "5");
    EXPECT_EQ(RowsOf(*targets().levels), (Rows{{"1", "2"}, {"2", "2"}, {"3", "1"}}));

    // A scan without patterns matches nothing.
    FolderTreeScanner plain("D:\\tree");
    plain.Run();
    desktop.ExpectModal("frmLevelSummFolder");
    FillLevelSummaryMatched(plain);
    EXPECT_EQ(Text(targets().fileSum), "0");
    EXPECT_EQ(Text(targets().fileSize), "0.00 Bytes  (0 bytes).");
}

TEST_F(LevelSummaryTest, TheWindowsFixedLabelsAndItsHiddenOnes) {
    const std::vector<std::pair<const char*, const char*>> fixed = {
        {"Label1", "Folder Structure:"}, {"Label2", "Contains:"},
        {"Label4", "Subfolders"},        {"Label3", "Files."},
        {"Label5", "Sum file size:"},
    };
    for (const auto& [name, caption] : fixed) {
        ASSERT_NE(Label(name), nullptr) << name;
        EXPECT_EQ(Text(Label(name)), caption);
    }
    // 120 pixels, or more where the caption needs it: "Number of Subfolders"
    // is shown whole.
    EXPECT_EQ(targets().levels->columnWidth(0), 120);
    const QFontMetrics metrics = targets().levels->header()->fontMetrics();
    EXPECT_GE(targets().levels->columnWidth(1),
              std::max(120, metrics.horizontalAdvance(QStringLiteral("Number of Subfolders"))));

    DriveSandbox drives("CD");
    MakeTree(drives);
    FolderTreeScanner scanner("D:\\tree");
    scanner.Run();
    ScriptedDesktop desktop;
    desktop.ExpectModal("frmLevelSummFolder", [](ui::Form& window) {
        window.findChild<QPushButton*>("btnLevelSummClose")->click();
    });
    FillLevelSummary(scanner);
    EXPECT_EQ(frmLevelSummFolder->ModalResult(), ui::Answer::Cancel);
    // The three size labels are never shown and never filled.
    for (const char* name :
         {"lblLevelSummFileSizeMB", "lblLevelSummFileSizeType", "lblLevelSummFileSizeInBytes"}) {
        ASSERT_NE(Label(name), nullptr) << name;
        EXPECT_TRUE(Label(name)->isHidden()) << name;
        EXPECT_EQ(Text(Label(name)), "") << name;
    }
}

TEST(BuilderLevelTable, FillsTheTableAndTotalsWithoutShowingAnything) {
    DriveSandbox drives("CD");
    MakeTree(drives);
    FolderTreeScanner scanner("D:\\tree");
    scanner.Run();

    QTreeWidget table;
    table.setColumnCount(2);
    table.addTopLevelItem(new QTreeWidgetItem(QStringList{"old", "row"}));
    QLabel subFolders, files, size;
    ScriptedDesktop desktop; // any window shown would fail the test
    FillBuilderLevelTable(scanner, {&table, &subFolders, &files, &size});

    EXPECT_EQ(RowsOf(table), (Rows{{"1", "2"}, {"2", "2"}, {"3", "1"}}));
    EXPECT_EQ(Text(&subFolders), "5");
    EXPECT_EQ(Text(&files), "3");
    EXPECT_EQ(Text(&size), "3.00 KB");
    EXPECT_TRUE(desktop.ModalWindows().empty());
}

} // namespace
