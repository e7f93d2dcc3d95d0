// The strings page's Include-list editor: what OK makes of the edited lines,
// and that Cancel changes nothing.

#include "create/strings/TfrmVol02EditIncludeList.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "ui/ListBox.h"

#include "ui_TfrmVol02EditIncludeList.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;
using testsupport::ScriptedDesktop;

namespace {

class IncludeListEditorTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        for (ui::ListBox* list : {&include, &exclude}) {
            list->SetSorted(true);
            list->SetMultiSelect(true);
        }
    }
    Ui::TfrmVol02EditIncludeList& c() { return frmVol02EditIncludeList->Controls(); }

    // Opens the editor on the lists, types `text` over the memo and presses `button`.
    ui::Answer Edit(const std::string& text, QPushButton* button) {
        frmVol02EditIncludeList->LoadList(include, exclude);
        loaded = c().mmoVol02EditIncludeList->toPlainText().toStdString();
        desktop.ExpectModal("frmVol02EditIncludeList", [&](ui::Form&) {
            c().mmoVol02EditIncludeList->setPlainText(QString::fromStdString(text));
            linesShown = c().lblVol02EditLinesSum->text().toStdString();
            button->click();
        });
        return ui::desktop().ShowModal(*frmVol02EditIncludeList);
    }

    ui::ListBox include;
    ui::ListBox exclude;
    ScriptedDesktop desktop;
    std::string loaded;
    std::string linesShown;
};

} // namespace

TEST_F(IncludeListEditorTest, OkKeepsTrimmedNonEmptyUniqueLinesNotInTheExcludeList) {
    include.AddItems({"beta", "Alpha"});
    exclude.AddItems({"Held"});
    const std::string edited = "Alpha\n\n   \n  gamma  \nALPHA\nbeta\nheld\n\tdelta\t\nBeta\n";
    EXPECT_EQ(Edit(edited, c().btnVol02EditOk), ui::Answer::Ok);

    EXPECT_EQ(loaded, "Alpha\nbeta"); // the memo came with the list in its order
    EXPECT_EQ(linesShown, "7");       // non-empty lines of the edited text
    // Of two lines equal but for case, the one the sorted list puts first stays.
    EXPECT_EQ(include.Items(), (Lines{"ALPHA", "Beta", "delta", "gamma"}));
    EXPECT_EQ(exclude.Items(), Lines{"Held"});
    EXPECT_TRUE(c().mmoVol02EditIncludeList->toPlainText().isEmpty());
}

TEST_F(IncludeListEditorTest, ItemsFromTheEditorAreNotCheckedLikeTypedOnes) {
    EXPECT_EQ(Edit("C:\\Temp\nwith*star\na/b//c", c().btnVol02EditOk), ui::Answer::Ok);
    EXPECT_EQ(include.Items(), (Lines{"a/b//c", "C:\\Temp", "with*star"}));
}

TEST_F(IncludeListEditorTest, CancelLeavesTheListAsItWas) {
    include.AddItems({"one", "two"});
    EXPECT_EQ(Edit("completely\nother", c().btnVol02EditCancel), ui::Answer::Cancel);
    EXPECT_EQ(include.Items(), (Lines{"one", "two"}));
    EXPECT_TRUE(c().mmoVol02EditIncludeList->toPlainText().isEmpty());
}

TEST_F(IncludeListEditorTest, AnEmptiedMemoEmptiesTheList) {
    include.AddItems({"one", "two"});
    EXPECT_EQ(Edit(" \n\n", c().btnVol02EditOk), ui::Answer::Ok);
    EXPECT_EQ(include.Count(), 0);
    EXPECT_EQ(linesShown, "0");
}

TEST_F(IncludeListEditorTest, HelpShowsTheHelpWindow) {
    desktop.ExpectModal("frmAltalanosHelp");
    c().btnVol02EditFormHelp->click();
    EXPECT_TRUE(desktop.AllUsed());
}
