// The six examples windows: their sample input, and the preview each option
// shows, against the worked examples the pages are documented with.

#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/ExamplePreviews.h"
#include "tools/TfrmDriveSelect.h"
#include "tools/TfrmExamplesCopy.h"
#include "tools/TfrmExamplesCreateFolders.h"
#include "tools/TfrmExamplesDelete.h"
#include "tools/TfrmExamplesIncreasedNumbers.h"
#include "tools/TfrmExamplesRename.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_TfrmDriveSelect.h"
#include "ui_TfrmExamplesCopy.h"
#include "ui_TfrmExamplesCreateFolders.h"
#include "ui_TfrmExamplesDelete.h"
#include "ui_TfrmExamplesIncreasedNumbers.h"
#include "ui_TfrmExamplesRename.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;
using testsupport::ScriptedDesktop;

namespace {

// target + each of the four sub-structures' last one or two elements.
Lines Attached(const Lines& targets, const Lines& tails) {
    Lines lines;
    for (const std::string& target : targets)
        for (const std::string& tail : tails)
            lines.push_back(target + "\\" + tail);
    return lines;
}

const Lines MainTails = {"Marketing\\E-mails", "Marketing\\SEO", "Programs\\Beta", "Programs\\Final"};
const Lines SubTails = {"E-mails", "SEO", "Beta", "Final"};

class ExamplesWindowsTest : public testsupport::ProgramWindowsFixture {};

} // namespace

TEST(ExamplePreviews, PathElementsAndDriveMoves) {
    EXPECT_EQ(LastPathElements("e:\\Marketing\\E-mails", 2), "Marketing\\E-mails");
    EXPECT_EQ(LastPathElements("e:\\Marketing\\E-mails", 1), "E-mails");
    EXPECT_EQ(LastPathElements("Single", 2), "Single");
    EXPECT_EQ(DecorateExampleName("2012", "x", "June"), "2012-x-June");
    EXPECT_EQ(DecorateExampleName("", "x", "June"), "x-June");
    EXPECT_EQ(DecorateExampleName("P", "x", ""), "P-x");
    EXPECT_EQ(MoveOntoDrive({"e:\\Marketing", "Programs", "E:\\marketing", "x:y:z"}, "d:"),
              (Lines{"d:\\Marketing", "d:Programs", "d:y:z"}));
}

TEST_F(ExamplesWindowsTest, StringsWindow) {
    Ui::TfrmDriveSelect& c = frmDriveSelect->Controls();
    EXPECT_EQ(frmDriveSelect->windowTitle().toStdString(),
              "Examples - Creating Multiple Folders from a List of Strings.");
    EXPECT_EQ(c.edtADSCustomFolderFolder->text().toStdString(), "f:\\Clients");
    EXPECT_TRUE(c.edtADSCustomFolderFolder->isReadOnly());
    EXPECT_EQ(c.lstADSStringList->Items(), (Lines{"Customer1", "Customer2", "Customer3"}));
    EXPECT_TRUE(c.chkADSHyphen->isChecked());
    EXPECT_FALSE(c.chkADSHyphen->isEnabled());
    EXPECT_EQ(c.lblADSTestOptions->text().toStdString(),
              "You can test different options by selecting different radio buttons");
    EXPECT_EQ(c.lstExamplesCreateStringsFolderStructures->Items(), (Lines{"e:\\Marketing", "f:\\Programs"}));
    EXPECT_EQ(
        c.lstExamplesCreateStringsSubFolderStructures->Items(),
        (Lines{"e:\\Marketing\\Emails", "e:\\Marketing\\SEO", "f:\\Programs\\Beta", "f:\\Programs\\Final"}));
    EXPECT_EQ(c.lstADSPreview->HorizontalExtent(), 3000);
    EXPECT_TRUE(c.GroupBox1->isHidden());

    const Lines targets = {"f:\\Clients\\2012-Customer1-June", "f:\\Clients\\2012-Customer2-June",
                           "f:\\Clients\\2012-Customer3-June"};
    EXPECT_EQ(c.lstADSPreview->Items(), targets);
    c.rdoExCrStringsAttachMainFolders->click();
    EXPECT_EQ(c.lstADSPreview->Items(), Attached(targets, {"Marketing\\Emails", "Marketing\\SEO",
                                                           "Programs\\Beta", "Programs\\Final"}));
    c.rdoExCrStringsAttachSubFoldersOnly->click();
    EXPECT_EQ(c.lstADSPreview->Items(), Attached(targets, {"Emails", "SEO", "Beta", "Final"}));
    c.rdoExCRStringsAttachNothing->click();
    EXPECT_EQ(c.lstADSPreview->Items(), targets);

    // A second showing finds the same lists.
    ScriptedDesktop desktop;
    desktop.ExpectModal("frmDriveSelect");
    ui::desktop().ShowModal(*frmDriveSelect);
    EXPECT_EQ(c.lstExamplesCreateStringsFolderStructures->Items(), (Lines{"e:\\Marketing", "f:\\Programs"}));
}

TEST_F(ExamplesWindowsTest, StringsWindowHiddenDriveSelection) {
    testsupport::DriveSandbox sandbox("CD");
    ScriptedDesktop desktop;
    Ui::TfrmDriveSelect& c = frmDriveSelect->Controls();
    const Lines structures = c.lstExamplesCreateStringsFolderStructures->Items();
    const Lines subStructures = c.lstExamplesCreateStringsSubFolderStructures->Items();

    // The chosen drive takes the place of each item's own.
    ui::ComboBox& drives = *c.cboADSCustomFolderDriveLetter;
    ASSERT_GE(drives.Count(), 1);
    drives.SetItemIndex(0);
    frmDriveSelect->cboADSCustomFolderDriveLetterChange();
    const std::string drive = drives.Text();
    EXPECT_EQ(c.lstExamplesCreateStringsFolderStructures->Items(),
              (Lines{drive + "\\Marketing", drive + "\\Programs"}));
    EXPECT_EQ(c.lstExamplesCreateStringsSubFolderStructures->Text(0), drive + "\\Marketing\\Emails");

    // Complete or custom folder.
    c.rdoADSCompleteFolder->click();
    EXPECT_TRUE(c.cboADSCompleteFolder->isEnabled());
    EXPECT_FALSE(c.edtADSCustomFolderFolder->isEnabled());
    desktop.ExpectBrowse("D:\\Target");
    c.btnADSCompleteFolderBrowse->click();
    EXPECT_EQ(c.cboADSCompleteFolder->Items(), Lines{"D:\\Target"});
    EXPECT_EQ(c.cboADSCompleteFolder->ItemIndex(), 0);
    EXPECT_EQ(desktop.BrowseTitles().back(), "Select the Destination Directory.");
    desktop.ExpectBrowse("");
    desktop.ExpectBox("0001");
    c.btnADSCompleteFolderBrowse->click();
    EXPECT_EQ(desktop.LastBox().caption,
              "Creating Folder(s).-From a String List.            Warning no: 0001.");
    EXPECT_EQ(desktop.LastBox().text,
              "The selection field is empty !\nAction : You must select a Destination Folder.");
    c.rdoADSCustomFolder->click();
    EXPECT_FALSE(c.cboADSCompleteFolder->isEnabled());
    EXPECT_TRUE(c.edtADSCustomFolderFolder->isEnabled());

    // Back to the sample as created, for the tests that follow.
    c.cboADSCompleteFolder->Clear();
    frmDriveSelect->FormCreate();
    EXPECT_EQ(c.lstExamplesCreateStringsFolderStructures->Items(), structures);
    EXPECT_EQ(c.lstExamplesCreateStringsSubFolderStructures->Items(), subStructures);
}

TEST_F(ExamplesWindowsTest, IncreasedNumbersWindow) {
    Ui::TfrmExamplesIncreasedNumbers& c = frmExamplesIncreasedNumbers->Controls();
    EXPECT_EQ(frmExamplesIncreasedNumbers->windowTitle().toStdString(),
              "Examples - Creating Multiple Folders using Increased  Numbers.");
    EXPECT_TRUE(c.CheckBox1->isChecked());
    EXPECT_FALSE(c.CheckBox1->isEnabled());
    const Lines targets = {"f:\\Clients\\Customer-1-2012", "f:\\Clients\\Customer-2-2012",
                           "f:\\Clients\\Customer-3-2012"};
    EXPECT_EQ(c.lstExCrIncPreview->Items(), targets);
    c.rdoExCrIncAttachMainFolders->click();
    EXPECT_EQ(c.lstExCrIncPreview->Items(), Attached(targets, MainTails));
    EXPECT_EQ(c.lstExCrIncPreview->Text(0), "f:\\Clients\\Customer-1-2012\\Marketing\\E-mails");
    c.rdoExCrIncSubFolders->click();
    EXPECT_EQ(c.lstExCrIncPreview->Items(), Attached(targets, SubTails));
    EXPECT_EQ(c.lstExCrIncPreview->Text(11), "f:\\Clients\\Customer-3-2012\\Final");
    c.rdoExCrIncAttachNothing->click();
    EXPECT_EQ(c.lstExCrIncPreview->Items(), targets);
}

TEST_F(ExamplesWindowsTest, PathsWindow) {
    Ui::TfrmExamplesCreateFolders& c = frmExamplesCreateFolders->Controls();
    const Lines targets = {"f:\\Clients\\2012-Company01-June", "f:\\Clients\\2012-Company02-June",
                           "f:\\Clients\\2012-Company03-June"};
    EXPECT_EQ(c.lstExCrFoldersPreview->Items(), targets);
    c.rdoExCrFoldersMainFolders->click();
    EXPECT_EQ(c.lstExCrFoldersPreview->Items(), Attached(targets, MainTails));
    EXPECT_EQ(c.lstExCrFoldersPreview->Text(0), "f:\\Clients\\2012-Company01-June\\Marketing\\E-mails");
    c.rdoExCrFoldersSubFoldersOnly->click();
    EXPECT_EQ(c.lstExCrFoldersPreview->Items(), Attached(targets, SubTails));
    c.rdoExCrFoldersAttachNothing->click();
    EXPECT_EQ(c.lstExCrFoldersPreview->Items(), targets);
    EXPECT_EQ(c.lblExCrFoldersSubFolderStructures->text().toStdString(),
              " Folder Structure Window (Subfolders)");
}

TEST_F(ExamplesWindowsTest, CopyWindow) {
    Ui::TfrmExamplesCopy& c = frmExamplesCopy->Controls();
    const Lines targets = {"f:\\Clients\\Company01", "f:\\Clients\\Company02", "f:\\Clients\\Company03"};
    EXPECT_TRUE(c.rdoExCopyMainFolders->isChecked());
    EXPECT_EQ(c.lstExamplesCopyPreview->Items(), Attached(targets, MainTails));
    EXPECT_EQ(c.lstExamplesCopyPreview->Items().back(), "f:\\Clients\\Company03\\Programs\\Final");
    c.rdoExCopySubFoldersOnly->click();
    EXPECT_EQ(c.lstExamplesCopyPreview->Items(), Attached(targets, SubTails));
    EXPECT_EQ(c.lstExamplesCopyPreview->Text(0), "f:\\Clients\\Company01\\E-mails");
    c.rdoExCopyMainFolders->click();
    EXPECT_EQ(c.lstExamplesCopyPreview->Count(), 12);
    EXPECT_EQ(c.lblExamplesCopyImportant->text().toStdString(), "important !!!");
    EXPECT_TRUE(c.lblExamplesCopyCaption->isHidden());
}

TEST_F(ExamplesWindowsTest, RenameWindow) {
    Ui::TfrmExamplesRename& c = frmExamplesRename->Controls();
    const Lines prefixed = {"f:\\Clients\\Customer1\\2012-Emails-June",
                            "f:\\Clients\\Customer2\\2012-SEO-June",
                            "f:\\Clients\\Customer3\\2012-Programs-June"};
    EXPECT_EQ(c.lstExRePreview->Items(), prefixed);
    EXPECT_TRUE(c.edtExReNewPrefix->isEnabled());
    EXPECT_FALSE(c.edtExReNewLastSubFolder->isEnabled());
    // The field shows the delimiter the preview uses.
    EXPECT_EQ(c.edtExReSubFolderDelimiterSuffix->text().toStdString(), "-");

    c.rdoExRenameTheLastSubFolder->click();
    EXPECT_EQ(c.lstExRePreview->Items(),
              (Lines{"f:\\Clients\\Customer1\\Company", "f:\\Clients\\Customer2\\Company",
                     "f:\\Clients\\Customer3\\Company"}));
    EXPECT_FALSE(c.edtExReNewPrefix->isEnabled());
    EXPECT_FALSE(c.edtExReNewSuffix->isEnabled());
    EXPECT_TRUE(c.edtExReNewLastSubFolder->isEnabled());
    c.rdoExReAddPrefixesAndSuffixes->click();
    EXPECT_EQ(c.lstExRePreview->Items(), prefixed);
}

TEST_F(ExamplesWindowsTest, DeleteWindow) {
    Ui::TfrmExamplesDelete& c = frmExamplesDelete->Controls();
    const Lines deepFiles = {"f:\\Clients\\Customer1\\Marketing\\Emails\\License.doc",
                             "f:\\Clients\\Customer1\\Marketing\\SEO\\support.html",
                             "f:\\Clients\\Customer2\\Programs\\Beta\\Main.cpp",
                             "f:\\Clients\\Customer2\\Programs\\Final\\OverView.h",
                             "f:\\Clients\\Customer3\\Analyses\\Exel\\WeeklyReport.xls",
                             "f:\\Clients\\Customer3\\Analyses\\PowerPoint\\feed.ppt"};
    const Lines mainFiles = {"f:\\Clients\\Customer1\\index.html", "f:\\Clients\\Customer2\\basic.swf",
                             "f:\\Clients\\Customer3\\extract.txt", "f:\\Clients\\Customer3\\t33.bmp"};
    const Lines deepFolders = c.lstExDeSubFolderStructures->Items();
    const Lines firstLevel = {"f:\\Clients\\Customer1\\Marketing", "f:\\Clients\\Customer2\\Programs",
                              "f:\\Clients\\Customer3\\Analyses"};
    const Lines mains = {"f:\\Clients\\Customer1", "f:\\Clients\\Customer2", "f:\\Clients\\Customer3"};
    const auto join = [](std::initializer_list<Lines> parts) {
        Lines all;
        for (const Lines& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    ASSERT_EQ(deepFolders.size(), 6u);

    EXPECT_EQ(c.lstExDeDeleted->Items(), join({deepFiles, mainFiles, deepFolders, firstLevel}));
    EXPECT_EQ(c.lstExDeRetain->Items(), mains);
    c.rdoExDeEverythingRetainNothing->click();
    EXPECT_EQ(c.lstExDeDeleted->Items(), join({deepFiles, mainFiles, deepFolders, firstLevel, mains}));
    EXPECT_EQ(c.lstExDeRetain->Items(), Lines{"f:\\Clients"});
    c.rdoExDeFilesFromMainFolders->click();
    EXPECT_EQ(c.lstExDeDeleted->Items(), mainFiles);
    EXPECT_EQ(c.lstExDeRetain->Items(), join({deepFiles, deepFolders}));
    c.rdoExDeFilesAllFiles->click();
    EXPECT_EQ(c.lstExDeDeleted->Items(), join({deepFiles, mainFiles}));
    EXPECT_EQ(c.lstExDeRetain->Items(), deepFolders);
    c.rdoExDeCompleteFoldersRetainMainFolders->click();
    EXPECT_EQ(c.lstExDeRetain->Items(), mains);
    EXPECT_EQ(c.lblExDeTestOptions->text().toStdString(),
              "You can select different options by selecting different radio buttons.");
}

TEST_F(ExamplesWindowsTest, CloseButtonsCloseTheWindows) {
    ScriptedDesktop desktop;
    const std::vector<std::pair<ui::Form*, const char*>> windows = {
        {frmDriveSelect, "btnADSClose"},
        {frmExamplesIncreasedNumbers, "btnExCrIncClose"},
        {frmExamplesCreateFolders, "btnExCrFoldersClose"},
        {frmExamplesCopy, "btnExamplesCopyClose"},
        {frmExamplesRename, "btnExReClose"},
        {frmExamplesDelete, "btnExDeClose"}};
    for (const auto& [window, button] : windows) {
        desktop.ExpectModal(window->objectName().toStdString(), [button = button](ui::Form& shown) {
            shown.findChild<QPushButton*>(button)->click();
        });
        EXPECT_EQ(ui::desktop().ShowModal(*window), ui::Answer::Cancel) << button;
    }
}

TEST_F(ExamplesWindowsTest, EachWindowCarriesItsCaptionNoticesAndSamples) {
    struct Window {
        ui::Form* form;
        std::string caption;
        std::string important; // objectName, text
        std::string importantText;
        std::string testOptions;
        std::string testOptionsText;
    };
    const std::string test = "You can test different options by selecting different radio buttons.";
    const std::vector<Window> windows = {
        {frmDriveSelect, "Examples - Creating Multiple Folders from a List of Strings.", "lblADSImportant",
         "IMPORTANT !!!", "lblADSTestOptions", test.substr(0, test.size() - 1)},
        {frmExamplesIncreasedNumbers, "Examples - Creating Multiple Folders using Increased  Numbers.",
         "lblExCrIncImportant", "IMPORTANT !!!", "lblExCrIncTestOptions", test},
        {frmExamplesCreateFolders, "Examples - Creating Multiple Folders using a List of Folders",
         "lblExCrFoldersImportant", "IMPORTANT !!!", "lblExCrFoldersTestOptions", test},
        {frmExamplesRename, "Examples - Renaming Multiple Folders.", "lblExReImportant", "IMPORTANT !!!",
         "lblExReTestOptions", test},
        {frmExamplesDelete, "Examples - Deleting Multiple Folders and/or Files.", "lblExDeImportant",
         "IMPORTANT !!!", "lblExDeTestOptions",
         "You can select different options by selecting different radio buttons."},
        {frmExamplesCopy, "Examples - Copying Folder Structures to a List of Folders",
         "lblExamplesCopyImportant", "important !!!", "lblExamplesCopyTestOptions", test}};
    for (const Window& window : windows) {
        SCOPED_TRACE(window.caption);
        EXPECT_EQ(window.form->windowTitle().toStdString(), window.caption);
        for (const auto& [name, text] : {std::pair{window.important, window.importantText},
                                         {window.testOptions, window.testOptionsText}}) {
            auto* label = window.form->findChild<QLabel*>(QString::fromStdString(name));
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->text().toStdString(), text);
        }
        // Every list scrolls sideways; every field is read-only.
        for (ui::ListBox* list : window.form->findChildren<ui::ListBox*>())
            EXPECT_EQ(list->HorizontalExtent(), 3000) << list->objectName().toStdString();
        for (QLineEdit* field : window.form->findChildren<QLineEdit*>()) {
            if (field->objectName().startsWith("edt")) {
                EXPECT_TRUE(field->isReadOnly()) << field->objectName().toStdString();
            }
        }
    }

    // The sample structures, with the strings window's own spelling.
    const Lines mains = {"e:\\Marketing", "f:\\Programs"};
    const Lines subs = {"e:\\Marketing\\E-mails", "e:\\Marketing\\SEO", "f:\\Programs\\Beta",
                        "f:\\Programs\\Final"};
    EXPECT_EQ(frmExamplesIncreasedNumbers->Controls().lstExCrIncFolderStructures->Items(), mains);
    EXPECT_EQ(frmExamplesIncreasedNumbers->Controls().lstExCrIncSubFolderStructures->Items(), subs);
    EXPECT_EQ(frmExamplesCreateFolders->Controls().lstExCrFoldersFolderStructures->Items(), mains);
    EXPECT_EQ(frmExamplesCreateFolders->Controls().lstExCrFoldersSubFolderStructures->Items(), subs);
    EXPECT_EQ(frmExamplesCopy->Controls().lstExamplesCopyFolderStructures->Items(), mains);
    EXPECT_EQ(frmExamplesCopy->Controls().lstExamplesCopySubFolderStructures->Items(), subs);
    // Their labels: a leading blank in some windows, none in others.
    const std::vector<std::pair<QLabel*, std::string>> labels = {
        {frmDriveSelect->Controls().lblExamplesCreateStringsFolderStructures,
         " Folder Structure Window (Main Folders)"},
        {frmDriveSelect->Controls().lblExamplesCreateStringsSubFolderStructures,
         " Folder Structure Window (Subfolders)"},
        {frmExamplesIncreasedNumbers->Controls().lblExCrIncFolderStructures,
         "Folder Structure Window (Main Folders)"},
        {frmExamplesIncreasedNumbers->Controls().lblExCrIncSubFolderStructures,
         " Folder Structure Window (Subfolders)"},
        {frmExamplesCreateFolders->Controls().lblExCrFoldersFolderStructures,
         "Folder Structure Window (Main Folders)"},
        {frmExamplesCopy->Controls().lblExamplesCopyFolderStructures,
         " Folder Structure Window (Main Folders)"},
        {frmExamplesCopy->Controls().lblExamplesCopySubFolderStructures,
         "Folder Structure Window (Subfolders)"}};
    for (const auto& [label, text] : labels)
        EXPECT_EQ(label->text().toStdString(), text) << label->objectName().toStdString();

    // The fields of the numbers and rename windows.
    Ui::TfrmExamplesIncreasedNumbers& numbers = frmExamplesIncreasedNumbers->Controls();
    EXPECT_EQ(
        (Lines{numbers.edtExCrIncDestinationFolder->text().toStdString(),
               numbers.edtExCrIncPrefix->text().toStdString(), numbers.edtExCrIncSuffix->text().toStdString(),
               numbers.edtExCrIncStartNumber->text().toStdString(),
               numbers.edtExCrIncStopNumber->text().toStdString()}),
        (Lines{"f:\\Clients", "Customer", "2012", "1", "3"}));
    Ui::TfrmExamplesRename& rename = frmExamplesRename->Controls();
    EXPECT_EQ((Lines{rename.edtExReNewPrefix->text().toStdString(),
                     rename.edtExRePrefixDelimiterSubFolder->text().toStdString(),
                     rename.edtExReNewSuffix->text().toStdString(),
                     rename.edtExReNewLastSubFolder->text().toStdString()}),
              (Lines{"2012", "-", "June", "Company"}));

    // The delete window's samples.
    Ui::TfrmExamplesDelete& del = frmExamplesDelete->Controls();
    EXPECT_EQ(del.lstExDeIncludeWindow->Items(),
              (Lines{"f:\\Clients\\Customer1", "f:\\Clients\\Customer2", "f:\\Clients\\Customer3"}));
    EXPECT_EQ(
        del.lstExDeSubFolderStructures->Items(),
        (Lines{"f:\\Clients\\Customer1\\Marketing\\Emails", "f:\\Clients\\Customer1\\Marketing\\SEO",
               "f:\\Clients\\Customer2\\Programs\\Beta", "f:\\Clients\\Customer2\\Programs\\Final",
               "f:\\Clients\\Customer3\\Analyses\\Exel", "f:\\Clients\\Customer3\\Analyses\\PowerPoint"}));
    EXPECT_EQ(del.lstExDeFiles->Count(), 10);
    EXPECT_EQ(del.lblExDeActiveFileTypes->text().toStdString(), "Active File Types: ALL.");
}
