// Hyperlink labels and the folder browse service.

#include "common/BrowseFolder.h"
#include "common/HyperlinkLabel.h"
#include "platform/Drives.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"
#include "ui/FolderBrowseDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::ScriptedDesktop;

namespace {

void Enter(QLabel& label) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&label, &event);
}

void Leave(QLabel& label) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&label, &event);
}

void Click(QLabel& label, QPointF at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &press);
    QApplication::sendEvent(&label, &release);
}

TEST(HyperlinkLabel, IsBlueWithAHandCursorAndUnderlinedOnlyWhileThePointerIsOver) {
    QLabel label("Visit the tutorial");
    label.resize(120, 20);
    EXPECT_TRUE(MakeHyperlinkLabel(&label));
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(label.font().underline());
    Enter(label);
    EXPECT_TRUE(label.font().underline());
    Leave(label);
    EXPECT_FALSE(label.font().underline());
}

TEST(HyperlinkLabel, MakingItAHyperlinkTwiceChangesNothingMore) {
    QLabel label("Link");
    label.resize(80, 20);
    MakeHyperlinkLabel(&label);
    HyperlinkLabelBehaviour* first = HyperlinkBehaviourOf(&label);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(MakeHyperlinkLabel(&label));
    EXPECT_EQ(label.findChildren<HyperlinkLabelBehaviour*>().size(), 1);
    EXPECT_EQ(HyperlinkBehaviourOf(&label), first);

    int clicks = 0;
    QObject::connect(first, &HyperlinkLabelBehaviour::clicked, [&] { ++clicks; });
    Click(label, QPointF(5, 5));
    EXPECT_EQ(clicks, 1); // one behaviour, so one click
    Click(label, QPointF(500, 5));
    EXPECT_EQ(clicks, 1); // released outside the label: no click
    Enter(label);
    EXPECT_TRUE(label.font().underline());
    Leave(label);
    EXPECT_FALSE(label.font().underline());
}

TEST(HyperlinkLabel, APlainLabelHasNoBehaviour) {
    QLabel label("plain");
    EXPECT_EQ(HyperlinkBehaviourOf(&label), nullptr);
    EXPECT_EQ(HyperlinkBehaviourOf(nullptr), nullptr);
}

TEST(BrowseForFolder, PassesTheCallersTitleAndReturnsTheFolderInItsDriveForm) {
    ScriptedDesktop desktop;
    desktop.ExpectBrowse("D:\\work\\x\\");
    desktop.ExpectBrowse("D:\\");
    desktop.ExpectBrowse("");
    EXPECT_EQ(BrowseForFolder(nullptr, "Select a Folder Structure."), "D:\\work\\x");
    EXPECT_EQ(BrowseForFolder(nullptr, "Select the Destination Directory."), "D:\\");
    EXPECT_EQ(BrowseForFolder(nullptr, "Cancelled"), "");
    EXPECT_EQ(desktop.BrowseTitles(),
              (std::vector<std::string>{"Select a Folder Structure.", "Select the Destination Directory.",
                                        "Cancelled"}));
}

// The dialog behind the desktop's BrowseForFolder, on a drive sandbox: only
// the mapped drives, a path field that follows the selection, a check box
// that shows and hides it, and the drive form of the folder chosen.
class FolderBrowseDialogTest : public testing::Test {
protected:
    FolderBrowseDialogTest() : drives("CD"), dialog(nullptr, "Select a Folder Structure.") {}

    void SetUp() override {
        drives.MakeFolder("D:\\Work\\Alpha");
        drives.MakeFolder("D:\\Work\\Beta");
        drives.MakeFolder("C:\\Home");
    }

    QTreeWidget* Tree() { return dialog.findChild<QTreeWidget*>("treeFolders"); }
    QLineEdit* Path() { return dialog.findChild<QLineEdit*>("edtPath"); }
    QCheckBox* ShowPath() { return dialog.findChild<QCheckBox*>("chkShowEdit"); }
    QPushButton* Ok() { return dialog.findChild<QPushButton*>("btnOk"); }

    // As if the person typed the text into the path field.
    void Type(const std::string& text) {
        Path()->setText(QString::fromStdString(text));
        emit Path()->textEdited(Path()->text());
    }

    testsupport::DriveSandbox drives;
    ui::FolderBrowseDialog dialog;
};

TEST_F(FolderBrowseDialogTest, ShowsTheCallersTitleAndOnlyTheMappedDrives) {
    EXPECT_EQ(dialog.findChild<QLabel*>("lblTitle")->text().toStdString(), "Select a Folder Structure.");
    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    QTreeWidgetItem* computer = Tree()->topLevelItem(0);
    ASSERT_EQ(computer->childCount(), 2);
    EXPECT_EQ(computer->child(0)->text(0).left(3).toStdString(), "C:\\");
    EXPECT_EQ(computer->child(1)->text(0).left(3).toStdString(), "D:\\");
    // The drive's folders appear when it is opened.
    computer->child(1)->setExpanded(true);
    ASSERT_EQ(computer->child(1)->childCount(), 1);
    EXPECT_EQ(computer->child(1)->child(0)->text(0).toStdString(), "Work");
}

TEST_F(FolderBrowseDialogTest, ThePathFieldFollowsTheSelectionAndTheCheckBoxShowsAndHidesIt) {
    // "Computer" is no folder: the field is empty and OK cannot be pressed.
    EXPECT_EQ(Path()->text().toStdString(), "");
    EXPECT_FALSE(Ok()->isEnabled());

    ASSERT_TRUE(dialog.SelectFolder("d:\\work\\beta"));
    EXPECT_EQ(Path()->text().toStdString(), "D:\\Work\\Beta"); // the names as they are on disk
    EXPECT_TRUE(Ok()->isEnabled());
    ASSERT_TRUE(dialog.SelectFolder("D:\\"));
    EXPECT_EQ(Path()->text().toStdString(), "D:\\");

    EXPECT_EQ(ShowPath()->text().toStdString(), "Show the edit control.");
    EXPECT_TRUE(ShowPath()->isChecked());
    EXPECT_FALSE(Path()->isHidden());
    ShowPath()->click();
    EXPECT_TRUE(Path()->isHidden());
    ShowPath()->click();
    EXPECT_FALSE(Path()->isHidden());

    // A folder that is not on a mapped drive cannot be selected.
    EXPECT_FALSE(dialog.SelectFolder("E:\\Work"));
    EXPECT_FALSE(dialog.SelectFolder("D:\\Missing"));
    EXPECT_EQ(Path()->text().toStdString(), "D:\\");
}

TEST_F(FolderBrowseDialogTest, OkGivesTheDriveFormAndCancelGivesNothing) {
    ASSERT_TRUE(dialog.SelectFolder("D:\\Work\\Alpha"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), "D:\\Work\\Alpha");

    ui::FolderBrowseDialog cancelled(nullptr, "Select the Destination Directory.");
    ASSERT_TRUE(cancelled.SelectFolder("D:\\Work"));
    cancelled.reject();
    EXPECT_EQ(cancelled.Result(), "");
}

TEST_F(FolderBrowseDialogTest, ATypedPathOfThisMachineBecomesItsDriveForm) {
    Type(drives.Host("D:\\Work\\Beta"));
    dialog.accept();
    EXPECT_EQ(dialog.Result(), "D:\\Work\\Beta");
}

TEST_F(FolderBrowseDialogTest, WhatLiesOutsideEveryDriveOrDoesNotExistIsRefusedAndTheDialogStays) {
    const std::string outside = QDir::cleanPath(QDir::tempPath()).toStdString();
    ASSERT_FALSE(platform::ToWindowsPath(outside).has_value()) << outside;
    testsupport::ScriptedDesktop desktop;
    for (const std::string& typed :
         {outside, std::string("Q:\\Work"), std::string("D:\\Work\\Gamma"), std::string("Work\\Alpha")}) {
        SCOPED_TRACE(typed);
        desktop.ExpectBox("");
        Type(typed);
        dialog.accept();
        EXPECT_EQ(dialog.Result(), "");
        EXPECT_NE(dialog.result(), QDialog::Accepted);
    }
    ASSERT_EQ(desktop.Boxes().size(), 4u);
    EXPECT_NE(desktop.Boxes()[0].text.find("outside every drive"), std::string::npos);
    EXPECT_NE(desktop.Boxes()[1].text.find("There is no drive Q:"), std::string::npos);
    EXPECT_FALSE(drives.Exists("D:\\Work\\Gamma")); // nothing is created
}

} // namespace
