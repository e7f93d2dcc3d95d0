// The help, information and error-log windows.

#include "common/SettingLists.h"
#include "support/DriveSandbox.h"
#include "support/PictureShows.h"
#include "support/ScriptedDesktop.h"
#include "tools/HelpTexts.h"
#include "tools/TAboutBox.h"
#include "tools/TForcedUnSuccessFullForm.h"
#include "tools/TSubFolderUnSuccessFullForm.h"
#include "tools/TfrmAltalanosHelp.h"
#include "tools/TfrmLicenseSingleUser.h"
#include "tools/TfrmMoreHelp.h"
#include "tools/TfrmOverViewHelp.h"
#include "tools/TfrmVideoTutorials.h"
#include "ui/ListBox.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>
#include <string>
#include <vector>

using testsupport::ScriptedDesktop;

namespace {

const std::vector<std::string>& TopicLines(const std::string& key) {
    for (const HelpTopic& topic : HelpTopics()) {
        if (topic.key == key)
            return topic.lines;
    }
    static const std::vector<std::string> none;
    return none;
}

// A help window of its own, with the further-help window it opens; the
// program's window behind frmMoreHelp (when the program's windows exist in
// this process) is put back afterwards.
class HelpWindowTest : public testing::Test {
protected:
    void SetUp() override {
        programMoreHelp_ = frmMoreHelp;
        moreHelp_ = std::make_unique<TfrmMoreHelp>();
        frmMoreHelp = moreHelp_.get();
        help = std::make_unique<TfrmAltalanosHelp>();
    }
    void TearDown() override {
        help.reset();
        frmMoreHelp = programMoreHelp_;
        moreHelp_.reset();
    }
    std::vector<std::string> Shown() const { return help->lstAltalanosHelp()->Items(); }

    std::unique_ptr<TfrmAltalanosHelp> help;

private:
    TfrmMoreHelp* programMoreHelp_ = nullptr;
    std::unique_ptr<TfrmMoreHelp> moreHelp_;
};

TEST_F(HelpWindowTest, EveryCallersTopicShowsTheTextOnItsSubject) {
    // The topic each caller passes, and the heading its text starts with.
    const std::vector<std::pair<std::string, std::string>> callers = {
        {"Copy", "COPY MULTIPLE FOLDERS"},
        {"Delete", "DELETE MULTIPLE FOLDERS"},
        {"Rename", "RENAME MULTIPLE FOLDERS"},
        {"CreateFolders", "CREATING FOLDER(S) - FROM A LIST OF PATHS"},
        {"CreateStrings", "CREATING FOLDER(S) - FROM A LIST OF STRINGS"},
        {"CreateNumbers", "CREATING FOLDER(S) - INCREASED NUMBERS"},
        {"CreateManually", "CREATING FOLDERS - MANUALLY"},
        {"FileImport", "IMPORTING A LIST FROM A TEXT FILE"},
        {"FileSelection", "SELECTING FILES"},
    };
    ASSERT_EQ(HelpTopics().size(), callers.size());
    std::vector<std::string> firstLines;
    for (const auto& [topic, heading] : callers) {
        SCOPED_TRACE(topic);
        help->SetHelpTopic(topic);
        ASSERT_GT(Shown().size(), 10u);
        EXPECT_EQ(Shown().front().rfind(heading, 0), 0u) << Shown().front();
        firstLines.push_back(Shown().front());
    }
    // Each topic's text is its own.
    EXPECT_EQ(std::set<std::string>(firstLines.begin(), firstLines.end()).size(), callers.size());
}

TEST_F(HelpWindowTest, TopicsAreTrimmedAndComparedIgnoringCase) {
    help->SetHelpTopic("  createManually ");
    EXPECT_EQ(Shown(), TopicLines("CREATEMANUALLY"));
    help->SetHelpTopic("\tFILEimport\n");
    EXPECT_EQ(Shown(), TopicLines("FILEIMPORT"));
}

TEST_F(HelpWindowTest, ASecondTopicReplacesTheFirstAndAnUnknownOneShowsNothing) {
    help->SetHelpTopic("CreateStrings");
    help->SetHelpTopic("Rename");
    EXPECT_EQ(Shown(), TopicLines("RENAME"));
    help->SetHelpTopic("NoSuchTopic");
    EXPECT_TRUE(Shown().empty());
    help->SetHelpTopic("");
    EXPECT_TRUE(Shown().empty());
}

TEST_F(HelpWindowTest, ActivationShowsTheStoredTopicAgain) {
    help->SetHelpTopic("Delete");
    help->lstAltalanosHelp()->Clear();
    help->FormActivate();
    EXPECT_EQ(Shown(), TopicLines("DELETE"));
}

TEST_F(HelpWindowTest, MoreHelpOpensTheFurtherHelpWindowAndOkCloses) {
    ScriptedDesktop desktop;
    desktop.ExpectModal("frmMoreHelp");
    help->findChild<QPushButton*>("btnAltalanosHelpMoreHelp")->click();
    EXPECT_EQ(desktop.ModalWindows(), std::vector<std::string>{"frmMoreHelp"});

    desktop.ExpectModal("frmAltalanosHelp", [](ui::Form& window) {
        window.findChild<QPushButton*>("btnAltalanosHelpOk")->click();
    });
    EXPECT_EQ(desktop.ShowModal(*help), ui::Answer::Ok);
}

TEST(HelpTexts, TheManualPageTextIsTheShortOneAndNoLineIsUnreadablyLong) {
    EXPECT_EQ(TopicLines("CREATEMANUALLY").size(), 17u);
    for (const HelpTopic& topic : HelpTopics()) {
        for (const std::string& line : topic.lines)
            EXPECT_LE(line.size(), 110u) << topic.key << ": " << line;
    }
}

// Each window shows its text as soon as it is made: its heading first, then
// what it must tell a person, one line to an item.
TEST(InformationWindows, TheFixedTextsAreShownWhenTheWindowsAreCreated) {
    TfrmMoreHelp more;
    TfrmOverViewHelp overview;
    TfrmLicenseSingleUser licence;
    struct Shown {
        const ui::ListBox* list;
        std::string heading;
        std::vector<std::string> lines; // items the list holds
    };
    const Shown shown[] = {
        // The further help covers the four subjects the help buttons send
        // people to, the first as its heading.
        {more.lstMoreHelp(),
         "USING INCLUDE - EXCLUDE WINDOWS IN THE PROGRAM.",
         {"USING THE INCLUDE FOLDER LIST EDITOR.", "USING THE INCLUDE STRING LIST EDITOR.",
          "VISUAL LOG - DETAILED RESULTS WINDOW."}},
        {overview.lstOverViewHelp(),
         "FOLDERSMITH - OVERVIEW",
         {"has one drive: C: is the root folder / of this computer, so"}},
        {licence.lstLicenseSingleUser(), "FOLDERSMITH - SINGLE USER LICENSE AGREEMENT", {"Version 1.0.0"}},
    };
    for (const Shown& window : shown) {
        SCOPED_TRACE(window.heading);
        const std::vector<std::string> items = window.list->Items();
        ASSERT_FALSE(items.empty());
        EXPECT_EQ(items.front(), window.heading);
        for (const std::string& line : window.lines)
            EXPECT_EQ(std::ranges::count(items, line), 1) << line;
    }
    EXPECT_EQ(more.lstMoreHelp()->HorizontalExtent(), 2000);
    EXPECT_EQ(licence.windowTitle().toStdString(), "Single User License Ageement");
}

TEST(InformationWindows, TheAboutBoxNamesTheProgramItsVersionAndItsLicence) {
    TAboutBox about;
    EXPECT_EQ(about.objectName().toStdString(), "AboutBox");
    EXPECT_EQ(about.findChild<QLabel*>("ProductName")->text().toStdString(), "Foldersmith");
    EXPECT_EQ(about.findChild<QLabel*>("Version")->text().toStdString(), "Version 1.0.0");
    EXPECT_NE(about.findChild<QLabel*>("Comments")->text().indexOf("Single User License Agreement"), -1);
}

TEST(InformationWindows, TheTutorialButtonsOpenTheLocalTutorialPageAndCloseCloses) {
    testsupport::DriveSandbox sandbox("C");
    sandbox.MakeFolder("C:\\start");
    const std::string savedStart = GetStartDirectory();
    SetStartDirectory("C:\\start");
    TfrmVideoTutorials tutorials;
    EXPECT_EQ(tutorials.windowTitle().toStdString(), "Video Tutorials");
    EXPECT_EQ(tutorials.findChild<QGroupBox*>("GroupBox1")->title().toStdString(), "Video tutorials");
    const std::vector<std::pair<const char*, const char*>> buttons = {
        {"btnVideoTutorialsCopy01", "Copy"},
        {"btnVideoTutorialsDelete01", "Delete"},
        {"btnVideoTutorialsRename01", "Rename"},
        {"btnVideoTutorialsCRStrings", "Create Folders Strings"},
        {"btnVideoTutorialsCRFolders", "Create Folders Folders"},
        {"btnVideoTutorialsCRIncNum", "Create Folders Increased Numbers"},
        // The maker's home page: the project has none, so the local page stands in.
        {"btnVideoTutorialsInternet", "Other Tutorials on the Internet"},
    };
    ScriptedDesktop desktop;
    for (const auto& [name, caption] : buttons) {
        auto* button = tutorials.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text().toStdString(), caption);
        button->click();
    }
    SetStartDirectory(savedStart);
    EXPECT_EQ(desktop.ShellOpens(), std::vector<std::string>(buttons.size(), "C:\\start\\basic.htm"));

    desktop.ExpectModal("frmVideoTutorials", [](ui::Form& window) {
        auto* close = window.findChild<QPushButton*>("btnVIdeoTutorialsClose");
        EXPECT_EQ(close->text().toStdString(), "Close");
        close->click();
    });
    EXPECT_EQ(desktop.ShowModal(tutorials), ui::Answer::Cancel);
    EXPECT_EQ(desktop.ShellOpens().size(), buttons.size());
}

TEST(InformationWindows, TheHelpWindowsCarryTheirFixedCaptionsAndButtons) {
    TfrmAltalanosHelp help;
    TfrmMoreHelp more;
    TfrmOverViewHelp overview;
    TfrmLicenseSingleUser licence;
    // The help window's caption names the product and its version.
    EXPECT_EQ(help.windowTitle().toStdString(), "Foldersmith 1.0.0 - Help");
    EXPECT_EQ(help.findChild<QPushButton*>("btnAltalanosHelpMoreHelp")->text().toStdString(), "More help");
    EXPECT_EQ(help.findChild<QPushButton*>("btnAltalanosHelpOk")->text().toStdString(), "OK");
    const std::vector<std::pair<ui::ListBox*, const char*>> lists = {
        {help.lstAltalanosHelp(), "lstAltalanosHelp"},
        {more.lstMoreHelp(), "lstMoreHelp"},
        {overview.lstOverViewHelp(), "lstOverViewHelp"},
        {licence.lstLicenseSingleUser(), "lstLicenseSingleUser"},
    };
    for (const auto& [list, name] : lists) {
        EXPECT_EQ(list->objectName().toStdString(), name);
        EXPECT_EQ(list->HorizontalExtent(), 2000) << name;
    }
    EXPECT_EQ(licence.windowTitle().toStdString(), "Single User License Ageement");

    // Each OK button closes its window with OK.
    const std::vector<std::pair<ui::Form*, const char*>> okButtons = {
        {&more, "btnMorehelpOk"}, {&overview, "btnOverviewhelpOk"}, {&licence, "btnLicenseSingleUserOk"}};
    ScriptedDesktop desktop;
    for (const auto& [window, button] : okButtons) {
        const std::string name = button;
        desktop.ExpectModal(window->objectName().toStdString(), [name](ui::Form& shown) {
            shown.findChild<QPushButton*>(QString::fromStdString(name))->click();
        });
        EXPECT_EQ(desktop.ShowModal(*window), ui::Answer::Ok) << button;
    }
}

// The program has one drive, C:, the root folder of this machine; examples
// that named another drive could not be followed.
TEST(HelpTexts, ExamplesUseTheDriveThatExistsAndTheTextsSayWhatItIs) {
    std::vector<std::pair<std::string, std::vector<std::string>>> texts;
    for (const HelpTopic& topic : HelpTopics())
        texts.emplace_back(topic.key, topic.lines);
    texts.emplace_back("more help", MoreHelpLines());
    texts.emplace_back("overview", OverviewLines());
    for (const auto& [name, lines] : texts) {
        for (const std::string& line : lines) {
            for (size_t at = line.find(":\\"); at != std::string::npos; at = line.find(":\\", at + 1)) {
                ASSERT_GT(at, 0u);
                EXPECT_EQ(std::toupper(static_cast<unsigned char>(line[at - 1])), 'C')
                    << name << ": " << line;
            }
        }
    }
    std::string overview;
    for (const std::string& line : OverviewLines())
        overview += line + " ";
    EXPECT_NE(overview.find("C: is the root folder /"), std::string::npos);
}

// A picture of a help window: it can be taken and written.
TEST(InformationWindows, AGrabbedHelpWindowShowsItsTopic) {
    TfrmAltalanosHelp help;
    help.SetHelpTopic("CreateStrings");
    help.resize(760, 560);
    help.show();
    QApplication::processEvents();
    const QPixmap picture = help.grab();
    ASSERT_FALSE(picture.isNull());
    // The topic's first lines can be read in the picture.
    QWidget* topic = help.findChild<QWidget*>("lstAltalanosHelp");
    ASSERT_NE(topic, nullptr);
    EXPECT_TRUE(testsupport::PictureShows(picture, help, *topic));
    for (const char* line : {"CREATING FOLDER(S) - FROM A LIST OF STRINGS",
                             "This page creates one folder for every string (name) of its Include list,"})
        EXPECT_TRUE(testsupport::PictureShowsText(picture, help, *topic, line));
    help.hide();
    // The picture goes to the test's own temporary folder, never beside the
    // test program.
    const QTemporaryDir pictures;
    ASSERT_TRUE(pictures.isValid());
    const QString file = pictures.filePath("help-window.png");
    EXPECT_TRUE(picture.save(file, "PNG"));
    EXPECT_FALSE(QImage(file).isNull());
}

TEST(ErrorLogWindows, TheyHoldWhatTheirCallerPutsInAndCloseWithOk) {
    TForcedUnSuccessFullForm forced;
    TSubFolderUnSuccessFullForm subFolder;
    EXPECT_EQ(forced.windowTitle().toStdString(), "Folders, that are unsuccessfully tried to create");
    EXPECT_EQ(subFolder.windowTitle().toStdString(), "Folders, that are unsuccessfully tried to create.");
    EXPECT_EQ(subFolder.lstSubFolderUnSuccessFullExist()->Count(), 0);
    EXPECT_EQ(subFolder.lstSubFolderUnSuccessFullOther()->Count(), 0);
    EXPECT_EQ(forced.findChild<QLabel*>("Label1")->text().toStdString(), "Already existed folders:");
    EXPECT_EQ(subFolder.findChild<QLabel*>("Label1")->text().toStdString(), "Already existed folders :");

    ScriptedDesktop desktop;
    desktop.ExpectModal("ForcedUnSuccessFullForm", [](ui::Form& window) {
        window.findChild<QPushButton*>("btnForcedUnSuccessFullOk")->click();
    });
    desktop.ExpectModal("SubFolderUnSuccessFullForm", [](ui::Form& window) {
        window.findChild<QPushButton*>("btnSubFolderUnSuccessFullOk")->click();
    });
    EXPECT_EQ(desktop.ShowModal(forced), ui::Answer::Ok);
    EXPECT_EQ(desktop.ShowModal(subFolder), ui::Answer::Ok);
}

} // namespace
