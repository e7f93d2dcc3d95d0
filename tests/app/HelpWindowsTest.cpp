// The help, information and error-log windows.

#include "app/tools/HelpTexts.h"
#include "app/tools/TAboutBox.h"
#include "app/tools/TForcedUnSuccessFullForm.h"
#include "app/tools/TSubFolderUnSuccessFullForm.h"
#include "app/tools/TfrmAltalanosHelp.h"
#include "app/tools/TfrmLicenseSingleUser.h"
#include "app/tools/TfrmMoreHelp.h"
#include "app/tools/TfrmOverViewHelp.h"
#include "app/tools/TfrmVideoTutorials.h"
#include "common/SettingLists.h"
#include "support/ScriptedDesktop.h"
#include "ui/ListBox.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>
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

class HelpWindowTest : public testing::Test {
protected:
    void SetUp() override {
        frmMoreHelp = new TfrmMoreHelp;
        help = std::make_unique<TfrmAltalanosHelp>();
    }
    void TearDown() override {
        help.reset();
        delete frmMoreHelp;
        frmMoreHelp = nullptr;
    }
    std::vector<std::string> Shown() const { return help->lstAltalanosHelp()->Items(); }

    std::unique_ptr<TfrmAltalanosHelp> help;
};

TEST_F(HelpWindowTest, EveryTopicOfThePagesIsFoundByTheNameItsCallerPasses) {
    const std::vector<std::pair<std::string, std::string>> callers = {
        {"Copy", "COPY"},
        {"Delete", "DELETE"},
        {"Rename", "RENAME"},
        {"CreateFolders", "CREATEFOLDERS"},
        {"CreateStrings", "CREATESTRINGS"},
        {"CreateNumbers", "CREATENUMBERS"},
        {"CreateManually", "CREATEMANUALLY"},
        {"FileImport", "FILEIMPORT"},
        {"FileSelection", "FILESELECTION"},
    };
    ASSERT_EQ(HelpTopics().size(), callers.size());
    for (const auto& [topic, key] : callers) {
        SCOPED_TRACE(topic);
        help->SetHelpTopic(topic);
        EXPECT_EQ(Shown(), TopicLines(key));
        EXPECT_GT(Shown().size(), 10u);
    }
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

TEST(InformationWindows, TheFixedTextsAreShownWhenTheWindowsAreCreated) {
    TfrmMoreHelp more;
    TfrmOverViewHelp overview;
    TfrmLicenseSingleUser licence;
    EXPECT_EQ(more.lstMoreHelp()->Items(), MoreHelpLines());
    EXPECT_EQ(overview.lstOverViewHelp()->Items(), OverviewLines());
    EXPECT_EQ(licence.lstLicenseSingleUser()->Items(), LicenseLines());
    EXPECT_EQ(more.lstMoreHelp()->HorizontalExtent(), 2000);
    EXPECT_EQ(licence.windowTitle().toStdString(), "Single User License Ageement");
    // The further help covers the four subjects the help buttons send people to.
    std::string all;
    for (const std::string& line : MoreHelpLines())
        all += line + "\n";
    for (const char* subject :
         {"USING INCLUDE - EXCLUDE WINDOWS IN THE PROGRAM.", "USING THE INCLUDE FOLDER LIST EDITOR.",
          "USING THE INCLUDE STRING LIST EDITOR.", "VISUAL LOG - DETAILED RESULTS WINDOW."})
        EXPECT_NE(all.find(subject), std::string::npos) << subject;
}

TEST(InformationWindows, TheAboutBoxNamesTheProgramItsVersionAndItsLicence) {
    TAboutBox about;
    EXPECT_EQ(about.objectName().toStdString(), "AboutBox");
    EXPECT_EQ(about.findChild<QLabel*>("ProductName")->text().toStdString(), "Foldersmith");
    EXPECT_EQ(about.findChild<QLabel*>("Version")->text().toStdString(), "Version 1.0.0");
    EXPECT_NE(about.findChild<QLabel*>("Comments")->text().indexOf("Single User License Agreement"), -1);
}

TEST(InformationWindows, EveryTutorialButtonOpensTheLocalTutorialPage) {
    const std::string savedStart = GetStartDirectory();
    SetStartDirectory("D:\\start");
    TfrmVideoTutorials tutorials;
    ScriptedDesktop desktop;
    int buttons = 0;
    for (QPushButton* button : tutorials.findChildren<QPushButton*>()) {
        if (button->objectName() == "btnVIdeoTutorialsClose")
            continue;
        button->click();
        ++buttons;
    }
    SetStartDirectory(savedStart);
    EXPECT_EQ(buttons, 7);
    EXPECT_EQ(desktop.ShellOpens(), std::vector<std::string>(7, "D:\\start\\basic.htm"));
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
