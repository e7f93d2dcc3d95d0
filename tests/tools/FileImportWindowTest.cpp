// The list import window: reading a file into its source list, the reading
// options, the preview built by the import reader, and the OK result that the
// pages' Smart Import waits for.

#include "common/SettingLists.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/ListFileStreams.h"
#include "tools/TfrmFileImport.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_TfrmFileImport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;
using ui::Answer;

namespace {

class FileImportWindowTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        sandbox = std::make_unique<DriveSandbox>("CD");
        c().btnFileImportClear->click();
    }
    // Every box of the window that a test met carried its caption, text,
    // icon and buttons.
    void TearDown() override {
        struct Expected {
            std::string text;
            ui::Icon icon;
            bool question;
        };
        const std::map<std::string, Expected> boxes = {
            {"0311",
             {"The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to select "
              "this file ?\nClick YES to Continue Selecting this file,\nClick NO to Stop the Select process.",
              ui::Icon::Question, true}},
            {"0312",
             {"There was a problem opening the file !\nAction : The file is maybe corrupted.",
              ui::Icon::Warning, false}},
            {"0450", {"End of the IMPORT process!", ui::Icon::Information, false}},
            {"0451", {"End of the making FOLDER LIST process! (Preview)", ui::Icon::Information, false}}};
        for (const testsupport::ShownBox& box : desktop.Boxes()) {
            auto expected = boxes.find(box.number);
            if (expected == boxes.end())
                continue;
            SCOPED_TRACE("box " + box.number);
            const std::string kind =
                expected->second.icon == ui::Icon::Information ? "Information" : "Warnings";
            EXPECT_EQ(box.caption, "Import File content.            " + kind + " no: " + box.number + ".");
            EXPECT_EQ(box.text, expected->second.text);
            EXPECT_EQ(box.icon, expected->second.icon);
            EXPECT_EQ(box.buttons, expected->second.question ? ui::Buttons::YesNo : ui::Buttons::Ok);
            if (expected->second.question) {
                EXPECT_EQ(box.defaultButton, Answer::No);
            }
        }
        c().btnFileImportClear->click();
        sandbox.reset();
    }
    Ui::TfrmFileImport& c() { return frmFileImport->Controls(); }

    // Browse to `file`, answering the extension question with `extension`
    // when it comes.
    void Browse(const std::string& file,
                std::vector<std::pair<std::string, Answer>> boxes = {{"0450", Answer::Ok}}) {
        desktop.ExpectOpenFile(file);
        for (const auto& [number, answer] : boxes)
            desktop.ExpectBox(number, answer);
        c().btnFileImportBrowse->click();
    }
    void Preview(const std::vector<std::string>& boxes = {"0451"}) {
        for (const std::string& number : boxes)
            desktop.ExpectBox(number);
        ASSERT_TRUE(c().btnFileImportFrom->isEnabled());
        c().btnFileImportFrom->click();
    }
    void ChooseSeparated(const std::string& delimiter) {
        c().rdoFileImportSeparatedFile->click();
        ui::ComboBox& combo = *c().cboFileImportDelimiter;
        combo.SetItemIndex(combo.IndexOf(delimiter));
        ASSERT_EQ(combo.Text(), delimiter);
    }
    std::string Text(QLabel* label) { return label->text().toStdString(); }

    std::unique_ptr<DriveSandbox> sandbox;
    ScriptedDesktop desktop;
};

} // namespace

TEST_F(FileImportWindowTest, BrowseShowsTheNonBlankLinesOfTheFile) {
    sandbox->MakeFile("D:\\list.txt", "alpha\r\n\r\n  beta  \r\n \t \r\ngamma");
    EXPECT_FALSE(c().btnFileImportFrom->isEnabled()); // nothing loaded yet
    Browse("D:\\list.txt");

    EXPECT_EQ(c().lstFileImportSource->Items(), (std::vector<std::string>{"alpha", "  beta  ", "gamma"}));
    EXPECT_EQ(Text(c().lblFileImportSourceLines), "3");
    EXPECT_EQ(c().edtFileImportFileName->text().toStdString(), "D:\\list.txt");
    EXPECT_EQ(desktop.LastBox().caption, "Import File content.            Information no: 0450.");
    EXPECT_EQ(desktop.LastBox().text, "End of the IMPORT process!");
    EXPECT_EQ(desktop.FileDialogs().back().filter,
              "Text Files (*.txt)|*.txt|Comma Separated  (*.csv)|*.csv|All Files (*.*)|*.*");
    EXPECT_EQ(desktop.FileDialogs().back().defaultExtension, "txt");
    // A loaded file offers the plain-text options and the preview, not OK yet.
    EXPECT_TRUE(c().btnFileImportFrom->isEnabled());
    EXPECT_TRUE(c().rdoFileImportPlainText->isChecked());
    EXPECT_TRUE(c().rdoFileImportSeparatedFile->isEnabled());
    EXPECT_FALSE(c().cboFileImportDelimiter->isEnabled());
    EXPECT_FALSE(c().btnFileImportOk->isEnabled());
    EXPECT_FALSE(c().lblFileImportKettes->isEnabled());
}

TEST_F(FileImportWindowTest, LongLinesAreCutTo2048Bytes) {
    sandbox->MakeFile("D:\\long.txt",
                      std::string(3000, 'x') + "\n" + std::string(2047, 'y') + "\xC3\xA9" + "\n");
    Browse("D:\\long.txt");
    ASSERT_EQ(c().lstFileImportSource->Count(), 2);
    EXPECT_EQ(c().lstFileImportSource->Text(0), std::string(2048, 'x'));
    // A character that would be cut in two is left out whole.
    EXPECT_EQ(c().lstFileImportSource->Text(1), std::string(2047, 'y'));
}

TEST_F(FileImportWindowTest, ExtensionQuestionAndUnreadableFiles) {
    sandbox->MakeFile("D:\\first.txt", "one\n");
    sandbox->MakeFile("D:\\CAPS.TXT", "caps\n");
    sandbox->MakeFile("D:\\data.csv", "csv\n");
    sandbox->MakeFile("D:\\noext", "bare\n");
    Browse("D:\\first.txt");

    // Capitals are no reason to ask.
    Browse("D:\\CAPS.TXT");
    EXPECT_EQ(c().lstFileImportSource->Items(), std::vector<std::string>{"caps"});

    // No: the window stays as it was, file name included.
    Browse("D:\\data.csv", {{"0311", Answer::No}});
    EXPECT_EQ(desktop.LastBox().caption, "Import File content.            Warnings no: 0311.");
    EXPECT_EQ(desktop.LastBox().text,
              "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you "
              "want to select this file ?\nClick YES to Continue Selecting this file,\nClick "
              "NO to Stop the Select process.");
    EXPECT_EQ(desktop.LastBox().icon, ui::Icon::Question);
    EXPECT_EQ(desktop.LastBox().buttons, ui::Buttons::YesNo);
    EXPECT_EQ(desktop.LastBox().defaultButton, Answer::No);
    EXPECT_EQ(c().lstFileImportSource->Items(), std::vector<std::string>{"caps"});
    EXPECT_EQ(c().edtFileImportFileName->text().toStdString(), "D:\\CAPS.TXT");

    Browse("D:\\noext", {{"0311", Answer::Yes}, {"0450", Answer::Ok}});
    EXPECT_EQ(c().lstFileImportSource->Items(), std::vector<std::string>{"bare"});

    // A file that cannot be opened: 0312, and the lists stay.
    Browse("D:\\missing.txt", {{"0312", Answer::Ok}});
    EXPECT_EQ(desktop.LastBox().text,
              "There was a problem opening the file !\nAction : The file is maybe corrupted.");
    EXPECT_EQ(c().lstFileImportSource->Items(), std::vector<std::string>{"bare"});
    EXPECT_TRUE(c().btnFileImportFrom->isEnabled());

    // Cancelling the dialog only applies the enabling rule.
    desktop.ExpectOpenFile("");
    c().btnFileImportBrowse->click();
    EXPECT_EQ(c().lstFileImportSource->Items(), std::vector<std::string>{"bare"});
}

TEST_F(FileImportWindowTest, PlainPreviewCountsPositionsAndSkipsDuplicatesAndBlanks) {
    sandbox->MakeFile("D:\\names.txt", "Alpha\n\"  \"\nalpha\nBeta\n");
    Browse("D:\\names.txt");
    Preview();
    // Four items read; the second is blank once its quotes are gone, the
    // third a duplicate ignoring case.
    EXPECT_EQ(c().lstFileImportResults->Items(), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(Text(c().lblFileImportPreviewLines), "4");
    EXPECT_EQ(desktop.LastBox().caption, "Import File content.            Information no: 0451.");
    EXPECT_EQ(desktop.LastBox().text, "End of the making FOLDER LIST process! (Preview)");
    EXPECT_TRUE(c().btnFileImportOk->isEnabled());
    EXPECT_TRUE(c().lblFileImportKettes->isEnabled());
    EXPECT_TRUE(c().pbSmartImport->isHidden());
}

TEST_F(FileImportWindowTest, QuotationMarksAreDroppedOnlyWhenTicked) {
    sandbox->MakeFile("D:\\quoted.txt", "\"Name One\"\n'Two'\n\"'Three'\"\n");
    Browse("D:\\quoted.txt");
    Preview();
    EXPECT_EQ(c().lstFileImportResults->Items(), (std::vector<std::string>{"Name One", "Two", "Three"}));

    c().chkFileImportAbandonQMarks->setChecked(false);
    Preview();
    EXPECT_EQ(c().lstFileImportResults->Items(),
              (std::vector<std::string>{"\"Name One\"", "'Two'", "\"'Three'\""}));
}

TEST_F(FileImportWindowTest, SeparatedFilesByAllColumnsOrOneColumn) {
    sandbox->MakeFile("D:\\table.txt", "a,b,c\n,x,y\nd,e\n");
    Browse("D:\\table.txt");

    ChooseSeparated(",");
    EXPECT_TRUE(c().rdoFileImportAllColumns->isChecked());
    EXPECT_FALSE(c().edtFileImportColumnNumber->isEnabled());
    Preview();
    // The empty first field of the second line is read and left out.
    EXPECT_EQ(c().lstFileImportResults->Items(),
              (std::vector<std::string>{"a", "b", "c", "x", "y", "d", "e"}));
    EXPECT_EQ(Text(c().lblFileImportPreviewLines), "8");

    // Column 2 of a line with an empty field before it is its second field.
    c().rdoFileImportOneColumn->click();
    EXPECT_FALSE(c().rdoFileImportAllColumns->isChecked());
    EXPECT_TRUE(c().edtFileImportColumnNumber->isEnabled());
    c().btnFileImportColumnUp->click();
    EXPECT_EQ(c().edtFileImportColumnNumber->text().toStdString(), "2");
    Preview();
    EXPECT_EQ(c().lstFileImportResults->Items(), (std::vector<std::string>{"b", "x", "e"}));

    // Column 3 of a two-field line adds nothing for that line.
    c().edtFileImportColumnNumber->setText("3");
    Preview();
    EXPECT_EQ(c().lstFileImportResults->Items(), (std::vector<std::string>{"c", "y"}));
}

TEST_F(FileImportWindowTest, TheWordSpaceSeparatesAtBlanks) {
    sandbox->MakeFile("D:\\words.txt", "red green  blue\n");
    Browse("D:\\words.txt");
    ChooseSeparated("space");
    Preview();
    EXPECT_EQ(c().lstFileImportResults->Items(), (std::vector<std::string>{"red", "green", "blue"}));
}

TEST_F(FileImportWindowTest, AnEmptyPreviewLeavesOkDisabled) {
    sandbox->MakeFile("D:\\pairs.txt", "a,b\nc,d\n");
    Browse("D:\\pairs.txt");
    ChooseSeparated(",");
    c().rdoFileImportOneColumn->click();
    c().edtFileImportColumnNumber->setText("5");
    Preview();
    EXPECT_EQ(c().lstFileImportResults->Count(), 0);
    EXPECT_FALSE(c().btnFileImportOk->isEnabled());
    EXPECT_FALSE(c().lblFileImportKettes->isEnabled());

    // A file gone since it was read: the reader's 0313, then the end box.
    c().rdoFileImportPlainText->click();
    std::filesystem::remove(sandbox->Host("D:\\pairs.txt"));
    Preview({"0313", "0451"});
    EXPECT_EQ(c().lstFileImportResults->Count(), 0);
    EXPECT_FALSE(c().btnFileImportOk->isEnabled());
}

TEST_F(FileImportWindowTest, AColumnNumberThatIsNoNumberLeavesThePreviewAlone) {
    sandbox->MakeFile("D:\\pairs.txt", "a,b\n");
    Browse("D:\\pairs.txt");
    Preview();
    ChooseSeparated(",");
    c().rdoFileImportOneColumn->click();
    c().edtFileImportColumnNumber->setText("two");
    desktop.ExpectFrameworkError("'two' is not a valid integer value");
    c().btnFileImportFrom->click();
    EXPECT_EQ(c().lstFileImportResults->Items(), std::vector<std::string>{"a,b"});
}

TEST_F(FileImportWindowTest, OptionHandlersFollowTheirTable) {
    sandbox->MakeFile("D:\\x.txt", "x\n");
    Browse("D:\\x.txt");
    c().rdoFileImportSeparatedFile->click();
    EXPECT_FALSE(c().rdoFileImportPlainText->isChecked());
    EXPECT_TRUE(c().rdoFileImportSeparatedFile->isChecked());
    EXPECT_TRUE(c().rdoFileImportAllColumns->isChecked());
    EXPECT_TRUE(c().rdoFileImportAllColumns->isEnabled());
    EXPECT_TRUE(c().rdoFileImportOneColumn->isEnabled());
    EXPECT_TRUE(c().lblFileImportDelimiter->isEnabled());
    EXPECT_TRUE(c().cboFileImportDelimiter->isEnabled());
    EXPECT_FALSE(c().UDFileImportColumnNumber->isEnabled());

    c().rdoFileImportOneColumn->click();
    EXPECT_TRUE(c().UDFileImportColumnNumber->isEnabled());
    c().btnFileImportColumnDown->click();
    EXPECT_EQ(c().edtFileImportColumnNumber->text().toStdString(), "1"); // the up-down stops at 1
    c().rdoFileImportAllColumns->click();
    EXPECT_FALSE(c().rdoFileImportOneColumn->isChecked());
    EXPECT_FALSE(c().edtFileImportColumnNumber->isEnabled());

    c().rdoFileImportPlainText->click();
    EXPECT_TRUE(c().rdoFileImportPlainText->isChecked());
    EXPECT_FALSE(c().rdoFileImportSeparatedFile->isChecked());
    EXPECT_FALSE(c().rdoFileImportAllColumns->isChecked());
    EXPECT_FALSE(c().rdoFileImportOneColumn->isChecked());
    EXPECT_FALSE(c().rdoFileImportAllColumns->isEnabled());
    EXPECT_FALSE(c().cboFileImportDelimiter->isEnabled());
}

TEST_F(FileImportWindowTest, ClearSetsTheDefaultsAgain) {
    sandbox->MakeFile("D:\\t.txt", "a;b\n");
    Browse("D:\\t.txt");
    ChooseSeparated(";");
    c().chkFileImportAbandonQMarks->setChecked(false);
    c().rdoFileImportOneColumn->click();
    c().edtFileImportColumnNumber->setText("4");
    Preview();

    c().btnFileImportClear->click();
    EXPECT_TRUE(c().edtFileImportFileName->text().isEmpty());
    EXPECT_EQ(c().lstFileImportSource->Count(), 0);
    EXPECT_EQ(c().lstFileImportResults->Count(), 0);
    EXPECT_EQ(Text(c().lblFileImportSourceLines), "0");
    EXPECT_EQ(Text(c().lblFileImportPreviewLines), "0");
    EXPECT_TRUE(c().rdoFileImportPlainText->isChecked());
    EXPECT_FALSE(c().rdoFileImportSeparatedFile->isChecked());
    EXPECT_EQ(c().edtFileImportColumnNumber->text().toStdString(), "1");
    EXPECT_TRUE(c().chkFileImportAbandonQMarks->isChecked());
    EXPECT_EQ(c().cboFileImportDelimiter->ItemIndex(), 0);
    // Without a file nothing but Browse is offered.
    EXPECT_FALSE(c().rdoFileImportPlainText->isEnabled());
    EXPECT_FALSE(c().btnFileImportFrom->isEnabled());
    EXPECT_FALSE(c().chkFileImportAbandonQMarks->isEnabled());
    EXPECT_FALSE(c().btnFileImportOk->isEnabled());
}

TEST_F(FileImportWindowTest, OkAndCloseGiveTheirModalResults) {
    sandbox->MakeFile("D:\\ok.txt", "item\n");
    Browse("D:\\ok.txt");
    Preview();
    desktop.ExpectModal("frmFileImport", [this](ui::Form&) { c().btnFileImportOk->click(); });
    EXPECT_EQ(ui::desktop().ShowModal(*frmFileImport), Answer::Ok);
    desktop.ExpectModal("frmFileImport", [this](ui::Form&) { c().btnFileImportCancel->click(); });
    EXPECT_EQ(ui::desktop().ShowModal(*frmFileImport), Answer::Cancel);
    // The window keeps its content between openings.
    EXPECT_EQ(c().lstFileImportResults->Items(), std::vector<std::string>{"item"});
}

TEST_F(FileImportWindowTest, EnterInTheFileNameBrowsesInsteadOfConfirming) {
    sandbox->MakeFile("D:\\enter.txt", "e\n");
    Browse("D:\\enter.txt");
    Preview();
    const Answer before = frmFileImport->ModalResult();
    desktop.ExpectOpenFile("");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(c().edtFileImportFileName, &enter);
    // A default button would be pressed with a short animation: let it run.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 300)
        QApplication::processEvents();
    EXPECT_TRUE(desktop.AllUsed());
    EXPECT_EQ(frmFileImport->ModalResult(), before); // the default button was not pressed
}

TEST_F(FileImportWindowTest, TheDelimiterChoiceHoldsTheSharedSymbolsOnce) {
    ui::ComboBox& combo = *c().cboFileImportDelimiter;
    EXPECT_EQ(combo.Count(), 17);
    EXPECT_EQ(combo.Text(0), ",");
    EXPECT_GE(combo.IndexOf("space"), 0);
    EXPECT_EQ(c().cboFileImportQuotationMark->ItemIndex(), 0);
    EXPECT_TRUE(c().GroupBox4->isHidden());
    EXPECT_TRUE(c().rdoFileImportColumnSeparatedFile->isHidden());
    EXPECT_TRUE(c().chkFileImportDeleteContent->isHidden());
    EXPECT_TRUE(c().btnFileImportVideo01->isHidden());

    // Taken from the shared list when it holds any, each item once ignoring
    // case, in its order, the first selected.
    const std::deque<std::string> separators = GetSeparatorList();
    const std::deque<std::string> marks = GetQuotationMarkList();
    ClearSeparatorList();
    for (const char* item : {";", "Tab", "|", "TAB", ";"})
        AddToSeparatorList(item);
    ClearQuotationMarkList();
    AddToQuotationMarkList("'");
    frmFileImport->FormCreate();
    EXPECT_EQ(combo.Items(), (std::vector<std::string>{";", "Tab", "|"}));
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_EQ(c().cboFileImportQuotationMark->Items(), std::vector<std::string>{"'"});
    ClearSeparatorList();
    for (const std::string& item : separators)
        AddToSeparatorList(item);
    ClearQuotationMarkList();
    for (const std::string& item : marks)
        AddToQuotationMarkList(item);
    frmFileImport->FormCreate();
    EXPECT_EQ(combo.Count(), 17);
}

TEST(CutToBytes, KeepsWholeCharactersAndCutsOtherBytesAtTheLimit) {
    const std::string e = "\xC3\xA9"; // é, two bytes
    EXPECT_EQ(CutToBytes("abc", 5), "abc");
    EXPECT_EQ(CutToBytes("abcdef", 4), "abcd");
    EXPECT_EQ(CutToBytes("ab" + e, 3), "ab");
    EXPECT_EQ(CutToBytes("ab" + e, 4), "ab" + e);
    EXPECT_EQ(CutToBytes("a\xF0\x9F\x98\x80", 4), "a"); // a four-byte character
    // A file in a one-byte code page: its bytes 0x80 to 0xBF are characters of
    // their own, and a long run of them is not lost.
    EXPECT_EQ(CutToBytes(std::string(3000, '\xA0'), 2048), std::string(2048, '\xA0'));
    EXPECT_EQ(CutToBytes("x" + std::string(10, '\xBF'), 5), "x" + std::string(4, '\xBF'));
}

TEST(HasTxtExtension, OnlyTheLastExtensionOfTheNameCounts) {
    EXPECT_TRUE(HasTxtExtension("D:\\list.txt"));
    EXPECT_TRUE(HasTxtExtension("D:\\LIST.TxT"));
    EXPECT_FALSE(HasTxtExtension("D:\\list.csv"));
    EXPECT_FALSE(HasTxtExtension("D:\\list.txt.bak"));
    EXPECT_FALSE(HasTxtExtension("D:\\noext"));
    EXPECT_FALSE(HasTxtExtension("D:\\folder.txt\\noext"));
    EXPECT_FALSE(HasTxtExtension("D:\\list."));
}
