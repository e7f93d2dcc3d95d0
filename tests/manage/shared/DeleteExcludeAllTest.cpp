// "Delete All" under the Exclude list, on each of the three pages.

#include "manage/shared/ManageLists.h"

#include "support/ScriptedDesktop.h"
#include "ui/ListBox.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct PageCaptions {
    ManagePage page;
    std::string warning;
    std::string question;
};

TEST(DeleteExcludeAllTest, EachPageAsksWithItsOwnCaptionsAndAlwaysRefreshes) {
    const PageCaptions pages[] = {
        {ManagePage::Rename, "Rename Folder(s).-From a Folder List - Level.            Warning no: 0524.",
         "Rename Folder(s).-From a Folder List - Level.            Warning no: 0525."},
        {ManagePage::Delete, "Delete Folder(s).-From a Folder List - Level.            Warning no: 0522.",
         "Delete Folder(s).-From a Folder List - Level.            Warning no: 0523."},
        {ManagePage::Copy,
         "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0520.",
         "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0521."},
    };
    for (const PageCaptions& expected : pages) {
        SCOPED_TRACE(expected.warning);
        testsupport::ScriptedDesktop desktop;
        QWidget owner;
        auto* exclude = new ui::ListBox(&owner);
        auto* count = new QLabel("2", &owner);
        auto* button = new QPushButton(&owner);
        int refreshes = 0;
        ManageListRules rules;
        rules.page = expected.page;
        rules.refresh = [&] { ++refreshes; };
        ManageLists lists({&owner, nullptr, new ui::ListBox(&owner), exclude, new QLabel(&owner), count,
                           new QProgressBar(&owner), new QPushButton(&owner), button,
                           new QPushButton(&owner)},
                          ManagePageTextsOf(expected.page), std::move(rules));

        const std::string warningNumber = expected.warning.substr(expected.warning.size() - 5, 4);
        const std::string questionNumber = expected.question.substr(expected.question.size() - 5, 4);
        desktop.ExpectBox(warningNumber);
        lists.DeleteExcludeAll();
        EXPECT_EQ(desktop.LastBox().caption, expected.warning);
        EXPECT_EQ(desktop.LastBox().text, "Empty List in the Exclude Window!\n");

        exclude->AddItems({"D:\\A", "D:\\B"});
        desktop.ExpectBox(questionNumber, ui::Answer::No);
        lists.DeleteExcludeAll();
        EXPECT_EQ(exclude->Count(), 2);
        desktop.ExpectBox(questionNumber, ui::Answer::Yes);
        lists.DeleteExcludeAll();
        EXPECT_EQ(desktop.LastBox().caption, expected.question);
        EXPECT_EQ(desktop.LastBox().text, "Do you want to delete all item(s) from the Exclude list ?");
        EXPECT_EQ(desktop.LastBox().defaultButton, ui::Answer::No);
        EXPECT_EQ(exclude->Count(), 0);
        EXPECT_EQ(count->text(), "0");
        EXPECT_EQ(refreshes, 3);
    }
}

} // namespace
