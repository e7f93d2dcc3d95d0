// The program's windows as the entry creates them, and the main window's tabs,
// menus, menu handlers, activation and size.

#include "app/ProgramWindows.h"
#include "app/TfrmMain.h"
#include "common/SettingLists.h"
#include "create/numbers/TfrmStatistic03.h"
#include "create/paths/TfrmStatistic04.h"
#include "create/paths/TfrmVol04EditIncludeList.h"
#include "create/strings/TfrmStatistic02.h"
#include "create/strings/TfrmVol02EditIncludeList.h"
#include "manage/copy/TfrmStatistic08.h"
#include "manage/copy/TfrmVol08EditIncludeList.h"
#include "manage/delete/TfrmStatistics07.h"
#include "manage/delete/TfrmVol07EditIncludeList.h"
#include "manage/rename/TfrmStatistic06.h"
#include "manage/rename/TfrmVol06EditIncludeList.h"
#include "support/DriveSandbox.h"
#include "support/PictureShows.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/TAboutBox.h"
#include "tools/TForcedUnSuccessFullForm.h"
#include "tools/TSubFolderUnSuccessFullForm.h"
#include "tools/TfrmAltalanosHelp.h"
#include "tools/TfrmDelimiters.h"
#include "tools/TfrmDriveSelect.h"
#include "tools/TfrmExamplesCopy.h"
#include "tools/TfrmExamplesCreateFolders.h"
#include "tools/TfrmExamplesDelete.h"
#include "tools/TfrmExamplesIncreasedNumbers.h"
#include "tools/TfrmExamplesRename.h"
#include "tools/TfrmFLLEditIncludeFolderList.h"
#include "tools/TfrmFileExport.h"
#include "tools/TfrmFileImport.h"
#include "tools/TfrmFileSelection.h"
#include "tools/TfrmLevelSummFolder.h"
#include "tools/TfrmLicenseSingleUser.h"
#include "tools/TfrmMoreHelp.h"
#include "tools/TfrmOverViewHelp.h"
#include "tools/TfrmQuotationMarks.h"
#include "tools/TfrmSubFolderListBuilder.h"
#include "tools/TfrmVideoTutorials.h"
#include "ui/ActivationWatcher.h"
#include "ui/Colors.h"
#include "ui/Form.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using testsupport::ScriptedDesktop;

namespace {

struct Window {
    QWidget* window;
    const char* name;
};

// The windows in the order the entry creates them.
std::vector<Window> ProgramWindows() {
    return {{frmMain, "frmMain"},
            {frmLevelSummFolder, "frmLevelSummFolder"},
            {AboutBox, "AboutBox"},
            {frmFileExport, "frmFileExport"},
            {frmFileImport, "frmFileImport"},
            {frmFileSelection, "frmFileSelection"},
            {ForcedUnSuccessFullForm, "ForcedUnSuccessFullForm"},
            {frmAltalanosHelp, "frmAltalanosHelp"},
            {frmMoreHelp, "frmMoreHelp"},
            {frmOverViewHelp, "frmOverViewHelp"},
            {frmLicenseSingleUser, "frmLicenseSingleUser"},
            {frmQuotationMarks, "frmQuotationMarks"},
            {frmDelimiters, "frmDelimiters"},
            {frmSubFolderListBuilder, "frmSubFolderListBuilder"},
            {SubFolderUnSuccessFullForm, "SubFolderUnSuccessFullForm"},
            {frmVideoTutorials, "frmVideoTutorials"},
            {frmFLLEditIncludeFolderList, "frmFLLEditIncludeFolderList"},
            {frmStatistic08, "frmStatistic08"},
            {frmVol02EditIncludeList, "frmVol02EditIncludeList"},
            {frmStatistic02, "frmStatistic02"},
            {frmStatistic03, "frmStatistic03"},
            {frmVol04EditIncludeList, "frmVol04EditIncludeList"},
            {frmStatistic04, "frmStatistic04"},
            {frmVol06EditIncludeList, "frmVol06EditIncludeList"},
            {frmStatistic06, "frmStatistic06"},
            {frmVol07EditIncludeList, "frmVol07EditIncludeList"},
            {frmStatistics07, "frmStatistics07"},
            {frmVol08EditIncludeList, "frmVol08EditIncludeList"},
            {frmExamplesRename, "frmExamplesRename"},
            {frmExamplesCopy, "frmExamplesCopy"},
            {frmExamplesCreateFolders, "frmExamplesCreateFolders"},
            {frmExamplesIncreasedNumbers, "frmExamplesIncreasedNumbers"},
            {frmDriveSelect, "frmDriveSelect"},
            {frmExamplesDelete, "frmExamplesDelete"}};
}

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class MainWindowTest : public testsupport::ProgramWindowsFixture {};

TEST_F(MainWindowTest, TheEntryCreatesEveryWindowOnceInItsOrder) {
    const std::vector<Window> windows = ProgramWindows();
    ASSERT_EQ(windows.size(), 34u);
    std::set<QWidget*> distinct;
    for (const Window& w : windows) {
        ASSERT_NE(w.window, nullptr) << w.name;
        EXPECT_EQ(w.window->objectName(), Text(w.name));
        distinct.insert(w.window);
    }
    EXPECT_EQ(distinct.size(), 34u);

    // The tool windows belong to the main window, in the order they were made.
    std::vector<QString> created;
    for (QObject* child : frmMain->children()) {
        if (qobject_cast<ui::Form*>(child))
            created.push_back(child->objectName());
    }
    std::vector<QString> expected;
    for (size_t i = 1; i < windows.size(); ++i)
        expected.push_back(Text(windows[i].name));
    EXPECT_EQ(created, expected);

    // A second creation keeps the windows that exist.
    CreateProgramWindows();
    EXPECT_EQ(frmMain, windows[0].window);
    EXPECT_EQ(frmExamplesDelete, windows.back().window);
}

TEST_F(MainWindowTest, FrameWindowsCarryTheirCaptions) {
    const std::vector<std::pair<QWidget*, const char*>> captions = {
        {frmFileImport, "Import Text To the Include window from a Text File."},
        {frmFileSelection, "File Selection"},
        {frmQuotationMarks, "Manage Quotation Marks."},
        {frmDelimiters, "Manage Delimiters."},
        {frmSubFolderListBuilder, "Subfolder List Builder"},
        {frmFLLEditIncludeFolderList, "Edit the Include Folder List."},
        {frmStatistic08, "Detailed Results for Copied Subfolders and/or Files to Main Folders."},
        {frmVol02EditIncludeList, "Edit the include List of strings"},
        {frmStatistic03, "Detailed results for creating folders using increased numbers."},
        {frmVol04EditIncludeList, "Edit the Include Folder List."},
        {frmStatistic04, "Detailed results for creating folders from a list of folders"},
        {frmVol06EditIncludeList, "Edit the content of the Include List  - for the Renaming Process."},
        {frmStatistic06, "Detailed Results for Rename Process."},
        {frmVol07EditIncludeList, "edit the Include List - Deleting process."},
        {frmStatistics07, "Detailed results for the Delete process."},
        {frmVol08EditIncludeList, "Edit the Include Folder List - for Copy Process."},
        {frmExamplesRename, "Examples - Renaming Multiple Folders."},
        {frmExamplesCopy, "Examples - Copying Folder Structures to a List of Folders"},
        {frmExamplesCreateFolders, "Examples - Creating Multiple Folders using a List of Folders"},
        {frmExamplesIncreasedNumbers, "Examples - Creating Multiple Folders using Increased  Numbers."},
        {frmDriveSelect, "Examples - Creating Multiple Folders from a List of Strings."},
        {frmExamplesDelete, "Examples - Deleting Multiple Folders and/or Files."},
    };
    for (const auto& [window, caption] : captions)
        EXPECT_EQ(window->windowTitle(), Text(caption)) << window->objectName().toStdString();
}

TEST_F(MainWindowTest, SevenTabsInOrderThreeOfThemHidden) {
    struct Tab {
        const char* name;
        const char* caption;
        const char* hint;
        bool visible;
    };
    const Tab tabs[] = {
        {"tabFolderCreate03", "Creating Folder(s)  - From a List of Strings.",
         "Creating Folders from a given list.", true},
        {"tabFolderCreate05", "Creating Folder(s)   - From a List of Paths.", "", true},
        {"tabFolderCreate04", "Creating Folder(s)  - Increased Numbers.", "", true},
        {"tabFolderCreate01", "Creating Folder -Manually.", "Creating folders - manually, two  ways.", true},
        {"tabFoldersCopy02", "  Copy Multiple Folders ", "", false},
        {"tabFoldersDelete01", "  Delete Multiple Folders ", "", false},
        {"tabFoldersRename01", " Rename Multiple Folders ", "", false},
    };
    QTabWidget* pages = frmMain->pgeMain();
    ASSERT_EQ(pages->objectName(), "pgeMain");
    ASSERT_EQ(pages->count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), Text(tabs[i].name));
        EXPECT_EQ(pages->tabText(i), Text(tabs[i].caption)) << tabs[i].name;
        EXPECT_EQ(pages->tabToolTip(i), Text(tabs[i].hint)) << tabs[i].name;
        EXPECT_EQ(pages->isTabVisible(i), tabs[i].visible) << tabs[i].name;
    }

    // Each tab holds its page.
    const std::pair<const char*, const char*> pageOfTab[] = {
        {"tabFolderCreate03", "Vol02StringsPage"}, {"tabFolderCreate05", "Vol04PathsPage"},
        {"tabFolderCreate04", "Vol03NumbersPage"}, {"tabFolderCreate01", "ManualPage"},
        {"tabFoldersCopy02", "Vol08CopyPage"},     {"tabFoldersDelete01", "Vol07DeletePage"},
        {"tabFoldersRename01", "Vol06RenamePage"},
    };
    for (const auto& [tab, page] : pageOfTab) {
        QWidget* tabWidget = pages->findChild<QWidget*>(tab);
        ASSERT_NE(tabWidget, nullptr) << tab;
        const QObjectList children = tabWidget->children();
        bool found = false;
        for (QObject* child : children)
            found = found || child->inherits(page);
        EXPECT_TRUE(found) << tab << " lacks " << page;
    }
}

TEST_F(MainWindowTest, PagesEnableAndShowTabsByName) {
    MainWindowServices& services = *frmMain;
    QTabWidget* pages = frmMain->pgeMain();
    services.SetTabEnabled("tabFolderCreate05", false);
    EXPECT_FALSE(pages->isTabEnabled(1));
    EXPECT_TRUE(pages->isTabEnabled(0));
    services.SetTabEnabled("tabFolderCreate05", true);
    EXPECT_TRUE(pages->isTabEnabled(1));

    services.ShowTab("tabFolderCreate01");
    EXPECT_EQ(pages->currentWidget()->objectName(), "tabFolderCreate01");
    services.ShowTab("tabNoSuchPage");
    services.SetTabEnabled("tabNoSuchPage", false);
    EXPECT_EQ(pages->currentWidget()->objectName(), "tabFolderCreate01");
    services.ShowTab("tabFolderCreate03");
    EXPECT_EQ(pages->currentWidget()->objectName(), "tabFolderCreate03");
}

struct Item {
    const char* name;
    const char* caption;
    const char* hint;
};

void ExpectItems(QMenu* menu, const std::vector<Item>& items) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size())) << menu->objectName().toStdString();
    for (size_t i = 0; i < items.size(); ++i) {
        QAction* action = actions[static_cast<qsizetype>(i)];
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        EXPECT_EQ(name, Text(items[i].name));
        EXPECT_EQ(action->text(), Text(items[i].caption)) << items[i].name;
        if (items[i].hint) {
            EXPECT_EQ(action->statusTip(), Text(items[i].hint)) << items[i].name;
        }
        EXPECT_TRUE(action->isVisible()) << items[i].name;
        EXPECT_TRUE(action->isEnabled()) << items[i].name;
        // Only access keys ("&"): no item has a key shortcut of its own.
        EXPECT_TRUE(action->shortcut().isEmpty()) << items[i].name;
    }
}

TEST_F(MainWindowTest, TheMenuBarHoldsItsMenusAndItems) {
    auto* bar = frmMain->findChild<QMenuBar*>("MainMenu1");
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(frmMain->menuBar(), bar);
    const QList<QAction*> menus = bar->actions();
    ASSERT_EQ(menus.size(), 4);
    struct Menu {
        const char* name;
        const char* caption;
        bool visible;
        bool enabled;
    };
    const Menu expected[] = {{"File1", "&File", true, true},
                             {"Misc1", "Misc.", false, true},
                             {"Help1", "&Help", true, true},
                             {"Videos1", "Video tutorials", false, false}};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(menus[i]->menu(), nullptr);
        EXPECT_EQ(menus[i]->menu()->objectName(), Text(expected[i].name));
        EXPECT_EQ(menus[i]->text(), Text(expected[i].caption));
        EXPECT_EQ(menus[i]->isVisible(), expected[i].visible) << expected[i].name;
        EXPECT_EQ(menus[i]->menu()->isEnabled(), expected[i].enabled) << expected[i].name;
    }
    EXPECT_EQ(menus[3]->toolTip(), "Video tutorials");

    ExpectItems(menus[0]->menu(), {{"Exit1", "E&xit", "Quits the application"}});
    EXPECT_EQ(menus[0]->menu()->actions()[0]->toolTip(), "Exit");
    ExpectItems(menus[1]->menu(), {{"ManageSeparators1", "Manage Separators", nullptr}});
    ExpectItems(menus[2]->menu(), {{"OverView", "OverView", nullptr},
                                   {"VisitZEKontheWeb1", "Visit ZEK on the Web.", nullptr},
                                   {"License1", "License", nullptr},
                                   {"About1", "&About...", nullptr}});
    ExpectItems(menus[2]->menu()->actions()[2]->menu(),
                {{"SingleUserLicenseAgreement1", "Single User License Agreement", nullptr}});
    ExpectItems(
        menus[3]->menu(),
        {{"VideoforCopyProcess01", "Video for Copy process", "Video tutorial for the COPY  process."},
         {"VideoforDeleteProcess01", "Video for Delete process", "Video tutorial for the DELETE process."},
         {"VideoforRenameProcess01", "Video for Rename process", "Video tutorial for the RENAME process."},
         {"VideoforCreateFoldersFolders01", "Video for Create Folders (Folders)",
          "Video tutorial for CREATE FOLDERS USING A LIST OF FOLDERS process."},
         {"VideoforCreaateFoldersStrings01", "Video for Creaate Folders (Strings)",
          "Video tutrial for the CREATING FOLDERS USING STRINGS process."},
         {"VideoforCreateFoldersIncNum01", "Video for Create Folders (Inc. Num)", ""}});
}

QAction* Action(const char* name) {
    auto* action = frmMain->findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name;
    return action;
}

TEST_F(MainWindowTest, MenuItemsShowTheirWindowsModally) {
    ScriptedDesktop desktop;
    desktop.ExpectModal("frmOverViewHelp");
    desktop.ExpectModal("frmLicenseSingleUser");
    desktop.ExpectModal("AboutBox");
    desktop.ExpectModal("frmDelimiters");
    Action("OverView")->trigger();
    Action("SingleUserLicenseAgreement1")->trigger();
    Action("About1")->trigger();
    Action("ManageSeparators1")->trigger();
    EXPECT_EQ(desktop.ModalWindows(), (std::vector<std::string>{"frmOverViewHelp", "frmLicenseSingleUser",
                                                                "AboutBox", "frmDelimiters"}));
    EXPECT_TRUE(desktop.ShellOpens().empty());
}

// Sets the start directory for one test and puts the previous one back.
class StartDirectoryFor {
public:
    explicit StartDirectoryFor(const std::string& folder) : saved_(GetStartDirectory()) {
        SetStartDirectory(folder);
    }
    ~StartDirectoryFor() { SetStartDirectory(saved_); }

private:
    std::string saved_;
};

TEST_F(MainWindowTest, WebAndCopyVideoItemsOpenTheLocalTutorialPage) {
    testsupport::DriveSandbox sandbox("C");
    sandbox.MakeFolder("C:\\Start");
    StartDirectoryFor start("C:\\Start");
    ScriptedDesktop desktop;

    Action("VisitZEKontheWeb1")->trigger();
    Action("VideoforCopyProcess01")->trigger();
    // The other tutorial items do nothing.
    for (const char* name :
         {"VideoforDeleteProcess01", "VideoforRenameProcess01", "VideoforCreateFoldersFolders01",
          "VideoforCreaateFoldersStrings01", "VideoforCreateFoldersIncNum01"})
        Action(name)->trigger();

    EXPECT_EQ(desktop.ShellOpens(),
              (std::vector<std::string>{"C:\\Start\\basic.htm", "C:\\Start\\basic.htm"}));
    // The start directory had no page: the program wrote the one it carries.
    EXPECT_NE(sandbox.Read("C:\\Start\\basic.htm").find("<html"), std::string::npos);
    EXPECT_TRUE(desktop.ModalWindows().empty());
}

TEST_F(MainWindowTest, ExitClosesTheMainWindowAndEndsTheLoop) {
    int closed = 0;
    const QMetaObject::Connection connection =
        QObject::connect(frmMain, &TfrmMain::Closed, [&] { ++closed; });
    frmMain->show();
    ASSERT_TRUE(frmMain->isVisible());
    Action("Exit1")->trigger();
    EXPECT_FALSE(frmMain->isVisible());
    EXPECT_EQ(closed, 1);
    QObject::disconnect(connection);
}

struct ProcessCaption {
    QWidget* window;
    const char* label;
    const char* checkBox;
    const char* simulated;
    const char* real;
};

TEST_F(MainWindowTest, ActivationWritesTheStatisticsWindowsProcessCaptions) {
    const char* creationSimulated = "Simulate the Folder/File Creation Process.";
    const char* creationReal = "Folder/File Creation Process.";
    const ProcessCaption captions[] = {
        {frmStatistic02, "lblVol02NormalSimulate", "chkStat02NormalSimulate", creationSimulated,
         creationReal},
        {frmStatistic03, "lblVol03NormalSimulate", "chkStat03NormalSimulate", creationSimulated,
         creationReal},
        {frmStatistic04, "lblVol04NormalSimulate", "chkStat04NormalSimulate", creationSimulated,
         creationReal},
        {frmStatistic06, "lblVol06NormalSimulate", "chkStat06NormalSimulate",
         "Simulate the Folder Rename Process.", "Folder Rename Process."},
        {frmStatistics07, "lblVol07NormalSimulate", "chkStat07NormalSimulate",
         "Simulate the Folder/File Delete Process.", "Folder/File Delete Process."},
        {frmStatistic08, "lblVol08NormalSimulate", "chkStat08NormalSimulate",
         "Simulate the Folder/File Copy Process.", "Folder/File Copy Process."},
    };
    for (const ProcessCaption& caption : captions) {
        auto* label = caption.window->findChild<QLabel*>(caption.label);
        auto* checkBox = caption.window->findChild<QCheckBox*>(caption.checkBox);
        ASSERT_NE(label, nullptr) << caption.label;
        ASSERT_NE(checkBox, nullptr) << caption.checkBox;
        EXPECT_TRUE(checkBox->isHidden()) << caption.checkBox;
        // Each box is cleared again below, as a simulation leaves it.
        for (bool real : {false, true, false}) {
            checkBox->setChecked(real);
            frmMain->FormActivate();
            EXPECT_EQ(label->text(), Text(real ? caption.real : caption.simulated)) << caption.label;
        }
        EXPECT_EQ(label->palette().color(label->foregroundRole()), ui::ToQColor(ui::clMaroon))
            << caption.label;
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << caption.label;
    }

    // The main window's activation is what writes them.
    auto* checkBox = frmStatistic06->findChild<QCheckBox*>("chkStat06NormalSimulate");
    auto* label = frmStatistic06->findChild<QLabel*>("lblVol06NormalSimulate");
    checkBox->setChecked(true);
    auto* watcher = frmMain->findChild<ui::ActivationWatcher*>();
    ASSERT_NE(watcher, nullptr);
    ASSERT_EQ(watcher->Window(), frmMain);
    watcher->Fire();
    EXPECT_EQ(label->text(), "Folder Rename Process.");
    checkBox->setChecked(false);
    frmMain->FormActivate();
}

TEST_F(MainWindowTest, ClientAreaFontAndPicture) {
    frmMain->show();
    QApplication::processEvents();
    EXPECT_EQ(frmMain->centralWidget()->size(), QSize(1061, 713));
    EXPECT_EQ(frmMain->font().families().value(0), "Tahoma");
    EXPECT_TRUE(frmMain->windowTitle().startsWith("Foldersmith "));

    // A picture of the window: it shows the window with its pages where they
    // lie, and it can be written.
    const QPixmap picture = frmMain->grab();
    ASSERT_FALSE(picture.isNull());
    QWidget* pages = frmMain->findChild<QWidget*>("pgeMain");
    ASSERT_NE(pages, nullptr);
    EXPECT_TRUE(testsupport::PictureShows(picture, *frmMain, *pages));
    // The picture goes to the test's own temporary folder, never beside the
    // test program.
    const QTemporaryDir pictures;
    ASSERT_TRUE(pictures.isValid());
    const QString file = pictures.filePath("main-window.png");
    EXPECT_TRUE(picture.save(file, "PNG"));
    EXPECT_FALSE(QImage(file).isNull());
    frmMain->hide();
}

} // namespace
