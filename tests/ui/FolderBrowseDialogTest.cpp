#include "ui/FolderBrowseDialog.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

class FolderBrowseDialogTest : public testing::Test {
protected:
    FolderBrowseDialogTest() {
        sandbox.MakeFolder("D:\\Work\\Sub");
        sandbox.MakeFolder("D:\\alpha");
        sandbox.MakeFolder("D:\\Beta");
        sandbox.MakeFolder("D:\\.hidden");
        sandbox.MakeFile("D:\\file.txt");
    }

    QTreeWidget* Tree() { return dialog.findChild<QTreeWidget*>("treeFolders"); }
    QLineEdit* Path() { return dialog.findChild<QLineEdit*>("edtPath"); }
    QCheckBox* ShowPath() { return dialog.findChild<QCheckBox*>("chkShowEdit"); }
    QPushButton* Ok() { return dialog.findChild<QPushButton*>("btnOk"); }
    void Type(const std::string& text) {
        Path()->setFocus();
        Path()->selectAll();
        Path()->insert(QString::fromStdString(text)); // as typing does: textEdited follows
    }

    testsupport::DriveSandbox sandbox{"CD"};
    testsupport::ScriptedDesktop desktop;
    ui::FolderBrowseDialog dialog{nullptr, "Select the Destination Folder"};
};

TEST_F(FolderBrowseDialogTest, ShowsOnlyTheMappedDrivesAndTheirFolders) {
    ASSERT_NE(Tree(), nullptr);
    QTreeWidgetItem* computer = Tree()->topLevelItem(0);
    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    ASSERT_EQ(computer->childCount(), 2);
    EXPECT_TRUE(computer->child(0)->text(0).startsWith("C:\\"));
    EXPECT_TRUE(computer->child(1)->text(0).startsWith("D:\\"));

    QTreeWidgetItem* drive = computer->child(1);
    drive->setExpanded(true);
    QStringList names;
    for (int i = 0; i < drive->childCount(); ++i)
        names << drive->child(i)->text(0);
    EXPECT_EQ(names, QStringList({"alpha", "Beta", "Work"}))
        << "folders only, hidden ones left out, Windows order";
}

TEST_F(FolderBrowseDialogTest, APickedFolderComesBackInItsDriveForm) {
    ASSERT_TRUE(dialog.SelectHostFolder(sandbox.Host("D:\\Work\\Sub")));
    EXPECT_EQ(Path()->text().toStdString(), "D:\\Work\\Sub") << "the path field follows the selection";
    Ok()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), "D:\\Work\\Sub");
}

TEST_F(FolderBrowseDialogTest, ADriveRootKeepsItsBackslash) {
    ASSERT_TRUE(dialog.SelectFolder("d:\\"));
    Ok()->click();
    EXPECT_EQ(dialog.Result(), "D:\\");
}

TEST_F(FolderBrowseDialogTest, TheComputerItemIsNoFolder) {
    EXPECT_EQ(dialog.SelectedFolder(), "");
    EXPECT_EQ(Path()->text(), "");
    EXPECT_FALSE(Ok()->isEnabled());
    ASSERT_TRUE(dialog.SelectFolder("D:\\alpha"));
    EXPECT_TRUE(Ok()->isEnabled());
    Tree()->setCurrentItem(Tree()->topLevelItem(0));
    EXPECT_EQ(Path()->text(), "") << "an item without a file-system path leaves the field empty";
    EXPECT_FALSE(Ok()->isEnabled());
    dialog.reject();
    EXPECT_EQ(dialog.Result(), "");
}

TEST_F(FolderBrowseDialogTest, FoldersOutsideEveryDriveAreNotSelected) {
    QTemporaryDir outside;
    ASSERT_TRUE(outside.isValid());
    EXPECT_FALSE(dialog.SelectHostFolder(outside.path().toStdString()));
    EXPECT_FALSE(dialog.SelectFolder("Q:\\"));
    EXPECT_FALSE(dialog.SelectFolder("D:\\missing"));
}

TEST_F(FolderBrowseDialogTest, ATypedHostPathIsTakenInItsDriveFormOrRefused) {
    QTemporaryDir outside;
    ASSERT_TRUE(outside.isValid());
    Type(outside.path().toStdString());
    desktop.ExpectBox("", ui::Answer::Ok);
    Ok()->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted) << "refused: the dialog stays open";
    EXPECT_EQ(dialog.Result(), "");
    EXPECT_NE(desktop.LastBox().text.find(outside.path().toStdString()), std::string::npos);
    EXPECT_NE(desktop.LastBox().text.find("outside every drive"), std::string::npos);
    EXPECT_EQ(desktop.LastBox().icon, ui::Icon::Warning);

    Type(sandbox.Host("D:\\Work\\Sub"));
    Ok()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), "D:\\Work\\Sub");
}

TEST_F(FolderBrowseDialogTest, ATypedWindowsPathIsMatchedIgnoringCase) {
    Type("d:/work\\SUB\\");
    Ok()->click();
    EXPECT_EQ(dialog.Result(), "D:\\Work\\Sub");
}

TEST_F(FolderBrowseDialogTest, ATypedPathThatIsNoFolderIsRefused) {
    for (const char* typed : {"D:\\missing", "D:\\file.txt", "Q:\\", "Work\\Sub"}) {
        SCOPED_TRACE(typed);
        desktop.ExpectBox("", ui::Answer::Ok);
        Type(typed);
        Ok()->click();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Result(), "");
    }
    EXPECT_TRUE(desktop.AllUsed());
}

TEST_F(FolderBrowseDialogTest, TheCheckBoxShowsAndHidesThePathField) {
    ASSERT_NE(ShowPath(), nullptr);
    EXPECT_EQ(ShowPath()->text(), "Show the edit control.");
    EXPECT_TRUE(ShowPath()->isChecked());
    EXPECT_FALSE(Path()->isHidden());
    ShowPath()->click();
    EXPECT_TRUE(Path()->isHidden());
    ShowPath()->click();
    EXPECT_FALSE(Path()->isHidden());

    // A hidden field's text is not taken: the selection is.
    ASSERT_TRUE(dialog.SelectFolder("D:\\Beta"));
    Type("D:\\missing");
    ShowPath()->click();
    Ok()->click();
    EXPECT_EQ(dialog.Result(), "D:\\Beta");
}

TEST_F(FolderBrowseDialogTest, AFolderRemovedWhileTheDialogWasOpenIsRefused) {
    ASSERT_TRUE(dialog.SelectFolder("D:\\alpha"));
    ASSERT_TRUE(QDir(QString::fromStdString(sandbox.Host("D:\\alpha"))).removeRecursively());
    desktop.ExpectBox("", ui::Answer::Ok);
    Ok()->click();
    EXPECT_EQ(dialog.Result(), "");
}

} // namespace
