// The manual page: full paths typed into a combo box, subfolders below a
// chosen destination, the error logs and their windows, and the other tabs.

#include "app/ManualPage.h"
#include "app/TfrmMain.h"
#include "platform/Drives.h"
#include "support/DriveSandbox.h"
#include "support/PictureShows.h"

#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/MainWindowServices.h"
#include "tools/TForcedUnSuccessFullForm.h"
#include "tools/TSubFolderUnSuccessFullForm.h"
#include "tools/TfrmAltalanosHelp.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"
#include <QApplication>

#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
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
    void SetTabEnabled(const std::string& tabName, bool enabled) override {
        enabled_[tabName] = enabled;
        if (enabled && page != nullptr && !focusWhenEnabled)
            focusWhenEnabled = page->focusWidget();
    }
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

    // Where the page's focus was when the first tab came back.
    const QWidget* page = nullptr;
    QWidget* focusWhenEnabled = nullptr;

private:
    std::map<std::string, bool> enabled_;
    MainWindowTexts texts_;
};

// Also notes, for every box, what the probe said while the box was up.
class BoxWatchingDesktop : public ScriptedDesktop {
public:
    explicit BoxWatchingDesktop(std::function<bool()> probe) : probe_(std::move(probe)) {}
    ui::Answer MessageBox(const ui::MessageBoxRequest& request) override {
        duringBox.push_back(probe_());
        return ScriptedDesktop::MessageBox(request);
    }
    std::vector<bool> duringBox;

private:
    std::function<bool()> probe_;
};

// Whether the other tabs were out of reach while each box was up.
class TabWatchingDesktop : public BoxWatchingDesktop {
public:
    explicit TabWatchingDesktop(const FakeMainWindow& main)
        : BoxWatchingDesktop([&main] { return main.OtherTabsAre(false); }) {}
};

std::vector<std::string> Items(const ui::ListBox& list) {
    return list.Items();
}

enum class Kind { Warning, Question, Information };

// A box as the page must show it: its exact caption and text, and the icon
// and buttons of its kind, owned by a window.
void ExpectBoxIs(const testsupport::ShownBox& box, const std::string& caption, const std::string& text,
                 Kind kind) {
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(box.text, text);
    EXPECT_TRUE(box.hasOwner) << caption;
    switch (kind) {
    case Kind::Warning:
        EXPECT_EQ(box.icon, ui::Icon::Warning) << caption;
        EXPECT_EQ(box.buttons, ui::Buttons::Ok) << caption;
        break;
    case Kind::Information:
        EXPECT_EQ(box.icon, ui::Icon::Information) << caption;
        EXPECT_EQ(box.buttons, ui::Buttons::Ok) << caption;
        break;
    case Kind::Question:
        EXPECT_EQ(box.icon, ui::Icon::Question) << caption;
        EXPECT_EQ(box.buttons, ui::Buttons::YesNo) << caption;
        EXPECT_EQ(box.defaultButton, ui::Answer::No) << caption;
        break;
    }
}

const char* const FolderExistsText =
    "This folder exists !\nAction : You must enter other text to create a valid folder.";
const char* const ShowErrorLogText =
    "End of Creating Folders/Files !!!\nThe Error Log is not empty !!!\nDo you want to see it ?";
const char* const EndText = "End of Creating Folders/Files !!!";
const char* const NoRootFolderText =
    "The selection field is empty !\nAction : You must select a root directory to create a valid folder.";

// A key goes to the focus widget, which for an editable combo is the combo
// itself (its line edit hands the focus on to it).
void PressKey(QWidget* widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(widget, &release);
}

// The page on its own, beside the program's windows (the log and help windows
// it shows are the program's own).
class ManualPageTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        page = std::make_unique<ManualPage>(main);
        main.page = page.get();
        page->InitialiseAtStart();
    }
    void TearDown() override {
        main.page = nullptr;
        page.reset();
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
    ExpectBoxIs(desktop.Boxes()[0], "Creating Folder(s).-Manually (1).            Information no: 0107.",
                "D:\\one\\a\nDo you want to create this folder ?\nClick YES to Continue Creating "
                "folders,\nClick NO to Stop the Creating process.",
                Kind::Question);
    EXPECT_EQ(desktop.Boxes()[1].text.substr(0, 7), "D:\\two\n");
    ExpectBoxIs(desktop.Boxes()[2], "Creating Folder(s).-Manually.            Information no: 0110.", EndText,
                Kind::Information);

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

    // Made again after someone removed it, typed in other letters: listed as
    // created again, but the combo keeps one item for it.
    QDir(QString::fromStdString(drives.Host("D:\\x\\y\\z"))).removeRecursively();
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0110");
    CreateForced("d:\\X\\Y\\Z");
    EXPECT_EQ(Forced()->Items(), std::vector<std::string>{"D:\\x\\y\\z"});
    EXPECT_EQ(Items(*Success()), (std::vector<std::string>{"D:\\x\\y\\z", "d:\\X\\Y\\Z"}));
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
    EXPECT_EQ(Items(*Success()), std::vector<std::string>{"D:\\a"});
    EXPECT_TRUE(main.OtherTabsAre(true));
}

TEST_F(ManualPageTest, AnExistingPathIsLoggedAndYesShowsTheLogWindow) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\old");
    // What an earlier showing left in the window goes first.
    ForcedUnSuccessFullForm->lstForcedUnSuccessFullExist()->AddItem("D:\\stale");
    ForcedUnSuccessFullForm->lstForcedUnSuccessFullOther()->AddItem("D:\\stale");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0108");
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0109", ui::Answer::Yes);
    std::vector<std::string> shownExist, shownOther;
    std::string otherLabel;
    desktop.ExpectModal("ForcedUnSuccessFullForm", [&](ui::Form& window) {
        auto& log = static_cast<TForcedUnSuccessFullForm&>(window);
        shownExist = log.lstForcedUnSuccessFullExist()->Items();
        shownOther = log.lstForcedUnSuccessFullOther()->Items();
        otherLabel = log.findChild<QLabel*>("Label2")->text().toStdString();
    });
    CreateForced("D:\\old D:\\new");

    ASSERT_EQ(desktop.Boxes().size(), 3u);
    ExpectBoxIs(desktop.Boxes()[0], "Creating Folder.                     Warning no: 0108.",
                FolderExistsText, Kind::Warning);
    ExpectBoxIs(desktop.Boxes()[2], "Creating Folder(s).- Manually.            Information no: 0109.",
                ShowErrorLogText, Kind::Question);
    EXPECT_EQ(shownExist, (std::vector<std::string>{"D:\\old"}));
    EXPECT_TRUE(shownOther.empty());
    EXPECT_EQ(otherLabel, "Folders, that were not created for other reasons:");
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
    EXPECT_EQ(CaptionColour("btnForcedErrorLog"), Red);
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
        ExpectBoxIs(desktop.LastBox(), c.caption, c.message, Kind::Warning);
        EXPECT_EQ(desktop.duringBox, std::vector<bool>{true});
        EXPECT_TRUE(main.OtherTabsAre(true));
    }
    // A refused path among others ends the run there: no question for the
    // rest, no end message.
    ScriptedDesktop desktop;
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0106");
    CreateForced("D:\\first Q:\\gone D:\\third");
    EXPECT_EQ(desktop.BoxNumbers(), (Numbers{"0107", "0106"}));
    EXPECT_TRUE(drives.Exists("D:\\first"));
    EXPECT_FALSE(drives.Exists("D:\\third"));
}

TEST_F(ManualPageTest, TheEnterKeyInEitherComboCreatesOnce) {
    DriveSandbox drives("CD");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0107", ui::Answer::Yes);
    desktop.ExpectBox("0110");
    Forced()->SetText("D:\\entered");
    PressKey(Forced(), Qt::Key_Return);
    EXPECT_TRUE(drives.Exists("D:\\entered"));
    EXPECT_EQ(desktop.BoxNumbers(), (Numbers{"0107", "0110"}));

    ChooseDestination(desktop, "D:\\entered");
    desktop.ExpectBox("0119");
    TypeSubFolder("below");
    PressKey(SubFolder(), Qt::Key_Enter);
    EXPECT_TRUE(drives.Exists("D:\\entered\\below"));
    EXPECT_EQ(desktop.BoxNumbers(), (Numbers{"0107", "0110", "0119"}));
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
    ExpectBoxIs(desktop.LastBox(), "Creating Folder(s).-SubFolders.            Information no: 0119.",
                EndText, Kind::Information);

    // The same folder without the leading backslash: it is there now.
    TypeSubFolder("a\\b");
    EXPECT_EQ(Preview(), "D:\\x\\a\\b");
    desktop.ExpectBox("0115");
    desktop.ExpectBox("0118", ui::Answer::No);
    Find<QPushButton>("btnCreateSubFolder")->click();
    EXPECT_EQ(page->GetSubFolderExistingLog(), std::deque<std::string>{"D:\\x\\a\\b"});
    ExpectBoxIs(desktop.Boxes()[1], "Creating Folder.                     Warning no: 0115.",
                FolderExistsText, Kind::Warning);
    ExpectBoxIs(desktop.LastBox(), "Creating Folder(s).- SubFolder.            Information no: 0118.",
                ShowErrorLogText, Kind::Question);
    EXPECT_EQ(CaptionColour("btnSubFolderErrorLog"), Red);
    EXPECT_EQ(SubFolder()->Items(), std::vector<std::string>{"\\a\\b"});
}

TEST_F(ManualPageTest, BelowADriveRootThePathKeepsBothBackslashes) {
    DriveSandbox drives("CD");
    ScriptedDesktop desktop;
    ChooseDestination(desktop, "D:\\");
    TypeSubFolder("new");
    EXPECT_EQ(Preview(), "D:\\\\new");
    TypeSubFolder("\\new");
    EXPECT_EQ(Preview(), "D:\\\\new");
    desktop.ExpectBox("0119");
    Find<QPushButton>("btnCreateSubFolder")->click();
    EXPECT_EQ(Items(*SuccessSubFolders()), std::vector<std::string>{"D:\\\\new"});
    EXPECT_TRUE(drives.Exists("D:\\new"));
}

TEST_F(ManualPageTest, EmptyOrDriveSubfolderTextsAreRefusedThenTheEndMessage) {
    DriveSandbox drives("CD");
    TabWatchingDesktop desktop(main);
    ChooseDestination(desktop, "D:\\");
    desktop.ExpectBox("0117");
    desktop.ExpectBox("0119");
    CreateSubFolder("");
    ExpectBoxIs(desktop.Boxes()[0], "Creating Folder.                     Warning no: 0117.",
                "The text field is empty !\nAction : You must enter other text to create a valid path.",
                Kind::Warning);
    desktop.ExpectBox("0116");
    desktop.ExpectBox("0119");
    CreateSubFolder("C:\\elsewhere");
    ExpectBoxIs(
        desktop.Boxes()[2], "Creating Folder.                     Warning no: 0116.",
        "There is a drive letter in text !\nAction : You can't enter a drive letter to Subfolder field.",
        Kind::Warning);
    EXPECT_FALSE(drives.Exists("C:\\elsewhere"));
    EXPECT_EQ(desktop.duringBox, (std::vector<bool>{true, true, true, true}));
    EXPECT_TRUE(main.OtherTabsAre(true));
    EXPECT_EQ(SubFolder()->Count(), 0);
}

TEST_F(ManualPageTest, ACancelledBrowseWarnsAndKeepsThePreviousDestination) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\x");
    ScriptedDesktop desktop;
    ChooseDestination(desktop, "D:\\x");
    desktop.ExpectBrowse("");
    desktop.ExpectBox("0112");
    Find<QPushButton>("btnAddRootFolders")->click();
    ExpectBoxIs(desktop.LastBox(), "Creating Folder.                     Warning no: 0112.", NoRootFolderText,
                Kind::Warning);
    EXPECT_EQ(page->GetManualRootFolder(), "D:\\x");
    EXPECT_EQ(RootFolders()->Text(), "D:\\x");

    desktop.ExpectBox("0119");
    CreateSubFolder("a");
    EXPECT_TRUE(drives.Exists("D:\\x\\a"));
    EXPECT_EQ(Items(*SuccessSubFolders()), std::vector<std::string>{"D:\\x\\a"});
}

TEST_F(ManualPageTest, WithoutADestinationWithADrivePartNothingIsCreated) {
    DriveSandbox drives("CD");
    // Nothing chosen yet, or the first Browse cancelled: a one-letter name
    // would otherwise pass for a root.
    ScriptedDesktop cancelled;
    cancelled.ExpectBrowse("");
    cancelled.ExpectBox("0112");
    Find<QPushButton>("btnAddRootFolders")->click();
    EXPECT_EQ(page->GetManualRootFolder(), "");
    for (const std::string name : {"a", "longer"}) {
        SCOPED_TRACE(name);
        ScriptedDesktop desktop;
        desktop.ExpectBox("0112");
        desktop.ExpectBox("0119");
        CreateSubFolder(name);
        ExpectBoxIs(desktop.Boxes()[0], "Creating Folder.                     Warning no: 0112.",
                    NoRootFolderText, Kind::Warning);
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

TEST_F(ManualPageTest, AFolderThatIsNotThereAfterwardsIsNotListedAsCreated) {
    // The destination's drive went away after it was chosen. Below its root,
    // "\" makes a path the folder routine takes for a root: it answers true
    // and creates nothing.
    DriveSandbox drives("CDQ");
    ScriptedDesktop desktop;
    ChooseDestination(desktop, "Q:\\");
    platform::UnmapDrive('Q');
    desktop.ExpectBox("0118", ui::Answer::No);
    CreateSubFolder("\\");
    EXPECT_EQ(SuccessSubFolders()->Count(), 0);
    EXPECT_EQ(SubFolder()->Count(), 0);
    EXPECT_EQ(page->GetSubFolderOtherLog(), std::deque<std::string>{"Q:\\\\"});
    EXPECT_TRUE(page->GetSubFolderExistingLog().empty());
}

TEST_F(ManualPageTest, ChoosingADestinationFromTheListTakesIt) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\one");
    drives.MakeFolder("D:\\two");
    ScriptedDesktop desktop;
    ChooseDestination(desktop, "D:\\one");
    ChooseDestination(desktop, "D:\\two");
    EXPECT_EQ(RootFolders()->Items(), (std::vector<std::string>{"D:\\one", "D:\\two"}));
    // Browsing again to a folder the list holds shows it without a second item.
    ChooseDestination(desktop, "D:\\one");
    EXPECT_EQ(RootFolders()->Items(), (std::vector<std::string>{"D:\\one", "D:\\two"}));
    EXPECT_EQ(RootFolders()->Text(), "D:\\one");

    RootFolders()->SetItemIndex(1);
    emit RootFolders()->activated(1);
    EXPECT_EQ(page->GetManualRootFolder(), "D:\\two");
    TypeSubFolder("s");
    EXPECT_EQ(Preview(), "D:\\two\\s");
    // Typing into the destination alone changes nothing.
    RootFolders()->SetText("D:\\typed");
    TypeSubFolder("t");
    EXPECT_EQ(Preview(), "D:\\two\\t");
    EXPECT_EQ(page->GetManualRootFolder(), "D:\\two");
}

TEST_F(ManualPageTest, ChoosingAnEmptyItemWarns) {
    DriveSandbox drives("CD");
    ScriptedDesktop desktop;
    ChooseDestination(desktop, "D:\\");
    RootFolders()->AddItem("");
    RootFolders()->SetItemIndex(1);
    desktop.ExpectBox("0113");
    emit RootFolders()->activated(1);
    ExpectBoxIs(desktop.LastBox(), "Creating Folder.                     Warning no: 0113.", NoRootFolderText,
                Kind::Warning);
    EXPECT_EQ(page->GetManualRootFolder(), "");
    EXPECT_EQ(RootFolders()->Count(), 2);
}

TEST_F(ManualPageTest, ASubfolderThatCannotBeCreatedGoesToTheLogWindow) {
    DriveSandbox drives("CD");
    drives.MakeFile("D:\\x\\file");
    SubFolderUnSuccessFullForm->lstSubFolderUnSuccessFullExist()->AddItem("D:\\stale");
    ScriptedDesktop desktop;
    ChooseDestination(desktop, "D:\\x");
    desktop.ExpectBox("0118", ui::Answer::Yes);
    std::vector<std::string> shownExist, shownOther;
    std::string otherLabel;
    desktop.ExpectModal("SubFolderUnSuccessFullForm", [&](ui::Form& window) {
        auto& log = static_cast<TSubFolderUnSuccessFullForm&>(window);
        shownExist = log.lstSubFolderUnSuccessFullExist()->Items();
        shownOther = log.lstSubFolderUnSuccessFullOther()->Items();
        otherLabel = log.findChild<QLabel*>("Label2")->text().toStdString();
    });
    CreateSubFolder("file\\below");
    EXPECT_TRUE(shownExist.empty());
    EXPECT_EQ(shownOther, std::vector<std::string>{"D:\\x\\file\\below"});
    EXPECT_EQ(otherLabel, "Folders, that were not created for other reasons:");
    EXPECT_EQ(SuccessSubFolders()->Count(), 0);
    EXPECT_EQ(SubFolder()->Count(), 0);
}

TEST_F(ManualPageTest, ViewingTheDestination) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\x");
    ScriptedDesktop desktop;
    desktop.ExpectBox("0114");
    RootFolders()->SetText("   ");
    Find<QPushButton>("btnSubViewDestFolder")->click();
    ExpectBoxIs(
        desktop.LastBox(), "Creating Folder(s).\t\t\t            Warning no: 0114.",
        "The selection field is empty !\nAction : You must select a folder with subfolders structure.",
        Kind::Warning);
    EXPECT_TRUE(desktop.ShellOpens().empty());

    ChooseDestination(desktop, "D:\\x");
    RootFolders()->SetText(" D:\\x ");
    Find<QPushButton>("btnSubViewDestFolder")->click();
    Find<QCheckBox>("chkSubViewDestFolder")->setChecked(true);
    desktop.ExpectBox("0119");
    CreateSubFolder("shown");
    // Nothing new to show when the folder was there already.
    desktop.ExpectBox("0115");
    desktop.ExpectBox("0118", ui::Answer::No);
    CreateSubFolder("shown");
    EXPECT_EQ(desktop.ShellOpens(), (std::vector<std::string>{"D:\\x", "D:\\x"}));
}

// --- The rest of the page -------------------------------------------------

TEST_F(ManualPageTest, ControlsCarryTheirCaptionsAndHints) {
    struct Control {
        const char* name;
        const char* caption; // nullptr: not a captioned control
        const char* hint;    // nullptr: none given
    };
    const Control controls[] = {
        {"Label2", "Creating Full Paths - Manually.", nullptr},
        {"Label3", "Full path (Folder Name with drive letter) :", nullptr},
        {"cboCreateFolderForced", nullptr,
         "Enter or select  the complete folder name with drive letter and eventually subfolders."},
        {"btnCreateFolderForced", "Create Folder", "Create folder entered or selected in the  combo box."},
        {"Label4", "Successfully created folders :", nullptr},
        {"btnForcedErrorLog", "Error Log", "Folders, that were not created for some reasons."},
        {"Label8", "Creating Folders - Manually.", nullptr},
        {"Label5", "Destination  folder name:", nullptr},
        {"cboRootFolders", nullptr, "Enter or select the destination folder."},
        {"btnAddRootFolders", "Browse", "Enter the destination folder."},
        {"Label6", "Subfolder(s) name(s):", nullptr},
        {"cboSubFolder", nullptr, "Enter or select the subfolder structure."},
        {"Label1", "Preview :", nullptr},
        {"btnCreateSubFolder", "Create Folder",
         "Create the folder structure from the destination folder and subfolder structure."},
        {"chkSubViewDestFolder", "View D. Folder", "View destination folder after the creating process."},
        {"btnSubViewDestFolder", "View", "View the Destination Folder."},
        {"Label7", "Successfully created folders:", nullptr},
        {"btnSubFolderErrorLog", "Error Log", nullptr},
        {"btnForcedHelp", nullptr, "Help for this page."},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = Find<QWidget>(c.name);
        ASSERT_NE(widget, nullptr);
        if (c.caption) {
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                EXPECT_EQ(label->text().toStdString(), c.caption);
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                EXPECT_EQ(button->text().toStdString(), c.caption);
            } else {
                ADD_FAILURE() << "no caption";
            }
        }
        if (c.hint) {
            EXPECT_EQ(widget->toolTip().toStdString(), c.hint);
        }
    }
    for (const char* name : {"lstSuccess", "lstSuccessSubFolders", "lblSimple02CompleteFolder"})
        EXPECT_NE(page->findChild<QWidget*>(name), nullptr) << name;
}

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

    // A refused text is a run too: it empties the logs and turns the caption green.
    desktop.ExpectBox("0104");
    CreateForced("nothing");
    EXPECT_EQ(CaptionColour("btnForcedErrorLog"), Green);
    EXPECT_TRUE(page->GetForcedExistingLog().empty());

    desktop.ExpectBox("0108");
    desktop.ExpectBox("0109", ui::Answer::No);
    CreateForced("D:\\there");
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
    EXPECT_EQ(desktop.duringBox, std::vector<bool>(6, true));
}

TEST_F(ManualPageTest, TheFocusGoesBackToTheCombosBeforeTheTabsComeBack) {
    DriveSandbox drives("CD");
    ScriptedDesktop desktop;
    Find<QPushButton>("btnForcedHelp")->setFocus();
    desktop.ExpectBox("0104");
    CreateForced("nothing");
    QWidget* forced = Forced();
    EXPECT_TRUE(main.focusWhenEnabled == forced || main.focusWhenEnabled == Forced()->lineEdit())
        << (main.focusWhenEnabled ? main.focusWhenEnabled->objectName().toStdString() : "none");

    main.focusWhenEnabled = nullptr;
    Find<QPushButton>("btnForcedHelp")->setFocus();
    desktop.ExpectBox("0117");
    desktop.ExpectBox("0119");
    CreateSubFolder("");
    QWidget* sub = SubFolder();
    EXPECT_TRUE(main.focusWhenEnabled == sub || main.focusWhenEnabled == SubFolder()->lineEdit())
        << (main.focusWhenEnabled ? main.focusWhenEnabled->objectName().toStdString() : "none");
}

TEST_F(ManualPageTest, ShowingThePageFocusesTheFullPathCombo) {
    Find<QPushButton>("btnForcedHelp")->setFocus();
    page->show();
    QWidget* focus = page->focusWidget();
    EXPECT_TRUE(focus == Forced() || focus == Forced()->lineEdit())
        << (focus ? focus->objectName().toStdString() : "none");
    page->hide();
}

// Lines pasted into the subfolder field, as a person pastes them, in the main
// window: the preview names each folder the creation then makes, on its one
// line, and no control of the page moves.
TEST_F(ManualPageTest, PastedSubfoldersArePreviewedEachWithoutMovingThePage) {
    DriveSandbox drives("CD");
    drives.MakeFolder("D:\\W");
    ScriptedDesktop desktop;
    ManualPage& real = frmMain->ManualFoldersPage();
    QLineEdit* field = real.findChild<ui::ComboBox*>("cboSubFolder")->lineEdit();
    const auto* preview = real.findChild<QLabel*>("lblSimple02CompleteFolder");
    desktop.ExpectBrowse("D:\\W");
    real.findChild<QPushButton*>("btnAddRootFolders")->click();
    frmMain->show();
    frmMain->ShowTab("tabFolderCreate01");
    const auto places = [&] {
        QApplication::processEvents(); // the page laid out for what it shows
        std::string where;
        for (const QWidget* control : real.findChildren<QWidget*>()) {
            // The controls of the form; a list's or a combo's own parts follow what they show.
            if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
                continue;
            const QPoint at = control->mapTo(&real, QPoint(0, 0));
            where += control->objectName().toStdString() + " at " + std::to_string(at.x()) + "," +
                     std::to_string(at.y()) + " " + std::to_string(control->width()) + "x" +
                     std::to_string(control->height()) + "\n";
        }
        return where;
    };
    auto* made = real.findChild<ui::ListBox*>("lstSuccessSubFolders");
    field->setText("one");
    const std::string typed = places();

    const struct {
        const char* pasted;
        std::string preview;
        Numbers made;
    } pastes[] = {
        {"s1\r\ns2\n", "D:\\W\\s1  |  D:\\W\\s2", {"D:\\W\\s1", "D:\\W\\s2"}},
        // A line copied with its line break is that one folder.
        {"s3\n", "D:\\W\\s3", {"D:\\W\\s3"}},
    };
    for (const auto& paste : pastes) {
        SCOPED_TRACE(paste.pasted);
        made->Clear();
        field->selectAll();
        QApplication::clipboard()->setText(paste.pasted);
        field->paste();
        EXPECT_EQ(preview->text().toStdString(), paste.preview);
        EXPECT_EQ(places(), typed);
        desktop.ExpectBox("0119");
        real.findChild<QPushButton*>("btnCreateSubFolder")->click();
        EXPECT_EQ(Items(*made), paste.made);
    }
}

TEST_F(ManualPageTest, InTheMainWindowOnlyTheManualTabStaysInReachDuringARun) {
    TfrmMain& mainWindow = *frmMain;
    ManualPage& real = mainWindow.ManualFoldersPage();
    QTabWidget* tabs = mainWindow.pgeMain();
    const int manualTab = tabs->indexOf(tabs->findChild<QWidget*>("tabFolderCreate01"));
    ASSERT_GE(manualTab, 0);
    const auto onlyManualEnabled = [&] {
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->isTabEnabled(i) != (i == manualTab))
                return false;
        return true;
    };
    const auto allEnabled = [&] {
        for (int i = 0; i < tabs->count(); ++i)
            if (!tabs->isTabEnabled(i))
                return false;
        return true;
    };
    // The start-up's share.
    auto* forcedLog = real.findChild<QPushButton*>("btnForcedErrorLog");
    auto* subLog = real.findChild<QPushButton*>("btnSubFolderErrorLog");
    EXPECT_EQ(forcedLog->palette().color(QPalette::ButtonText), Green);
    EXPECT_EQ(subLog->palette().color(QPalette::ButtonText), Green);
    EXPECT_EQ(real.findChild<ui::ListBox*>("lstSuccess")->HorizontalExtent(), 3000);
    EXPECT_EQ(real.findChild<ui::ListBox*>("lstSuccessSubFolders")->HorizontalExtent(), 3000);

    DriveSandbox drives("CD");
    BoxWatchingDesktop desktop(onlyManualEnabled);
    desktop.ExpectBox("0104");
    real.findChild<ui::ComboBox*>("cboCreateFolderForced")->SetText("nothing");
    real.findChild<QPushButton*>("btnCreateFolderForced")->click();
    EXPECT_TRUE(allEnabled());
    desktop.ExpectBox("0117");
    desktop.ExpectBox("0119");
    real.findChild<ui::ComboBox*>("cboSubFolder")->lineEdit()->clear();
    real.findChild<QPushButton*>("btnCreateSubFolder")->click();
    EXPECT_TRUE(allEnabled());
    EXPECT_EQ(desktop.duringBox, std::vector<bool>(3, true));
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

// A picture of the page shows what the page shows, and can be written.
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
    page->show();
    QApplication::processEvents();
    const QPixmap picture = page->grab();
    page->hide();
    const QImage image = picture.toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 1053);
    // The list of what was created is in the picture, where it can be read.
    QWidget* success = page->findChild<QWidget*>("lstSuccess");
    ASSERT_NE(success, nullptr);
    EXPECT_TRUE(testsupport::PictureShows(picture, *page, *success));
    EXPECT_TRUE(testsupport::PictureShowsText(picture, *page, *success, "D:\\Projects\\2026\\Reports"));
    // The picture goes to the test's own temporary folder, never beside the
    // test program.
    const QTemporaryDir pictures;
    ASSERT_TRUE(pictures.isValid());
    const QString file = pictures.filePath("ManualPage.png");
    EXPECT_TRUE(image.save(file));
    EXPECT_FALSE(QImage(file).isNull());
}

} // namespace
