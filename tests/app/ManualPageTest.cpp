// The manual page: full paths typed into a combo box, subfolders below a
// chosen destination, the error logs and their windows, and the other tabs.

#include "app/ManualPage.h"
#include "app/tools/MainWindowServices.h"
#include "app/tools/TForcedUnSuccessFullForm.h"
#include "app/tools/TSubFolderUnSuccessFullForm.h"
#include "app/tools/TfrmAltalanosHelp.h"
#include "app/tools/TfrmMoreHelp.h"
#include "common/IllegalCharacters.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;
using Numbers = std::vector<std::string>;

namespace {

const std::vector<std::string> OtherTabs = {"tabFolderCreate05", "tabFolderCreate04",  "tabFolderCreate03",
                                            "tabFoldersCopy02",  "tabFoldersRename01", "tabFoldersDelete01"};

class FakeMainWindow : public MainWindowServices {
public:
    void SetTabEnabled(const std::string& tabName, bool enabled) override { enabled_[tabName] = enabled; }
    void ShowTab(const std::string&) override {}
    const MainWindowTexts& Texts() const override { return texts_; }

    // Every other tab known to be in this state (a tab never touched counts as enabled).
    bool OtherTabsAre(bool enabled) const {
        for (const std::string& tab : OtherTabs) {
            auto it = enabled_.find(tab);
            if ((it == enabled_.end() ? true : it->second) != enabled)
                return false;
        }
        return true;
    }

private:
    std::map<std::string, bool> enabled_;
    MainWindowTexts texts_;
};

// Also notes, for every box, whether the other tabs were out of reach while it was up.
class TabWatchingDesktop : public ScriptedDesktop {
public:
    explicit TabWatchingDesktop(const FakeMainWindow& main) : main_(main) {}
    ui::Answer MessageBox(const ui::MessageBoxRequest& request) override {
        tabsDisabledDuringBox.push_back(main_.OtherTabsAre(false));
        return ScriptedDesktop::MessageBox(request);
    }
    std::vector<bool> tabsDisabledDuringBox;

private:
    const FakeMainWindow& main_;
};

std::vector<std::string> Items(const ui::ListBox& list) {
    return list.Items();
}

class ManualPageTest : public testing::Test {
protected:
    void SetUp() override {
        FillPathIllegalChars();
        FillNameIllegalChars();
        FillSubpathIllegalChars();
        ForcedUnSuccessFullForm = new TForcedUnSuccessFullForm;
        SubFolderUnSuccessFullForm = new TSubFolderUnSuccessFullForm;
        frmMoreHelp = new TfrmMoreHelp;
        frmAltalanosHelp = new TfrmAltalanosHelp;
        page = std::make_unique<ManualPage>(main);
        page->InitialiseAtStart();
    }
    void TearDown() override {
        page.reset();
        delete frmAltalanosHelp;
        delete frmMoreHelp;
        delete SubFolderUnSuccessFullForm;
        delete ForcedUnSuccessFullForm;
        frmAltalanosHelp = nullptr;
        frmMoreHelp = nullptr;
        SubFolderUnSuccessFullForm = nullptr;
        ForcedUnSuccessFullForm = nullptr;
    }

    template <typename T> T* Find(const char* name) {
        T* widget = page->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    ui::ComboBox* Forced() { return Find<ui::ComboBox>("cboCreateFolderForced"); }
    ui::ComboBox* RootFolders() { return Find<ui::ComboBox>("cboRootFolders"); }
    ui::ComboBox* SubFolder() { return Find<ui::ComboBox>("cboSubFolder"); }
    ui::ListBox* Success() { return Find<ui::ListBox>("lstSuccess"); }
    ui::ListBox* SuccessSubFolders() { return Find<ui::ListBox>("lstSuccessSubFolders"); }
    std::string Preview() { return Find<QLabel>("lblSimple02CompleteFolder")->text().toStdString(); }
    QColor CaptionColour(const char* button) {
        return Find<QPushButton>(button)->palette().color(QPalette::ButtonText);
    }

    void CreateForced(const std::string& text) {
        Forced()->SetText(text);
        Find<QPushButton>("btnCreateFolderForced")->click();
    }
    void ChooseDestination(ScriptedDesktop& desktop, const std::string& folder) {
        desktop.ExpectBrowse(folder);
        Find<QPushButton>("btnAddRootFolders")->click();
    }
    // As a person types: the combo's change handler runs.
    void TypeSubFolder(const std::string& text) {
        SubFolder()->lineEdit()->setText(QString::fromStdString(text));
    }
    void CreateSubFolder(const std::string& text) {
        TypeSubFolder(text);
        Find<QPushButton>("btnCreateSubFolder")->click();
    }

    FakeMainWindow main;
    std::unique_ptr<ManualPage> page;
};

const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);

// --- Full paths ---------------------------------------------------------

TEST_F(ManualPageTest, TwoPathsInOneTextAreEachAskedForAndCreatedInOrder) {
    DriveSandbox drives("CD");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0110");
    CreateForced("D:\\one\\a D:\\two");

    ASSERT_EQ(desktop.Boxes().size(), 3u);
    const testsupport::ShownBox& first = desktop.Boxes()[0];
    EXPECT_EQ(first.caption, "Creating Folder(s).-Manually (1).            Information no: 0107.");
    EXPECT_EQ(first.text, "D:\\one\\a\nDo you want to create this folder ?\nClick YES to Continue Creating "
                          "folders,\nClick NO to Stop the Creating process.");
    EXPECT_EQ(first.icon, ui::Icon::Question);
    EXPECT_EQ(first.buttons, ui::Buttons::YesNo);
    EXPECT_EQ(first.defaultButton, ui::Answer::No);
    EXPECT_EQ(desktop.Boxes()[1].text.substr(0, 6), "D:\\two");
    const testsupport::ShownBox& end = desktop.Boxes()[2];
    EXPECT_EQ(end.caption, "Creating Folder(s).-Manually.            Information no: 0110.");
    EXPECT_EQ(end.text, "End of Creating Folders/Files !!!");
    EXPECT_EQ(end.icon, ui::Icon::Information);

    EXPECT_TRUE(drives.Exists("D:\\one\\a"));
    EXPECT_TRUE(drives.Exists("D:\\two"));
    EXPECT_EQ(Items(*Success()), (std::vector<std::string>{"D:\\one\\a", "D:\\two"}));
    EXPECT_EQ(Forced()->Items(), (std::vector<std::string>{"D:\\one\\a", "D:\\two"}));
    EXPECT_EQ(CaptionColour("btnForcedErrorLog"), Green);
}

TEST_F(ManualPageTest, SlashesAndDoubledBackslashesAreNormalisedInTheCombo) {
    DriveSandbox drives("CD");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0110");
    CreateForced("  D:/x//y\\\\z  ");
    EXPECT_EQ(Forced()->Text(), "D:\\x\\y\\z");
    EXPECT_TRUE(drives.Exists("D:\\x\\y\\z"));
    // Created once, listed once, whatever the case of a second request.
    desktop.ExpectBox("0108");
    desktop.ExpectBox("0109", ui::Answer::No);
    CreateForced("d:\\X\\Y\\Z");
    EXPECT_EQ(Forced()->Count(), 1);
}

TEST_F(ManualPageTest, NoForTheSecondOfThreePathsStopsWithoutEndMessage) {
    DriveSandbox drives("CD");
    TabWatchingDesktop desktop(main);
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0107", ui::Answer::No);
    CreateForced("D:\\a D:\\b D:\\c");
    EXPECT_EQ(desktop.BoxNumbers(), (Numbers{"0107", "0107"}));
    EXPECT_TRUE(drives.Exists("D:\\a"));
    EXPECT_FALSE(drives.Exists("D:\\b"));
    EXPECT_FALSE(drives.Exists("D:\\c"));
    EXPECT_TRUE(main.OtherTabsAre(true));
}

TEST_F(ManualPageTest, AnExistingPathIsLoggedAndYesShowsTheLogWindow) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\old");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0108");
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0109", ui::Answer::Yes);
    std::vector<std::string> shownExist, shownOther;
    desktop.ExpectModal("ForcedUnSuccessFullForm", [&](ui::Form& window) {
        auto& log = static_cast<TForcedUnSuccessFullForm&>(window);
        shownExist = log.lstForcedUnSuccessFullExist()->Items();
        shownOther = log.lstForcedUnSuccessFullOther()->Items();
    });
    CreateForced("D:\\old D:\\new");

    const testsupport::ShownBox& exists = desktop.Boxes()[0];
    EXPECT_EQ(exists.caption, "Creating Folder.                     Warning no: 0108.");
    EXPECT_EQ(exists.text,
              "This folder exists !\nAction : You must enter other text to create a valid folder.");
    EXPECT_EQ(exists.icon, ui::Icon::Warning);
    const testsupport::ShownBox& question = desktop.Boxes()[2];
    EXPECT_EQ(question.caption, "Creating Folder(s).- Manually.            Information no: 0109.");
    EXPECT_EQ(question.text,
              "End of Creating Folders/Files !!!\nThe Error Log is not empty !!!\nDo you want to see it ?");
    EXPECT_EQ(question.defaultButton, ui::Answer::No);
    EXPECT_EQ(shownExist, (std::vector<std::string>{"D:\\old"}));
    EXPECT_TRUE(shownOther.empty());
    EXPECT_TRUE(drives.Exists("D:\\new"));
    EXPECT_EQ(CaptionColour("btnForcedErrorLog"), Red);
}

TEST_F(ManualPageTest, AFolderThatCannotBeCreatedGoesToTheOtherReasonsLog) {
    DriveSandbox drives("CD");
    drives.MakeFile("D:\\taken", "a file, not a folder");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0109", ui::Answer::No);
    CreateForced("D:\\taken\\sub");
    EXPECT_EQ(page->GetForcedOtherLog(), (std::deque<std::string>{"D:\\taken\\sub"}));
    EXPECT_TRUE(page->GetForcedExistingLog().empty());
    EXPECT_EQ(Success()->Count(), 0);
    EXPECT_EQ(Forced()->Count(), 0);
}

TEST_F(ManualPageTest, RefusedTextsShowTheirRuleMessages) {
    DriveSandbox drives("CD");
    struct Case {
        std::string text, number, caption, message;
    };
    const std::vector<Case> cases = {
        {"nothing", "0104", "Creating Folder(s).-Manually (1).            Warning no: 0104.",
         "Not found any colon (:) in the text !!!!"},
        {"D:\\a*b", "0105", "Creating Folder(s).- Manually (1).            Warning no: 0105.",
         "Illegal character in the text : *"},
        {"Q:\\a", "0106", "Creating Folder(s).-From Folder List.            Warning no: 0106.",
         "There is no valid drive letter."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TabWatchingDesktop desktop(main);
        desktop.ExpectBox(c.number);
        CreateForced(c.text);
        ASSERT_EQ(desktop.Boxes().size(), 1u);
        EXPECT_EQ(desktop.LastBox().caption, c.caption);
        EXPECT_EQ(desktop.LastBox().text, c.message);
        EXPECT_EQ(desktop.LastBox().icon, ui::Icon::Warning);
        EXPECT_EQ(desktop.tabsDisabledDuringBox, std::vector<bool>{true});
        EXPECT_TRUE(main.OtherTabsAre(true));
    }
}

TEST_F(ManualPageTest, EnterInEitherComboCreates) {
    DriveSandbox drives("CD");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0110");
    Forced()->SetText("D:\\entered");
    emit Forced()->lineEdit()->returnPressed();
    EXPECT_TRUE(drives.Exists("D:\\entered"));

    ChooseDestination(desktop, "D:\\entered");
    desktop.ExpectBox("0119");
    TypeSubFolder("below");
    emit SubFolder()->lineEdit()->returnPressed();
    EXPECT_TRUE(drives.Exists("D:\\entered\\below"));
}

// --- Destination and subfolders -----------------------------------------

TEST_F(ManualPageTest, LeadingBackslashOrNotGivesTheSamePathBelowTheDestination) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\x");
    ScriptedDesktop desktop;
    ChooseDestination(desktop, "D:\\x");
    EXPECT_EQ(desktop.BrowseTitles(), std::vector<std::string>{"Select the Destination Directory."});
    EXPECT_EQ(RootFolders()->Text(), "D:\\x");

    TypeSubFolder("\\a\\b");
    EXPECT_EQ(Preview(), "D:\\x\\a\\b");
    desktop.ExpectBox("0119");
    Find<QPushButton>("btnCreateSubFolder")->click();
    EXPECT_TRUE(drives.Exists("D:\\x\\a\\b"));
    EXPECT_EQ(Items(*SuccessSubFolders()), std::vector<std::string>{"D:\\x\\a\\b"});
    EXPECT_EQ(SubFolder()->Items(), std::vector<std::string>{"\\a\\b"});
    EXPECT_EQ(desktop.LastBox().caption, "Creating Folder(s).-SubFolders.            Information no: 0119.");

    // The same folder without the leading backslash: it is there now.
    TypeSubFolder("a\\b");
    EXPECT_EQ(Preview(), "D:\\x\\a\\b");
    desktop.ExpectBox("0115");
    desktop.ExpectBox("0118", ui::Answer::No);
    Find<QPushButton>("btnCreateSubFolder")->click();
    EXPECT_EQ(page->GetSubFolderExistingLog(), std::deque<std::string>{"D:\\x\\a\\b"});
    EXPECT_EQ(desktop.Boxes()[1].caption, "Creating Folder.                     Warning no: 0115.");
    EXPECT_EQ(desktop.LastBox().caption, "Creating Folder(s).- SubFolder.            Information no: 0118.");
    EXPECT_EQ(CaptionColour("btnSubFolderErrorLog"), Red);
}

TEST_F(ManualPageTest, BelowADriveRootTheSubfolderGetsOneBackslash) {
    DriveSandbox drives("CD");
    ScriptedDesktop desktop;
    ChooseDestination(desktop, "D:\\");
    TypeSubFolder("new");
    EXPECT_EQ(Preview(), "D:\\new");
    desktop.ExpectBox("0119");
    Find<QPushButton>("btnCreateSubFolder")->click();
    EXPECT_EQ(Items(*SuccessSubFolders()), std::vector<std::string>{"D:\\new"});
    EXPECT_TRUE(drives.Exists("D:\\new"));
}

TEST_F(ManualPageTest, EmptyOrDriveSubfolderTextsAreRefusedThenTheEndMessage) {
    DriveSandbox drives("CD");
    TabWatchingDesktop desktop(main);
    ChooseDestination(desktop, "D:\\");
    desktop.ExpectBox("0117");
    desktop.ExpectBox("0119");
    CreateSubFolder("");
    EXPECT_EQ(desktop.Boxes()[0].text,
              "The text field is empty !\nAction : You must enter other text to create a valid path.");
    desktop.ExpectBox("0116");
    desktop.ExpectBox("0119");
    CreateSubFolder("C:\\elsewhere");
    EXPECT_EQ(desktop.Boxes()[2].caption, "Creating Folder.                     Warning no: 0116.");
    EXPECT_EQ(
        desktop.Boxes()[2].text,
        "There is a drive letter in text !\nAction : You can't enter a drive letter to Subfolder field.");
    EXPECT_FALSE(drives.Exists("C:\\elsewhere"));
    EXPECT_EQ(desktop.tabsDisabledDuringBox, (std::vector<bool>{true, true, true, true}));
    EXPECT_TRUE(main.OtherTabsAre(true));
}

TEST_F(ManualPageTest, ACancelledBrowseKeepsThePreviousDestination) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\x");
    ScriptedDesktop desktop;
    ChooseDestination(desktop, "D:\\x");
    ChooseDestination(desktop, "");
    EXPECT_TRUE(desktop.Boxes().empty());
    EXPECT_EQ(page->GetManualRootFolder(), "D:\\x");
    EXPECT_EQ(RootFolders()->Text(), "D:\\x");

    desktop.ExpectBox("0119");
    CreateSubFolder("a");
    EXPECT_TRUE(drives.Exists("D:\\x\\a"));
}

TEST_F(ManualPageTest, ACancelledBrowseWithoutAnyDestinationWarns) {
    DriveSandbox drives("CD");
    ScriptedDesktop desktop;
    desktop.ExpectBrowse("");
    desktop.ExpectBox("0112");
    Find<QPushButton>("btnAddRootFolders")->click();
    EXPECT_EQ(desktop.LastBox().caption, "Creating Folder.                     Warning no: 0112.");
    EXPECT_EQ(desktop.LastBox().text,
              "The selection field is empty !\nAction : You must select a root directory "
              "to create a valid folder.");
    EXPECT_EQ(page->GetManualRootFolder(), "");
}

TEST_F(ManualPageTest, WithoutADestinationWithADrivePartNothingIsCreated) {
    DriveSandbox drives("CD");
    // Nothing chosen yet: a one-letter name would otherwise pass for a root.
    for (const std::string name : {"a", "longer"}) {
        SCOPED_TRACE(name);
        ScriptedDesktop desktop;
        desktop.ExpectBox("0112");
        desktop.ExpectBox("0119");
        CreateSubFolder(name);
        EXPECT_FALSE(drives.Exists("C:\\" + name));
        EXPECT_FALSE(drives.Exists("D:\\" + name));
        EXPECT_EQ(SuccessSubFolders()->Count(), 0);
        EXPECT_TRUE(main.OtherTabsAre(true));
    }
    // A destination text without a drive, chosen from the list.
    RootFolders()->AddItem("relative");
    RootFolders()->SetItemIndex(0);
    emit RootFolders()->activated(0);
    EXPECT_EQ(page->GetManualRootFolder(), "relative");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0112");
    desktop.ExpectBox("0119");
    CreateSubFolder("a");
    EXPECT_FALSE(drives.Exists("C:\\relative"));
    EXPECT_EQ(SuccessSubFolders()->Count(), 0);
}

TEST_F(ManualPageTest, ChoosingADestinationFromTheListTakesIt) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\one");
    drives.MakeFolder("D:\\two");
    ScriptedDesktop desktop;
    ChooseDestination(desktop, "D:\\one");
    ChooseDestination(desktop, "D:\\two");
    EXPECT_EQ(RootFolders()->Items(), (std::vector<std::string>{"D:\\one", "D:\\two"}));
    RootFolders()->SetItemIndex(0);
    emit RootFolders()->activated(0);
    EXPECT_EQ(page->GetManualRootFolder(), "D:\\one");
    TypeSubFolder("s");
    EXPECT_EQ(Preview(), "D:\\one\\s");
    // Typing into the destination alone changes nothing.
    RootFolders()->SetText("D:\\typed");
    TypeSubFolder("t");
    EXPECT_EQ(Preview(), "D:\\one\\t");
}

TEST_F(ManualPageTest, ASubfolderThatCannotBeCreatedGoesToTheLogWindow) {
    DriveSandbox drives("CD");
    drives.MakeFile("D:\\x\\file");
    ScriptedDesktop desktop;
    ChooseDestination(desktop, "D:\\x");
    desktop.ExpectBox("0118", ui::Answer::Yes);
    std::vector<std::string> shownOther;
    desktop.ExpectModal("SubFolderUnSuccessFullForm", [&](ui::Form& window) {
        shownOther =
            static_cast<TSubFolderUnSuccessFullForm&>(window).lstSubFolderUnSuccessFullOther()->Items();
    });
    CreateSubFolder("file\\below");
    EXPECT_EQ(shownOther, std::vector<std::string>{"D:\\x\\file\\below"});
    EXPECT_EQ(SuccessSubFolders()->Count(), 0);
}

TEST_F(ManualPageTest, ViewingTheDestination) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\x");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0114");
    Find<QPushButton>("btnSubViewDestFolder")->click();
    EXPECT_EQ(desktop.LastBox().caption, "Creating Folder(s).\t\t\t            Warning no: 0114.");
    EXPECT_TRUE(desktop.ShellOpens().empty());

    ChooseDestination(desktop, "D:\\x");
    Find<QPushButton>("btnSubViewDestFolder")->click();
    Find<QCheckBox>("chkSubViewDestFolder")->setChecked(true);
    desktop.ExpectBox("0119");
    CreateSubFolder("shown");
    EXPECT_EQ(desktop.ShellOpens(), (std::vector<std::string>{"D:\\x", "D:\\x"}));
}

// --- The rest of the page -------------------------------------------------

TEST_F(ManualPageTest, ErrorLogCaptionsAreGreenAfterACleanRunAndRedOtherwise) {
    DriveSandbox drives("CD");
    EXPECT_EQ(CaptionColour("btnForcedErrorLog"), Green);
    EXPECT_EQ(CaptionColour("btnSubFolderErrorLog"), Green);
    EXPECT_EQ(Success()->HorizontalExtent(), 3000);
    EXPECT_EQ(SuccessSubFolders()->HorizontalExtent(), 3000);

    drives.MakeFolder("D:\\there");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0108");
    desktop.ExpectBox("0109", ui::Answer::No);
    CreateForced("D:\\there");
    EXPECT_EQ(CaptionColour("btnForcedErrorLog"), Red);
    EXPECT_EQ(CaptionColour("btnSubFolderErrorLog"), Green);

    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0110");
    CreateForced("D:\\fresh");
    EXPECT_EQ(CaptionColour("btnForcedErrorLog"), Green);
    EXPECT_TRUE(page->GetForcedExistingLog().empty());
}

TEST_F(ManualPageTest, TheOtherTabsAreDisabledDuringEveryBoxAndEnabledAfterEveryRun) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\exists");
    TabWatchingDesktop desktop(main);
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0110");
    CreateForced("D:\\made");
    EXPECT_TRUE(main.OtherTabsAre(true));
    desktop.ExpectBox("0108");
    desktop.ExpectBox("0109", ui::Answer::Yes);
    desktop.ExpectModal("ForcedUnSuccessFullForm");
    CreateForced("D:\\exists");
    EXPECT_TRUE(main.OtherTabsAre(true));
    desktop.ExpectBox("0112");
    desktop.ExpectBox("0119");
    CreateSubFolder("x");
    EXPECT_TRUE(main.OtherTabsAre(true));
    EXPECT_EQ(desktop.tabsDisabledDuringBox, std::vector<bool>(6, true));
}

TEST_F(ManualPageTest, HelpShowsTheManualTopicWithFurtherHelp) {
    ScriptedDesktop desktop;
    frmAltalanosHelp->SetMoreHelpVisible(false);
    std::string firstLine;
    bool moreHelp = false;
    desktop.ExpectModal("frmAltalanosHelp", [&](ui::Form& window) {
        auto& help = static_cast<TfrmAltalanosHelp&>(window);
        firstLine = help.lstAltalanosHelp()->Text(0);
        moreHelp = help.MoreHelpVisible();
    });
    Find<QPushButton>("btnForcedHelp")->click();
    EXPECT_NE(firstLine.find("MANUALLY"), std::string::npos) << firstLine;
    EXPECT_TRUE(moreHelp);
}

// Leaves a picture of the page beside the test program, for a person to look at.
TEST_F(ManualPageTest, TheGrabbedPageShowsItsControls) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\Projects");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0110");
    CreateForced("D:\\Projects\\2026\\Reports");
    ChooseDestination(desktop, "D:\\Projects");
    desktop.ExpectBox("0119");
    CreateSubFolder("Letters\\2026");

    page->resize(1053, 660);
    const QImage image = page->grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 1053);
    const QString file = QDir(QCoreApplication::applicationDirPath()).filePath("ManualPage.png");
    EXPECT_TRUE(image.save(file));
}

} // namespace
