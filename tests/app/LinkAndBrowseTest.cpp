// Hyperlink labels and the folder browse service.

#include "common/BrowseFolder.h"
#include "common/HyperlinkLabel.h"
#include "support/ScriptedDesktop.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

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

} // namespace
