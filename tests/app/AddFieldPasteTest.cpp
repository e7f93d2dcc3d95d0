// Lines pasted at once into the field that adds to a page's list: every page
// either takes them as items of their own, each through the field's checks,
// or refuses them with the field's box. No item ever holds a line break.

#include "app/TfrmMain.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "ui/FolderBrowseDialog.h"
#include "ui/ListBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace {

void Paste(QLineEdit* field, const std::string& text) {
    field->setFocus();
    field->selectAll();
    QApplication::clipboard()->setText(QString::fromStdString(text));
    field->paste();
}

// Once `pasted` is set, the folder browse dialog as a person uses it: the text
// pasted into its path field, then OK; a refused text leaves it cancelled.
class PastingBrowseDesktop : public testsupport::ScriptedDesktop {
public:
    std::string pasted;
    std::string BrowseForFolder(QWidget* owner, const std::string& title) override {
        if (pasted.empty())
            return ScriptedDesktop::BrowseForFolder(owner, title);
        ui::FolderBrowseDialog dialog(owner, title);
        Paste(dialog.findChild<QLineEdit*>("edtPath"), pasted);
        dialog.findChild<QAbstractButton*>("btnOk")->click();
        return dialog.result() == QDialog::Accepted ? dialog.Result() : std::string();
    }
};

// The main window's field of this name, or the line edit of its combo box.
QLineEdit* Field(const char* name) {
    QWidget* field = frmMain->findChild<QWidget*>(name);
    auto* combo = qobject_cast<QComboBox*>(field);
    return combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(field);
}

void Click(const char* name) {
    frmMain->findChild<QAbstractButton*>(name)->click();
}

class AddFieldPasteTest : public testsupport::ProgramWindowsFixture {};

const std::string kOneFolder = "The text holds more than one line";

TEST_F(AddFieldPasteTest, PastedLinesAreItemsOfTheirOwnOrRefusedNeverPartOfAnItem) {
    struct Case {
        const char* field; // "": the folder browse dialog's path field
        Lines clicks;      // none: Enter in the field
        std::string pasted;
        Lines boxes; // each answered Yes
        const char* list;
        Lines items;
        std::string fieldAfter;
        std::string boxText = ""; // how one of the boxes begins
    } cases[] = {
        {"edtVol02AddToList", Lines{"btnVol02AddToList"}, "one\r\ntwo", Lines{"0008"},
         "lstVol02IncludeStrings", Lines{}, "one", "Illegal character in the Text : line break"},
        {"edtVol04AddToList", Lines{}, "D:\\W\\p1\r\nD:\\W\\p2 D:\\W\\p3\n", Lines{},
         "lstVol04IncludeFolderList", Lines{"D:\\W\\p1", "D:\\W\\p2", "D:\\W\\p3"},
         "D:\\W\\p1\nD:\\W\\p2 D:\\W\\p3"},
        // The first refused line stays in the field with the lines after it.
        {"edtVol04AddToList", Lines{"btnVol04AddToList"}, "D:\\W\\p1\nnot a path\nD:\\W\\p3", Lines{"0043"},
         "lstVol04IncludeFolderList", Lines{"D:\\W\\p1"}, "not a path\nD:\\W\\p3"},
        {"cboCreateFolderForced", Lines{"btnCreateFolderForced"}, "D:\\W\\m1\nD:\\W\\m2\n",
         Lines{"0107", "0107", "0110"}, "lstSuccess", Lines{"D:\\W\\m1", "D:\\W\\m2"},
         "D:\\W\\m1\nD:\\W\\m2"},
        {"cboSubFolder", Lines{"btnCreateSubFolder"}, "s1\r\ns2\n", Lines{"0119"}, "lstSuccessSubFolders",
         Lines{"D:\\W\\s1", "D:\\W\\s2"}, "s1\r\ns2\n"},
        {"", Lines{"rdoVol06AddToListManually", "btnVol06AddFolderToList"}, "D:\\W\\a\nD:\\W\\b",
         Lines{"", "0184"}, "lstVol06IncludeFolderList", Lines{}, "", kOneFolder},
        {"", Lines{"rdoVol07AddToListManually", "btnVol07AddFoldersToList"}, "D:\\W\\a\nD:\\W\\b",
         Lines{"", "0219"}, "lstVol07IncludeFolderList", Lines{}, "", kOneFolder},
        {"", Lines{"rdoVol08AddToListManually", "btnVol08AddFolderToList"}, "D:\\W\\a\nD:\\W\\b",
         Lines{"", "0262"}, "lstVol08IncludeFolderList", Lines{}, "", kOneFolder},
    };
    testsupport::DriveSandbox sandbox("CD");
    sandbox.MakeFolder("D:\\W");
    { // The strings page and the manual page's subfolders need a destination.
        PastingBrowseDesktop desktop;
        desktop.ExpectBrowse("D:\\W");
        desktop.ExpectModal("frmLevelSummFolder");
        Click("btnVol02AddDestFolder");
        desktop.ExpectBrowse("D:\\W");
        Click("btnAddRootFolders");
    }

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " " + testing::PrintToString(c.pasted));
        PastingBrowseDesktop desktop;
        for (const std::string& box : c.boxes)
            desktop.ExpectBox(box, ui::Answer::Yes);
        auto* list = frmMain->findChild<ui::ListBox*>(c.list);
        ASSERT_NE(list, nullptr);
        list->Clear();
        QLineEdit* field = *c.field ? Field(c.field) : nullptr;
        if (field) {
            Paste(field, c.pasted);
            ASSERT_EQ(field->text().toStdString(), c.pasted) << "the field takes the paste whole";
        }
        desktop.pasted = field ? "" : c.pasted;
        for (const std::string& button : c.clicks)
            Click(button.c_str());
        if (c.clicks.empty())
            emit field->returnPressed();
        EXPECT_TRUE(desktop.AllUsed());
        EXPECT_EQ(list->Items(), c.items);
        if (field) {
            EXPECT_EQ(field->text().toStdString(), c.fieldAfter);
        }
        if (!c.boxText.empty()) {
            EXPECT_TRUE(std::ranges::any_of(desktop.Boxes(), [&](auto& box) {
                return box.text.starts_with(c.boxText);
            })) << c.boxText;
        }
    }
}

// Far more than a field takes by default: a cut paste would add a path cut short.
TEST_F(AddFieldPasteTest, ThePathsAndManualFieldsTakeALongPasteWhole) {
    const std::string pasted = "D:\\" + std::string(40000, 'x');
    for (const char* name : {"edtVol04AddToList", "cboCreateFolderForced", "cboSubFolder"}) {
        Paste(Field(name), pasted);
        EXPECT_EQ(Field(name)->text().size(), static_cast<int>(pasted.size())) << name;
        Field(name)->clear();
    }
}

} // namespace
