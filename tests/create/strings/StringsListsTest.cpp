// The strings page's lists: typing items in, the moves between Include and
// Exclude, deleting, the editor, the import and export hand-overs, Clear All
// and the page's state after start-up.

#include "ui_TfrmFileExport.h"
#include "ui_TfrmFileImport.h"
#include "ui_TfrmStatistic02.h"
#include "ui_TfrmVol02EditIncludeList.h"
#include "ui_Vol02StringsPage.h"

#include "StringsListsFixture.h"

#include "create/strings/TfrmVol02EditIncludeList.h"
#include "tools/TfrmFileExport.h"
#include "tools/TfrmFileImport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>

using namespace createtests;
using ui::Answer;

TEST_F(StringsListsTest, StartsWithItsControlsOffAndAnEmptyDestination) {
    EXPECT_EQ(controls().cboVol02DestFolders->Items(), Lines{""});
    EXPECT_EQ(controls().cboVol02DestFolders->ItemIndex(), 0);
    EXPECT_FALSE(controls().edtVol02AddToList->isEnabled());
    EXPECT_FALSE(controls().lstVol02IncludeStrings->isEnabled());
    EXPECT_FALSE(controls().edtVol02Prefix->isEnabled());
    EXPECT_FALSE(controls().rdoVol02AttachNothing->isEnabled());
    EXPECT_TRUE(controls().btnVol02AddDestFolder->isEnabled());
    EXPECT_EQ(Counts(), (Lines{"0", "0"}));
    EXPECT_EQ(Planned(), (Lines{"0", "0", "0", "0"}));
    EXPECT_EQ(include().HorizontalExtent(), 3000);
    EXPECT_EQ(controls().lstVol02AddFolderStructure->HorizontalExtent(), 3000);

    // A destination opens the lists; the first item the rest.
    ChooseDestination("D:\\Work");
    EXPECT_TRUE(controls().edtVol02AddToList->isEnabled());
    EXPECT_FALSE(controls().edtVol02Prefix->isEnabled());
    Type("first");
    EXPECT_TRUE(controls().edtVol02Prefix->isEnabled());
    EXPECT_TRUE(controls().btnVol02CreateFolders->isEnabled());
    EXPECT_FALSE(controls().lstVol02AddFolderStructure->isEnabled()); // "Attach Nothing."
}

TEST_F(StringsListsTest, TypedItemsAreNormalisedAndChecked) {
    ChooseDestination("D:\\Work");
    desktop->ExpectBox("0004");
    Type("   ");
    EXPECT_EQ(desktop->LastBox().caption, PageTitle + "Warning no: 0004.");
    EXPECT_EQ(
        desktop->LastBox().text,
        "The text field is empty !\nAction : You must enter a different name to add to the Include List.");

    Type("  a/b//c ");
    EXPECT_EQ(include().Items(), Lines{"a\\b\\c"});
    EXPECT_EQ(Entry(), "");
    EXPECT_EQ(Counts(), (Lines{"1", "0"}));
    EXPECT_EQ(controls().lblVol02StartFolder->text().toStdString(), "D:\\Work\\a\\b\\c");

    // The same item again, in other letters or other slashes.
    desktop->ExpectBox("0005");
    Type("A\\B\\C");
    desktop->ExpectBox("0005");
    Type("a/B/c");
    EXPECT_EQ(desktop->LastBox().text, "This item already exists in the Include list !");
    exclude().AddItem("Held");
    desktop->ExpectBox("0006");
    Type("HELD");
    EXPECT_EQ(desktop->LastBox().text, "This item already exists in the Exclude list !");

    desktop->ExpectBox("0007");
    Type("C:\\Temp");
    EXPECT_EQ(desktop->LastBox().caption,
              "Creating Folder(s).-From a String List.          Warning no: 0007.");
    EXPECT_EQ(desktop->LastBox().text,
              "This item is a Folder Name (with drive letter) !\nAction : You must enter a "
              "string without a drive letter !!!");
    EXPECT_EQ(Entry(), "C:\\Temp"); // kept for correcting

    // An illegal character: the entry keeps what came before it.
    desktop->ExpectBox("0008");
    Type("  ab*cd|e");
    EXPECT_EQ(desktop->LastBox().text, "Illegal character in the Text : *");
    EXPECT_EQ(Entry(), "ab");
    desktop->ExpectBox("0008");
    Type("xy:z");
    EXPECT_EQ(desktop->LastBox().text, "Illegal character in the Text : :");
    EXPECT_EQ(Entry(), "xy");
    EXPECT_EQ(include().Items(), Lines{"a\\b\\c"});

    // Enter does what Add does.
    controls().edtVol02AddToList->setText("entered");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(controls().edtVol02AddToList, &enter);
    EXPECT_EQ(include().Items(), (Lines{"a\\b\\c", "entered"}));
}

TEST_F(StringsListsTest, MovesNeverDuplicateAnItem) {
    ChooseDestination("D:\\Work");
    TypeAll({"alpha", "beta", "gamma", "delta"});
    exclude().AddItems({"BETA", "omega"});

    Select(include(), {"alpha", "beta"});
    Click(controls().btnVol02IncToExc);
    EXPECT_EQ(include().Items(), (Lines{"delta", "gamma"}));
    EXPECT_EQ(exclude().Items(), (Lines{"alpha", "BETA", "omega"}));
    EXPECT_EQ(Counts(), (Lines{"2", "3"}));
    EXPECT_EQ(Planned()[0], "2");

    include().AddItem("Omega");
    Select(exclude(), {"omega", "alpha"});
    Click(controls().btnVol02ExcToInc);
    EXPECT_EQ(include().Items(), (Lines{"alpha", "delta", "gamma", "Omega"}));
    EXPECT_EQ(exclude().Items(), Lines{"BETA"});

    exclude().AddItem("GAMMA");
    Click(controls().btnVol02AllFromInc);
    EXPECT_EQ(include().Count(), 0);
    EXPECT_EQ(exclude().Items(), (Lines{"alpha", "BETA", "delta", "GAMMA", "Omega"}));
    EXPECT_EQ(Counts(), (Lines{"0", "5"}));
    EXPECT_FALSE(controls().edtVol02Prefix->isEnabled()); // the empty list turns the name controls off
    EXPECT_EQ(controls().lblVol02StartFolder->text().toStdString(), "");

    include().AddItem("alpha");
    Click(controls().btnVol02AllFromExc);
    EXPECT_EQ(include().Items(), (Lines{"alpha", "BETA", "delta", "GAMMA", "Omega"}));
    EXPECT_EQ(exclude().Count(), 0);
    EXPECT_EQ(Planned()[0], "5");
}

TEST_F(StringsListsTest, ManyItemsMoveAndStaySorted) {
    ChooseDestination("D:\\Work");
    Lines items;
    for (int i = 0; i < 3000; ++i)
        items.push_back("item" + std::to_string(i));
    include().AddItems(items);
    page->RefreshAfterListChange();
    // Every third item, more than are deleted one by one.
    include().ClearSelection();
    for (int row = 0; row < include().Count(); row += 3)
        include().SetSelected(row, true);
    Lines selected;
    for (int row : include().SelectedIndexes())
        selected.push_back(include().Text(row));
    Click(controls().btnVol02IncToExc);
    EXPECT_EQ(exclude().Items(), selected);
    EXPECT_EQ(include().Count() + exclude().Count(), 3000);
    for (const std::string& item : selected)
        EXPECT_FALSE(include().Contains(item)) << item;
    EXPECT_EQ(Counts(), (Lines{std::to_string(include().Count()), std::to_string(selected.size())}));
}

TEST_F(StringsListsTest, DeletingFromTheExcludeListAsks) {
    ChooseDestination("D:\\Work");
    Type("kept");
    desktop->ExpectBox("0144");
    Click(controls().btnVol02DeleteFromExclude);
    EXPECT_EQ(desktop->LastBox().caption, PageTitle + "Warning no: 0144.");
    EXPECT_EQ(desktop->LastBox().text,
              "The EXCLUDE list is empty !\nAction : You must enter at least one STRING "
              "to the EXCLUDE list to delete it.\n");

    exclude().AddItems({"x", "y", "z"});
    Select(exclude(), {"x", "z"});
    desktop->ExpectBox("0017", Answer::No);
    Click(controls().btnVol02DeleteFromExclude);
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Question);
    EXPECT_EQ(desktop->LastBox().defaultButton, Answer::No);
    EXPECT_EQ(desktop->LastBox().text,
              "Do you want to delete the selected item(s) from the Exclude list ?\nNote: "
              "You can delete ONLY from the EXCLUDE list.\n");
    EXPECT_EQ(exclude().Items(), (Lines{"x", "y", "z"}));
    desktop->ExpectBox("0017", Answer::Yes);
    Click(controls().btnVol02DeleteFromExclude);
    EXPECT_EQ(exclude().Items(), Lines{"y"});
    EXPECT_EQ(Counts(), (Lines{"1", "1"}));
    EXPECT_EQ(include().Items(), Lines{"kept"});
}

TEST_F(StringsListsTest, ClearingTheWholeExcludeList) {
    ChooseDestination("D:\\Work");
    Type("one");
    page->ResetAllCounters(); // the refresh plans again
    page->RefreshResultLabels();
    desktop->ExpectBox("0528");
    Click(controls().btnVol02DeleteExcludeAll);
    EXPECT_EQ(desktop->LastBox().caption, PageTitle + "Warning no: 0528.");
    EXPECT_EQ(desktop->LastBox().text, "Empty List in the Exclude Window!\n");
    EXPECT_EQ(Planned()[0], "1");

    exclude().AddItems({"p", "q"});
    desktop->ExpectBox("0529", Answer::No);
    Click(controls().btnVol02DeleteExcludeAll);
    EXPECT_EQ(desktop->LastBox().text, "Do you want to delete all item(s) from the Exclude list ?");
    EXPECT_EQ(exclude().Count(), 2);
    desktop->ExpectBox("0529", Answer::Yes);
    Click(controls().btnVol02DeleteExcludeAll);
    EXPECT_EQ(exclude().Count(), 0);
    EXPECT_EQ(Counts(), (Lines{"1", "0"}));
}

TEST_F(StringsListsTest, TheEditorRebuildsTheIncludeList) {
    ChooseDestination("D:\\Work");
    TypeAll({"b", "a"});
    exclude().AddItem("held");
    auto edit = [&](const std::string& text, bool ok) {
        desktop->ExpectModal("frmVol02EditIncludeList", [&, text, ok](ui::Form&) {
            Ui::TfrmVol02EditIncludeList& editor = frmVol02EditIncludeList->Controls();
            EXPECT_EQ(editor.mmoVol02EditIncludeList->toPlainText().toStdString(), "a\nb");
            editor.mmoVol02EditIncludeList->setPlainText(QString::fromStdString(text));
            (ok ? editor.btnVol02EditOk : editor.btnVol02EditCancel)->click();
        });
        Click(controls().btnVol02EditIncludeList);
    };
    edit("x\ny", false);
    EXPECT_EQ(include().Items(), (Lines{"a", "b"}));

    edit("  c \n\nA\na\nHELD\nb", true);
    EXPECT_EQ(include().Items(), (Lines{"A", "b", "c"}));
    EXPECT_EQ(Counts(), (Lines{"3", "1"}));
    EXPECT_EQ(Planned()[0], "3");
    EXPECT_EQ(controls().lblVol02EndFolder->text().toStdString(), "D:\\Work\\c");
}

TEST_F(StringsListsTest, SmartImportTakesTheConfirmedPreview) {
    ChooseDestination("D:\\Work");
    Type("dup");
    exclude().AddItem("held");

    SmartImport({"new"}, false);
    EXPECT_EQ(include().Items(), Lines{"dup"});

    SmartImport({"  x  ", "C:\\a D:\\b", "DUP", "Held", "new", "NEW", "   "}, true);
    // Split at the drives; what either list holds, and repeats, stay out.
    EXPECT_EQ(include().Items(), (Lines{"C:\\a", "D:\\b", "dup", "new", "x"}));
    EXPECT_EQ(Counts(), (Lines{"5", "1"}));
    EXPECT_TRUE(controls().pbVol02ProgressBar->isHidden());

    SmartImport({}, true, "0377");
    EXPECT_EQ(desktop->LastBox().caption,
              "Creating Folder(s).-From a String List.             Warning no: 0377.");
    EXPECT_EQ(desktop->LastBox().text, "Empty Result List in the File Import Window!\n");
    frmFileImport->Controls().btnFileImportClear->click();
}

TEST_F(StringsListsTest, SmartExportHandsOverItemsWithoutADrivePart) {
    desktop->ExpectBox("0556");
    page->btnVol02SmartExportClick();
    EXPECT_EQ(desktop->LastBox().caption, PageTitle + "Warning no: 0556.");
    EXPECT_EQ(desktop->LastBox().text, "The Include List is empty !\n");

    include().AddItems({"plain", "C:\\drive", "sub\\leaf"});
    Lines handed;
    desktop->ExpectModal("frmFileExport", [&](ui::Form&) {
        handed = frmFileExport->Controls().lstFileExportSource->Items();
        EXPECT_EQ(frmFileExport->ListType(), "STRINGS");
        EXPECT_EQ(frmFileExport->Controls().lblSmartExportSource->text().toStdString(), "2");
    });
    page->btnVol02SmartExportClick();
    EXPECT_EQ(handed, (Lines{"plain", "sub\\leaf"}));
    EXPECT_EQ(Counts(), (Lines{"3", "0"})); // refreshed afterwards
}

TEST_F(StringsListsTest, ClearAllReturnsToTheStartAndForgetsTheUndoList) {
    ChooseDestination("D:\\Work");
    TypeAll({"a", "b"});
    exclude().AddItem("c");
    CreateToTheEnd();
    frmStatistic02->hide();
    controls().edtVol02Prefix->setText("P");
    controls().edtVol02Suffix->setText("S");
    controls().chkVol02Hyphen->setChecked(false);
    ASSERT_EQ(page->ResultLists().Created.Folders.size(), 2u);

    desktop->ExpectBox("0032", Answer::No);
    Click(controls().btnVol02ClearAll);
    EXPECT_EQ(include().Count(), 2);

    ExpectBoxes({"0032?", "0033"});
    Click(controls().btnVol02ClearAll);
    EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].caption, PageTitle + "Information no: 0032.");
    EXPECT_EQ(
        desktop->Boxes()[desktop->Boxes().size() - 2].text,
        "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to Stop the "
        "delete process.");
    EXPECT_EQ(desktop->LastBox().caption, PageTitle + "Information no: 0033.");
    EXPECT_EQ(desktop->LastBox().text, "End of the CLEAR FIELDS process !!!\n");
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Information);
    EXPECT_EQ(controls().cboVol02DestFolders->ItemIndex(), 0);
    EXPECT_EQ(controls().cboVol02DestFolders->Text(), "");
    EXPECT_EQ(include().Count() + exclude().Count(), 0);
    EXPECT_TRUE(controls().edtVol02Prefix->text().isEmpty());
    EXPECT_TRUE(controls().edtVol02Suffix->text().isEmpty());
    EXPECT_TRUE(controls().chkVol02Hyphen->isChecked());
    EXPECT_EQ(Counts(), (Lines{"0", "0"}));
    EXPECT_EQ(Planned(), (Lines{"0", "0", "0", "0"}));
    EXPECT_EQ(PageLabel("FoldersCreated"), "0");
    EXPECT_FALSE(controls().edtVol02AddToList->isEnabled());
    EXPECT_TRUE(page->ResultLists().Created.Folders.empty());

    // Undo has nothing left to undo; the folders stay.
    desktop->ExpectBox("0028");
    page->UndoLastRun();
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\a"));
}

TEST_F(StringsListsTest, LongListWorkLetsMessagesRunAtFrameRateOnly) {
    ChooseDestination("D:\\Work");
    Lines lines;
    for (int i = 0; i < 20000; ++i)
        lines.push_back("line" + std::to_string(i));
    ui::ListBox& results = *frmFileImport->Controls().lstFileImportResults;
    desktop->ExpectModal("frmFileImport", [&](ui::Form& window) {
        results.Clear();
        results.AddItems(lines);
        window.SetModalResult(Answer::Ok);
    });
    const int before = desktop->ProcessMessagesCalls();
    QElapsedTimer elapsed;
    elapsed.start();
    Click(controls().btnVol02SmartImport);
    Click(controls().btnVol02AllFromInc);
    const qint64 milliseconds = elapsed.elapsed();
    EXPECT_EQ(exclude().Count(), 20000);
    // One update when the work starts, then one per frame of 33 ms at most.
    EXPECT_LE(desktop->ProcessMessagesCalls() - before, 2 * (2 + milliseconds / 33));
    frmFileImport->Controls().btnFileImportClear->click();
}
