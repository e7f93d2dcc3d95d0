// The rename page's View Selected and its Include-list editor.

#include "ui_TfrmStatistic06.h"
#include "ui_TfrmVol06EditIncludeList.h"
#include "ui_Vol06RenamePage.h"

#include "RenamePageFixture.h"

#include "manage/rename/TfrmVol06EditIncludeList.h"

#include <QPlainTextEdit>

using namespace renametests;

TEST_F(RenamePageTest, ViewSelectedOpensOnlyAFolder) {
    sandbox->MakeFolder("D:\\Work");
    sandbox->MakeFile("D:\\Work\\setup.exe", "MZ");
    SetLines({"D:\\Work\\setup.exe", " D:\\Work ", "D:\\Gone"});
    desktop->ExpectBox("0305");
    Click(controls().btnVol06includeFolderList);
    for (int row : {0, 2}) {
        include().SetItemIndex(row);
        desktop->ExpectBox("0305");
        Click(controls().btnVol06includeFolderList);
    }
    EXPECT_EQ(desktop->LastBox().caption,
              "Rename folders. - From a Folder List.            Warning no: 0305.");
    EXPECT_TRUE(desktop->ShellOpens().empty());
    include().SetItemIndex(1);
    Click(controls().btnVol06includeFolderList);
    EXPECT_EQ(desktop->ShellOpens(), Lines{"D:\\Work"});
}

TEST_F(RenamePageTest, EditorKeepsEachTrimmedLineOnceOutsideTheExcludeList) {
    SetLines({"D:\\Keep"});
    exclude().AddItem("D:\\Excluded");
    Ui::TfrmVol06EditIncludeList& editor = frmVol06EditIncludeList->Controls();
    desktop->ExpectModal("frmVol06EditIncludeList", [&editor](ui::Form&) {
        EXPECT_EQ(editor.mmoVol06EditIncludeList->toPlainText().toStdString(), "D:\\Keep");
        editor.mmoVol06EditIncludeList->setPlainText("D:\\A\n  D:\\A  \n\nd:\\a\nD:\\excluded\nD:\\B");
        EXPECT_EQ(editor.lblVol06EditLinesSum->text(), "5");
        editor.btnVol06EditIncludeListOk->click();
    });
    Click(controls().btnVol06EditIncludeWindow);
    EXPECT_EQ(include().Items(), (Lines{"D:\\A", "D:\\B"}));
    EXPECT_EQ(PageCounters()[0], "2");

    desktop->ExpectModal("frmVol06EditIncludeList", [&editor](ui::Form&) {
        editor.mmoVol06EditIncludeList->setPlainText("D:\\Other");
        editor.btnVol06EditIncludelistCancel->click();
    });
    Click(controls().btnVol06EditIncludeWindow);
    EXPECT_EQ(include().Items(), (Lines{"D:\\A", "D:\\B"}));
    EXPECT_TRUE(editor.mmoVol06EditIncludeList->toPlainText().isEmpty());
}
