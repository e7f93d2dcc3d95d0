// The rules in which the manage pages' shared list handling differs from page
// to page, and the form lookups that fail loudly on a control a form lacks.

#include "manage/shared/ManageLists.h"
#include "manage/shared/ManageControlsOnPage.h"

#include "support/ScriptedDesktop.h"
#include "ui/ListBox.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct ResultLinesCase {
    const char* name;
    bool trimLines;
    size_t shortestFolder;
    std::vector<std::string> include;
    std::vector<std::string> exclude;
    std::vector<std::string> results;
    std::vector<std::string> expected;
};

TEST(ManageListsTest, ResultLinesJoinTheIncludeListByThePagesRules) {
    const ResultLinesCase cases[] = {
        // A line with blanks around it is the folder it names: it is not
        // added a second time beside the trimmed line the list holds.
        {"trimmed, as the rename page",
         true,
         2,
         {"D:\\A"},
         {"D:\\C"},
         {" D:\\A", "D:\\B  ", "d:\\b", "x", "D:\\C", " d:\\c "},
         {"D:\\A", "D:\\B"}},
        // Nor is it in another spelling.
        {"spelt otherwise, as the rename page",
         true,
         2,
         {"D:\\A"},
         {"D:\\C"},
         {"d:/a/", "D:\\A\\.", "D:\\\\A", "D:\\B\\..\\A", "D:\\c\\", "D:\\X\\..\\C", "D:\\B", "d:\\b\\"},
         {"D:\\A", "D:\\B"}},
        {"a drive as a whole is no folder, as on the delete page",
         true,
         4,
         {},
         {},
         {"D:\\", " D: ", "D:\\Data", " D:\\Data "},
         {"D:\\Data"}},
        // Kept as written, but one folder all the same.
        {"untrimmed, as the copy page", false, 2, {}, {}, {" D:\\A", "D:\\A", " x ", "d:\\a"}, {" D:\\A"}},
    };
    for (const ResultLinesCase& test : cases) {
        SCOPED_TRACE(test.name);
        testsupport::ScriptedDesktop desktop;
        QWidget page;
        auto* include = new ui::ListBox(&page);
        auto* exclude = new ui::ListBox(&page);
        include->AddItems(test.include);
        exclude->AddItems(test.exclude);
        bool busy = false;
        ManageListRules rules;
        rules.trimLines = test.trimLines;
        rules.shortestFolder = test.shortestFolder;
        ManageLists lists({&page, &busy, include, exclude, new QLabel(&page), new QLabel(&page),
                           new QProgressBar(&page), new QPushButton(&page), new QPushButton(&page),
                           new QPushButton(&page)},
                          {}, std::move(rules));
        lists.AddResultLines(test.results);
        EXPECT_EQ(include->Items(), test.expected);
        EXPECT_TRUE(desktop.Boxes().empty());
    }
}

TEST(ManageListsTest, AFormWithoutALevelBuilderControlIsAFaultOfTheForm) {
    QWidget page;
    auto* add = new QPushButton(&page);
    EXPECT_THROW(LevelBuilderControlsOnPage(page, "Vol06", add), std::logic_error);
}

} // namespace
