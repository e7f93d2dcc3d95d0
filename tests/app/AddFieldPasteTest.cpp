// Lines pasted at once into the field that adds to a page's list: every page
// either takes them as items of their own, each through the field's checks,
// or refuses them with the field's box. No item ever holds a line break.

#include "app/ManualPage.h"
#include "app/TfrmMain.h"
#include "common/TextLines.h"
#include "create/paths/Vol04PathsPage.h"
#include "create/strings/Vol02StringsPage.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "ui/ComboBox.h"
#include "ui/FolderBrowseDialog.h"
#include "ui/ListBox.h"

#include "ui_Vol02StringsPage.h"
#include "ui_Vol04PathsPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;
using Lines = std::vector<std::string>;

namespace {

// The folder browse dialog as a person uses it, once a paste is given: the
// text is pasted into its path field and OK is clicked; a refused text leaves
// the dialog to be cancelled. Without a paste, the scripted choice.
class PastingBrowseDesktop : public ScriptedDesktop {
public:
    std::string pasted;

    std::string BrowseForFolder(QWidget* owner, const std::string& title) override {
        if (pasted.empty())
            return ScriptedDesktop::BrowseForFolder(owner, title);
        ui::FolderBrowseDialog dialog(owner, title);
        auto* path = dialog.findChild<QLineEdit*>("edtPath");
        path->selectAll();
        QApplication::clipboard()->setText(QString::fromStdString(pasted));
        path->paste();
        dialog.findChild<QPushButton*>("btnOk")->click();
        return dialog.result() == QDialog::Accepted ? dialog.Result() : std::string();
    }
};

void Paste(QLineEdit* field, const std::string& text) {
    field->setFocus();
    field->selectAll();
    QApplication::clipboard()->setText(QString::fromStdString(text));
    field->paste();
}

void Click(QWidget* page, const char* name) {
    auto* button = page->findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isEnabled()) << name;
    button->click();
}

class AddFieldPasteTest : public testsupport::ProgramWindowsFixture {};

TEST_F(AddFieldPasteTest, PastedLinesAreItemsOfTheirOwnOrRefusedNeverPartOfAnItem) {
    struct Case {
        const char* what;
        std::function<void(PastingBrowseDesktop&)> prepare;
        std::function<QLineEdit*()> field; // nullptr: the browse dialog's path field
        std::function<void()> add;
        std::string pasted;
        Lines boxes;
        std::function<ui::ListBox*()> list;
        Lines items;
        std::string fieldAfter;
    };
    Vol02StringsPage& strings = frmMain->StringsPage();
    Vol04PathsPage& paths = frmMain->PathsPage();
    ManualPage& manual = frmMain->ManualFoldersPage();
    QWidget* rename = frmMain->findChild<QWidget*>("Vol06RenamePage");
    QWidget* remove = frmMain->findChild<QWidget*>("Vol07DeletePage");
    QWidget* copy = frmMain->findChild<QWidget*>("Vol08CopyPage");
    const auto child = [](QWidget* page, const char* name) { return page->findChild<ui::ListBox*>(name); };
    const auto forced = [&] { return manual.findChild<ui::ComboBox*>("cboCreateFolderForced")->lineEdit(); };
    const auto sub = [&] { return manual.findChild<ui::ComboBox*>("cboSubFolder")->lineEdit(); };
    const auto manually = [](QWidget* page, const char* radio, const char* button) {
        return [=] {
            page->findChild<QRadioButton*>(radio)->click();
            Click(page, button);
        };
    };

    const std::vector<Case> cases = {
        {"strings page: a line break is an illegal character of a string",
         [&](PastingBrowseDesktop& d) {
             d.ExpectBrowse("D:\\W");
             d.ExpectModal("frmLevelSummFolder");
             strings.Controls().btnVol02AddDestFolder->click();
         },
         [&] { return strings.Controls().edtVol02AddToList; },
         [&] { strings.Controls().btnVol02AddToList->click(); }, "one\ntwo", Lines{"0008"},
         [&] { return strings.Controls().lstVol02IncludeStrings; }, Lines{}, "one"},
        {"paths page: each line a text of full paths",
         {},
         [&] { return paths.Controls().edtVol04AddToList; },
         [&] { paths.Controls().edtVol04AddToList->returnPressed(); },
         "D:\\W\\p1\r\nD:\\W\\p2 D:\\W\\p3\n",
         Lines{},
         [&] { return paths.Controls().lstVol04IncludeFolderList; },
         Lines{"D:\\W\\p1", "D:\\W\\p2", "D:\\W\\p3"},
         "D:\\W\\p1\nD:\\W\\p2 D:\\W\\p3"},
        {"paths page: a line without a drive is refused and stays with the lines after it",
         {},
         [&] { return paths.Controls().edtVol04AddToList; },
         [&] { paths.Controls().btnVol04AddToList->click(); },
         "D:\\W\\p1\nnot a path\nD:\\W\\p3",
         Lines{"0043"},
         [&] { return paths.Controls().lstVol04IncludeFolderList; },
         Lines{"D:\\W\\p1"},
         "not a path\nD:\\W\\p3"},
        {"manual page, full paths: each line asked for and created",
         [](PastingBrowseDesktop& d) {
             d.ExpectBox("0107", ui::Answer::Yes);
             d.ExpectBox("0107", ui::Answer::Yes);
         },
         forced, [&] { Click(&manual, "btnCreateFolderForced"); }, "D:\\W\\m1\nD:\\W\\m2\n", Lines{"0110"},
         [&] { return manual.findChild<ui::ListBox*>("lstSuccess"); }, Lines{"D:\\W\\m1", "D:\\W\\m2"},
         "D:\\W\\m1\nD:\\W\\m2"},
        {"manual page, subfolders: each line a subfolder",
         [&](PastingBrowseDesktop& d) {
             d.ExpectBrowse("D:\\W");
             Click(&manual, "btnAddRootFolders");
         },
         sub, [&] { Click(&manual, "btnCreateSubFolder"); }, "s1\r\ns2\n", Lines{"0119"},
         [&] { return manual.findChild<ui::ListBox*>("lstSuccessSubFolders"); },
         Lines{"D:\\W\\s1", "D:\\W\\s2"}, "s1\r\ns2\n"},
        {"rename page: the browse dialog takes one folder",
         {},
         nullptr,
         manually(rename, "rdoVol06AddToListManually", "btnVol06AddFolderToList"),
         "D:\\W\\a\nD:\\W\\b",
         Lines{"", "0184"},
         [&] { return child(rename, "lstVol06IncludeFolderList"); },
         Lines{},
         ""},
        {"delete page: the browse dialog takes one folder",
         {},
         nullptr,
         manually(remove, "rdoVol07AddToListManually", "btnVol07AddFoldersToList"),
         "D:\\W\\a\nD:\\W\\b",
         Lines{"", "0219"},
         [&] { return child(remove, "lstVol07IncludeFolderList"); },
         Lines{},
         ""},
        {"copy page: the browse dialog takes one folder",
         {},
         nullptr,
         manually(copy, "rdoVol08AddToListManually", "btnVol08AddFolderToList"),
         "D:\\W\\a\nD:\\W\\b",
         Lines{"", "0262"},
         [&] { return child(copy, "lstVol08IncludeFolderList"); },
         Lines{},
         ""},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DriveSandbox sandbox("CD");
        sandbox.MakeFolder("D:\\W\\a");
        sandbox.MakeFolder("D:\\W\\b");
        PastingBrowseDesktop desktop;
        if (c.prepare)
            c.prepare(desktop);
        for (const std::string& box : c.boxes)
            desktop.ExpectBox(box, ui::Answer::Yes);
        ui::ListBox* list = c.list();
        ASSERT_NE(list, nullptr);
        list->Clear();
        if (c.field) {
            Paste(c.field(), c.pasted);
            ASSERT_EQ(c.field()->text().toStdString(), c.pasted) << "the field takes the paste whole";
        } else {
            desktop.pasted = c.pasted;
        }
        c.add();
        EXPECT_TRUE(desktop.AllUsed());
        for (const std::string& item : list->Items())
            EXPECT_EQ(FindControlCharacter(item), std::string::npos) << item;
        EXPECT_EQ(list->Items(), c.items);
        if (c.field) {
            EXPECT_EQ(c.field()->text().toStdString(), c.fieldAfter);
        }
        for (const std::string& item : c.items) {
            if (item.starts_with("D:\\W\\m") || item.starts_with("D:\\W\\s")) {
                EXPECT_TRUE(sandbox.Exists(item)) << item;
            }
        }
    }
}

TEST_F(AddFieldPasteTest, TheStringsPageNamesTheLineBreakItRefuses) {
    DriveSandbox sandbox("CD");
    sandbox.MakeFolder("D:\\W");
    ScriptedDesktop desktop;
    Vol02StringsPage& page = frmMain->StringsPage();
    desktop.ExpectBrowse("D:\\W");
    desktop.ExpectModal("frmLevelSummFolder");
    page.Controls().btnVol02AddDestFolder->click();
    for (const auto& [pasted, named] :
         std::vector<std::pair<std::string, std::string>>{{"one\r\ntwo", "line break"}, {"a\tb", "tab"}}) {
        Paste(page.Controls().edtVol02AddToList, pasted);
        desktop.ExpectBox("0008");
        page.Controls().btnVol02AddToList->click();
        EXPECT_EQ(desktop.LastBox().text, "Illegal character in the Text : " + named);
    }
}

// Ten thousand pasted paths of about seventy characters: far more than a
// field takes by default, so a cut paste would add a path cut short.
TEST_F(AddFieldPasteTest, APasteOfManyLinesOnThePathsPageAddsEveryLineWhole) {
    DriveSandbox sandbox("CD");
    ScriptedDesktop desktop;
    Vol04PathsPage& page = frmMain->PathsPage();
    page.Controls().lstVol04IncludeFolderList->Clear();
    Lines expected;
    std::string pasted;
    for (int i = 0; i < 10000; ++i) {
        expected.push_back("D:\\Work\\Customers\\client-alpha\\Projects\\2026\\Folder number " +
                           std::to_string(100000 + i));
        pasted += expected.back() + "\n";
    }
    Paste(page.Controls().edtVol04AddToList, pasted);
    page.Controls().edtVol04AddToList->returnPressed();
    EXPECT_EQ(page.Controls().lstVol04IncludeFolderList->Items(), expected);
}

} // namespace
