// The level list builder on a page of its own controls: its rules on a
// sandbox tree, the root folder step and the method radios.

#include "manage/shared/LevelListBuilder.h"

#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"
#include "ui/UpDown.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Lines = std::vector<std::string>;

const std::string Caption = "Builder.            Warning no: ";

LevelBuilderBox Box(const std::string& number, const std::string& text) {
    return {Caption + number + ".", text};
}

// Every control a page hands to its builder, in groups as on the pages.
struct BuilderPage {
    QWidget window;
    QWidget* methods = new QWidget(&window);
    QGroupBox* levelGroup = new QGroupBox(&window);
    QWidget* choice = new QWidget(&window);
    LevelBuilderControls c;
    ui::ListBox* include = new ui::ListBox(&window);
    ui::ListBox* exclude = new ui::ListBox(&window);
    QLabel* includeSum = new QLabel(&window);
    QProgressBar* progress = new QProgressBar(&window);
    int refreshes = 0;
    std::unique_ptr<LevelListBuilder> builder;

    template <typename T> T* Make(QWidget* parent) { return new T(parent); }
    // The framework's up-down for Above and Below, two plain arrows for the rest.
    QWidget* UpDown(bool framework = false) {
        if (framework)
            return new ui::UpDown(levelGroup);
        auto* upDown = new QWidget(levelGroup);
        new QToolButton(upDown);
        new QToolButton(upDown);
        return upDown;
    }

    explicit BuilderPage(LevelBuilderPage page = {}) {
        c.makeListSelector = Make<QRadioButton>(methods);
        c.makeListImport = Make<QRadioButton>(methods);
        c.addToListManually = Make<QRadioButton>(methods);
        c.makeListSelector->setChecked(true);
        c.smartImport = Make<QPushButton>(&window);
        c.addFolderToList = Make<QPushButton>(&window);
        c.rootLabel = Make<QLabel>(&window);
        c.rootFolder = Make<ui::ComboBox>(&window);
        c.rootFolder->setEditable(true);
        c.browse = Make<QPushButton>(&window);
        c.view = Make<QPushButton>(&window);
        c.filterLabel = Make<QLabel>(&window);
        c.filter = Make<QLineEdit>(&window);
        c.levelGroup = levelGroup;
        c.levelLabel = Make<QLabel>(levelGroup);
        c.fromTo = Make<QRadioButton>(levelGroup);
        c.above = Make<QRadioButton>(levelGroup);
        c.below = Make<QRadioButton>(levelGroup);
        c.fromTo->setChecked(true);
        c.fromLevel = Make<QLineEdit>(levelGroup);
        c.fromUpDown = UpDown();
        c.toLabel = Make<QLabel>(levelGroup);
        c.toLevel = Make<QLineEdit>(levelGroup);
        c.toUpDown = UpDown();
        c.aboveLevel = Make<QLineEdit>(levelGroup);
        c.aboveUpDown = UpDown(true);
        c.belowLevel = Make<QLineEdit>(levelGroup);
        c.belowUpDown = UpDown(true);
        c.lastSubFolder = Make<QRadioButton>(choice);
        c.allSubFolders = Make<QRadioButton>(choice);
        c.lastSubFolder->setChecked(true);
        c.makeList = Make<QPushButton>(&window);
        for (QLineEdit* edit : {c.fromLevel, c.toLevel, c.aboveLevel, c.belowLevel})
            edit->setText("1");

        page.owner = &window;
        page.include = include;
        page.exclude = exclude;
        page.includeSum = includeSum;
        page.progressBar = progress;
        page.refresh = [this] { ++refreshes; };
        page.messages = {Box("0321", "root empty"),       Box("0322", "view empty"),
                         Box("0323", "build root empty"), Box("0325", "no results"),
                         Box("0326", "no drive"),         Box("0324", "reversed")};
        builder = std::make_unique<LevelListBuilder>(c, std::move(page));
        builder->Connect(&window);
    }

    void Levels(QRadioButton* mode, const std::string& first, const std::string& second = "1") {
        mode->click();
        QLineEdit* edit = mode == c.fromTo ? c.fromLevel : mode == c.above ? c.aboveLevel : c.belowLevel;
        edit->setText(QString::fromStdString(first));
        c.toLevel->setText(QString::fromStdString(second));
    }
};

class LevelListBuilderTest : public ::testing::Test {
protected:
    // Below D:\Root: A with the leaf A\B, the leaf C, and the leaf Abc with a
    // file that is no subfolder.
    void SetUp() override {
        sandbox.MakeFolder("D:\\Root\\A\\B");
        sandbox.MakeFolder("D:\\Root\\C");
        sandbox.MakeFolder("D:\\Root\\Abc");
        sandbox.MakeFile("D:\\Root\\note.txt", "x");
    }

    void ChooseRoot(BuilderPage& page, const std::string& root) {
        desktop.ExpectBrowse(root);
        page.c.browse->click();
    }

    testsupport::DriveSandbox sandbox;
    testsupport::ScriptedDesktop desktop;
};

struct BuildRule {
    const char* name;
    int mode; // 0 From-To, 1 Above, 2 Below
    const char* first;
    const char* second;
    bool everySubfolder;
    const char* filter;
    Lines expected;
};

TEST_F(LevelListBuilderTest, BuildsTheLevelsAndFilterAsked) {
    const std::string A = "D:\\Root\\A", AB = "D:\\Root\\A\\B", Abc = "D:\\Root\\Abc", C = "D:\\Root\\C";
    const BuildRule rules[] = {
        {"level 1", 0, "1", "1", false, "", {A, Abc, C}},
        {"level 2", 0, "2", "2", false, "", {AB}},
        // Both ends of the range count.
        {"levels 1 to 2, last", 0, "1", "2", false, "", {Abc, C, AB}},
        {"levels 1 to 2, all", 0, "1", "2", true, "", {A, Abc, C, AB}},
        {"levels 1 to 3", 0, "1", "3", false, "", {Abc, C, AB}},
        {"above 2, all", 1, "2", "", true, "", {A, Abc, C}},
        {"below 1", 2, "1", "", false, "", {AB}},
        // Upper case, a trailing backslash, and matched in the last element only.
        {"filter B\\", 0, "1", "2", true, "B\\", {Abc, AB}},
        {"filter  c ", 0, "1", "1", false, " c ", {Abc, C}},
    };
    for (const BuildRule& rule : rules) {
        SCOPED_TRACE(rule.name);
        BuilderPage page;
        ChooseRoot(page, "D:\\Root");
        QRadioButton* mode = rule.mode == 0 ? page.c.fromTo : rule.mode == 1 ? page.c.above : page.c.below;
        page.Levels(mode, rule.first, rule.second);
        (rule.everySubfolder ? page.c.allSubFolders : page.c.lastSubFolder)->setChecked(true);
        page.c.filter->setText(rule.filter);
        page.c.makeList->click();
        EXPECT_EQ(page.include->Items(), rule.expected);
        EXPECT_EQ(page.includeSum->text().toStdString(), std::to_string(rule.expected.size()));
        EXPECT_EQ(page.refreshes, 1);
        EXPECT_TRUE(page.progress->isHidden());
    }
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(LevelListBuilderTest, ReversedRangeWarnsAndBuildsNothing) {
    BuilderPage page;
    ChooseRoot(page, "D:\\Root");
    page.Levels(page.c.fromTo, "3", "1");
    desktop.ExpectBox("0324");
    page.c.makeList->click();
    EXPECT_EQ(desktop.LastBox().caption, Caption + "0324.");
    EXPECT_EQ(desktop.LastBox().icon, ui::Icon::Warning);
    EXPECT_EQ(page.include->Count(), 0);
    // Whatever ends the build, the page is refreshed.
    EXPECT_EQ(page.refreshes, 1);
}

TEST_F(LevelListBuilderTest, KnownPathsAreSkippedAndRefusalsWarnedOneByOne) {
    BuilderPage page;
    ChooseRoot(page, "D:\\Root");
    page.exclude->AddItem("d:\\root\\c");
    page.c.makeList->click();
    EXPECT_EQ(page.include->Items(), (Lines{"D:\\Root\\A", "D:\\Root\\Abc"}));
    // The same build again adds nothing.
    page.c.makeList->click();
    EXPECT_EQ(page.include->Count(), 2);

    // No results, an empty root, a text that is no number.
    page.Levels(page.c.fromTo, "7", "9");
    desktop.ExpectBox("0325");
    page.c.makeList->click();
    page.c.rootFolder->setEditText("  ");
    desktop.ExpectBox("0323");
    page.c.makeList->click();
    page.c.rootFolder->setEditText("D:\\Root");
    page.c.fromLevel->setText("one");
    desktop.ExpectFrameworkError("'one' is not a valid integer value");
    page.c.makeList->click();
    EXPECT_EQ(page.include->Count(), 2);
    EXPECT_EQ(page.refreshes, 4);
}

TEST_F(LevelListBuilderTest, PageRulesRefuseResults) {
    LevelBuilderPage rules;
    Lines refusedFirst;
    rules.refuseBeforeDriveCheck = [&](const std::string& path) {
        if (path.size() > 9)
            return false;
        refusedFirst.push_back(path);
        return true;
    };
    rules.acceptWithDrive = [](const std::string& path) { return path != "D:\\Root\\Abc"; };
    BuilderPage page(rules);
    ChooseRoot(page, "D:\\Root");
    page.c.makeList->click();
    EXPECT_EQ(refusedFirst, (Lines{"D:\\Root\\A", "D:\\Root\\C"}));
    EXPECT_TRUE(page.include->Items().empty());
}

TEST_F(LevelListBuilderTest, RootStepKeepsEachRootOnceAndEnablesTheLevels) {
    BuilderPage page;
    page.builder->ResetToStart();
    EXPECT_FALSE(page.c.makeList->isEnabled());
    EXPECT_FALSE(page.c.lastSubFolder->isChecked());

    // Cancelling the browse dialog hands the empty path to the root step.
    desktop.ExpectBrowse("");
    desktop.ExpectBox("0321");
    page.c.browse->click();
    EXPECT_FALSE(page.c.makeList->isEnabled());

    ChooseRoot(page, "D:\\Root");
    page.c.above->click();
    ChooseRoot(page, "d:\\ROOT");
    EXPECT_EQ(page.c.rootFolder->Items(), Lines{"D:\\Root"});
    EXPECT_EQ(page.c.rootFolder->Text(), "D:\\Root");
    EXPECT_TRUE(page.c.fromTo->isChecked());
    EXPECT_TRUE(page.c.makeList->isEnabled());
    EXPECT_TRUE(page.c.lastSubFolder->isChecked());
    EXPECT_TRUE(page.c.toLevel->isEnabled());
    EXPECT_FALSE(page.c.aboveLevel->isEnabled());

    // View shows a folder only.
    page.c.view->click();
    EXPECT_EQ(desktop.ShellOpens(), Lines{"D:\\Root"});
    page.c.rootFolder->setEditText("D:\\Root\\note.txt");
    desktop.ExpectBox("0322");
    page.c.view->click();
    EXPECT_EQ(desktop.ShellOpens().size(), 1u);
}

TEST_F(LevelListBuilderTest, UpDownsStayWithinTheirRange) {
    LevelBuilderPage rules;
    rules.upDownWraps = {false, true, false, true};
    BuilderPage page(rules);
    auto arrows = [](QWidget* upDown) { return upDown->findChildren<QToolButton*>(); };
    arrows(page.c.fromUpDown)[1]->click();
    EXPECT_EQ(page.c.fromLevel->text(), "1");
    arrows(page.c.fromUpDown)[0]->click();
    EXPECT_EQ(page.c.fromLevel->text(), "2");
    arrows(page.c.toUpDown)[1]->click();
    EXPECT_EQ(page.c.toLevel->text(), QString::number(LevelListBuilder::MaxLevel));
    page.c.fromLevel->setText("x");
    arrows(page.c.fromUpDown)[0]->click();
    EXPECT_EQ(page.c.fromLevel->text(), "2");
    page.c.aboveLevel->setText("x");
    arrows(page.c.aboveUpDown)[0]->click();
    EXPECT_EQ(page.c.aboveLevel->text(), "2");
    arrows(page.c.aboveUpDown)[1]->click();
    arrows(page.c.aboveUpDown)[1]->click();
    EXPECT_EQ(page.c.aboveLevel->text(), "1");
    arrows(page.c.belowUpDown)[1]->click();
    EXPECT_EQ(page.c.belowLevel->text(), QString::number(LevelListBuilder::MaxLevel));
    arrows(page.c.belowUpDown)[0]->click();
    EXPECT_EQ(page.c.belowLevel->text(), "1");
}

} // namespace
