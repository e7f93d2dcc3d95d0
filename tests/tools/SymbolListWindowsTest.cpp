// The delimiters and quotation-mark windows: the same rules for both, each
// with its own controls, shared list and box captions. Adding and its
// duplicate tests, moves that drop drive-like items, the 30,000 limits,
// deleting from the Excluded list, the default set, and Close storing the
// Included list in the settings file while other ways of closing store nothing.

#include "common/FirstRunSettings.h"
#include "common/SettingLists.h"
#include "common/SettingsFile.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "support/SharedSettingsGuard.h"
#include "tools/SettingsFileSync.h"
#include "tools/TfrmDelimiters.h"
#include "tools/TfrmFileExport.h"
#include "tools/TfrmFileImport.h"
#include "tools/TfrmQuotationMarks.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_TfrmDelimiters.h"
#include "ui_TfrmFileExport.h"
#include "ui_TfrmFileImport.h"
#include "ui_TfrmQuotationMarks.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

using testsupport::ScriptedDesktop;
using ui::Answer;
using Items = std::vector<std::string>;

namespace {

const Items kDefaultSet = {";", "space", "\"", ",", "'", "|", "~", ":", "#",
                           "&", "@",     "$",  "<", ">", ".", "-", "_"};

// One of the two windows, reached the same way.
struct SymbolWindow {
    std::string name;
    SymbolListWindow* window;
    ui::ListBox* included;
    ui::ListBox* excluded;
    QLineEdit* entry;
    std::function<void()> load, incToExc, excToInc, allFromInc, allFromExc, exchange, remove, removeAll,
        defaults, close;
    std::string entryHead, managingHead, noun;
    std::function<std::deque<std::string>()> shared;
    std::function<void(const std::deque<std::string>&)> replaceShared;
};

std::vector<SymbolWindow> BothWindows() {
    Ui::TfrmDelimiters& d = frmDelimiters->Controls();
    Ui::TfrmQuotationMarks& q = frmQuotationMarks->Controls();
    TfrmDelimiters* dw = frmDelimiters;
    TfrmQuotationMarks* qw = frmQuotationMarks;
    return {
        {"delimiters",
         dw,
         d.lstDelimitersIncluded,
         d.lstDelimitersExcluded,
         d.edtDelimitersAdd,
         [dw] { dw->LoadDelimiters(); },
         [dw] { dw->btnDelimitersIncToExcClick(); },
         [dw] { dw->btnDelimitersExcToIncClick(); },
         [dw] { dw->btnDelimitersAllFromIncClick(); },
         [dw] { dw->btnDelimitersAllFromExcClick(); },
         [dw] { dw->btnDelimitersExchangeIncExcClick(); },
         [dw] { dw->btnDelimitersDeleteClick(); },
         [dw] { dw->btnDelimitersRemoveAllClick(); },
         [dw] { dw->btnDelimitersSetDefaultsClick(); },
         [dw] { dw->Controls().btnDelimitersClose->click(); },
         "Delimiters.",
         "Managing Delimiters.",
         "Delimiters",
         GetSeparatorList,
         testsupport::ReplaceSeparatorList},
        {"quotation marks",
         qw,
         q.lstQuotationMarksIncluded,
         q.lstQuotationMarksExcluded,
         q.edtQuotationMarksAdd,
         [qw] { qw->LoadQuotationMarks(); },
         [qw] { qw->btnQuotationMarksIncToExcClick(); },
         [qw] { qw->btnQuotationMarksExcToIncClick(); },
         [qw] { qw->btnQuotationMarksAllFromIncClick(); },
         [qw] { qw->btnQuotationMarksAllFromExcClick(); },
         [qw] { qw->btnQuotationMarksExchangeIncExcClick(); },
         [qw] { qw->btnQuotationMarksDeleteClick(); },
         [qw] { qw->btnQuotationMarksRemoveAllClick(); },
         [qw] { qw->btnQuotationMarksDefaultsClick(); },
         [qw] { qw->Controls().btnQuotationMarksClose->click(); },
         "QuotationMarks.",
         "Managing QuotationMarks.",
         "QuotationMarks",
         GetQuotationMarkList,
         testsupport::ReplaceQuotationMarkList},
    };
}

class SymbolListWindowsTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        ProgramWindowsFixture::SetUp();
        sandbox.MakeFolder("C:\\Settings");
        SetStartDirectory("C:\\Settings");
        windows = BothWindows();
        for (const SymbolWindow& w : windows)
            Fill(w, {}, {});
    }
    void TearDown() override {
        const std::map<std::string, std::string> texts = {
            {"0121", "The limit is 30000"},
            {"0122",
             "The text field is empty !\nAction : You must enter some text to add to the Include List."},
            {"0123", "This item is already exist in the Include list !"},
            {"0124", "This item is already exist in the Exclude list !"},
            {"0128", "Do you want to delete selected delimiter(s) from the Exclude list ?"},
            {"0129", "Do you want to remove (delete) all delimiter(s) from the Exclude list ?"}};
        for (const testsupport::ShownBox& box : desktop.Boxes()) {
            auto text = texts.find(box.number);
            if (text == texts.end())
                continue;
            SCOPED_TRACE("box " + box.number);
            EXPECT_EQ(box.text, text->second);
            const bool question = box.number == "0128" || box.number == "0129";
            EXPECT_EQ(box.icon, question ? ui::Icon::Question : ui::Icon::Warning);
            EXPECT_EQ(box.buttons, question ? ui::Buttons::YesNo : ui::Buttons::Ok);
            if (question) {
                EXPECT_EQ(box.defaultButton, Answer::No);
            }
        }
        for (const SymbolWindow& w : windows)
            Fill(w, {}, {});
    }

    static void Fill(const SymbolWindow& w, const Items& included, const Items& excluded) {
        w.included->Clear();
        w.included->AddItems(included);
        w.excluded->Clear();
        w.excluded->AddItems(excluded);
        w.entry->clear();
    }
    static void Select(ui::ListBox& list, const std::vector<int>& rows) {
        list.ClearSelection();
        for (int row : rows)
            list.SetSelected(row, true);
    }
    // Types into the entry field and presses Enter.
    static void TypeAndEnter(const SymbolWindow& w, const std::string& text) {
        w.entry->setText(QString::fromStdString(text));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(w.entry, &enter);
    }
    void ExpectCaption(const std::string& head, const std::string& number) const {
        EXPECT_EQ(desktop.LastBox().caption, head + "            Warning no: " + number + ".");
    }

    testsupport::SharedSettingsGuard settings;
    testsupport::DriveSandbox sandbox{"C"};
    ScriptedDesktop desktop;
    std::vector<SymbolWindow> windows;
};

TEST_F(SymbolListWindowsTest, TheFirstShowingListsTheStoredItemsInTheirOrder) {
    ApplyFirstRunDefaults();
    ASSERT_TRUE(SaveSharedSettings());
    const Items firstRun = {",", ";", "space", "\"", "'", "|", "~", ":", "#",
                            "&", "@", "$",     "<",  ">", ".", "-", "_"};
    for (const SymbolWindow& w : windows) {
        SCOPED_TRACE(w.name);
        w.load();
        EXPECT_EQ(w.included->Items(), firstRun);
        EXPECT_EQ(w.excluded->Count(), 0);
        EXPECT_EQ(Items(w.window->LoadedItems().begin(), w.window->LoadedItems().end()), firstRun);
    }
}

TEST_F(SymbolListWindowsTest, AddingTestsTheTypedTextAndAddsItTrimmed) {
    struct Case {
        std::string typed;
        std::string box; // "" when the text is added
        Items includedAfter;
        std::string entryAfter;
    };
    const Case cases[] = {
        {"tab", "", {"space", ";", "tab"}, "tab"},
        {"  # ", "", {"space", ";", "#"}, "#"},
        {"SPACE", "0123", {"space", ";"}, "SPACE"},
        {";", "0123", {"space", ";"}, ";"},
        // A leading blank makes another text: it passes the test, and the
        // trimmed text becomes a second, equal item.
        {" ;", "", {"space", ";", ";"}, ";"},
        {"PIPE", "0124", {"space", ";"}, "PIPE"},
        {"", "0122", {"space", ";"}, ""},
        {"   ", "0122", {"space", ";"}, "   "},
    };
    for (const SymbolWindow& w : windows) {
        for (const Case& k : cases) {
            SCOPED_TRACE(w.name + ": typed '" + k.typed + "'");
            Fill(w, {"space", ";"}, {"pipe"});
            if (!k.box.empty())
                desktop.ExpectBox(k.box);
            TypeAndEnter(w, k.typed);
            EXPECT_EQ(w.included->Items(), k.includedAfter);
            EXPECT_EQ(w.excluded->Items(), Items{"pipe"});
            EXPECT_EQ(w.entry->text().toStdString(), k.entryAfter);
            if (!k.box.empty())
                ExpectCaption(w.entryHead, k.box);
        }
    }
}

TEST_F(SymbolListWindowsTest, MovesAddOnlyMissingItemsWithoutADrivePart) {
    struct Case {
        std::string what;
        Items included, excluded;
        std::vector<int> selectedIncluded, selectedExcluded;
        std::function<void()> SymbolWindow::*button;
        Items includedAfter, excludedAfter;
    };
    const Case cases[] = {
        {"> takes the selected items",
         {";", "#", "|"},
         {"~"},
         {0, 2},
         {},
         &SymbolWindow::incToExc,
         {"#"},
         {"~", ";", "|"}},
        {"> drops c: and an item the target holds",
         {"c:", ";", "#"},
         {"#"},
         {0, 2},
         {},
         &SymbolWindow::incToExc,
         {";"},
         {"#"}},
        {"< drops a network-like item",
         {";"},
         {"\\\\x", "~", "|"},
         {},
         {0, 1},
         &SymbolWindow::excToInc,
         {";", "~"},
         {"|"}},
        {">> empties Included", {";", "C:"}, {"#", ";"}, {}, {}, &SymbolWindow::allFromInc, {}, {"#", ";"}},
        {"<< empties Excluded",
         {";"},
         {"#", "D:", "SPACE", "space"},
         {},
         {},
         &SymbolWindow::allFromExc,
         {";", "#", "SPACE"},
         {}},
        {"<> exchanges the lists",
         {";", "c:", "#"},
         {"|", "#", "d:", "~"},
         {},
         {},
         &SymbolWindow::exchange,
         {"|", "#", "~"},
         {";", "#"}},
    };
    for (const SymbolWindow& w : windows) {
        for (const Case& k : cases) {
            SCOPED_TRACE(w.name + ": " + k.what);
            Fill(w, k.included, k.excluded);
            Select(*w.included, k.selectedIncluded);
            Select(*w.excluded, k.selectedExcluded);
            (w.*k.button)();
            EXPECT_EQ(w.included->Items(), k.includedAfter);
            EXPECT_EQ(w.excluded->Items(), k.excludedAfter);
        }
    }
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(SymbolListWindowsTest, TheLimitsAreTestedBeforeAnythingMoves) {
    Items many;
    for (int i = 0; i < 29999; ++i)
        many.push_back("s" + std::to_string(i));
    struct Case {
        Items includedExtra, excluded;
        std::vector<int> selected;
        std::function<void()> SymbolWindow::*button;
        std::string box, textPrefix;
        int includedAfter;
    };
    const Case cases[] = {
        // Every selected item counts, also one that Included holds already.
        {{}, {"s1", "new"}, {0, 1}, &SymbolWindow::excToInc, "0125", "The Limit is 30,000 ", 29999},
        {{}, {"new"}, {0}, &SymbolWindow::excToInc, "", "", 30000},
        // "<<" counts only the items Included lacks.
        {{}, {"s1", "new"}, {}, &SymbolWindow::allFromExc, "", "", 30000},
        {{}, {"new", "other"}, {}, &SymbolWindow::allFromExc, "0126", "The limit is 30,000 ", 29999},
        {{"last"}, {}, {}, nullptr, "0121", "", 30000},
    };
    for (const SymbolWindow& w : windows) {
        for (const Case& k : cases) {
            SCOPED_TRACE(w.name + " " + k.box);
            Items included = many;
            included.insert(included.end(), k.includedExtra.begin(), k.includedExtra.end());
            Fill(w, included, k.excluded);
            Select(*w.excluded, k.selected);
            if (!k.box.empty())
                desktop.ExpectBox(k.box);
            if (k.button)
                (w.*k.button)();
            else
                TypeAndEnter(w, "new");
            EXPECT_EQ(w.included->Count(), k.includedAfter);
            if (k.box.empty())
                continue;
            EXPECT_EQ(w.excluded->Items(), k.excluded);
            if (k.box == "0121") {
                ExpectCaption(w.entryHead, k.box);
            } else {
                ExpectCaption(w.managingHead, k.box);
                EXPECT_EQ(desktop.LastBox().text, k.textPrefix + w.noun);
            }
        }
        // "<>" refuses an Excluded list beyond the limit.
        Items excluded = many;
        excluded.push_back("x1");
        excluded.push_back("x2");
        Fill(w, {";"}, excluded);
        desktop.ExpectBox("0127");
        w.exchange();
        ExpectCaption(w.managingHead, "0127");
        EXPECT_EQ(desktop.LastBox().text, "The limit is 30,000 " + w.noun);
        EXPECT_EQ(w.included->Items(), Items{";"});
        EXPECT_EQ(w.excluded->Count(), 30001);
    }
}

TEST_F(SymbolListWindowsTest, DeletingAsksFirstAndTouchesOnlyTheExcludedList) {
    struct Case {
        std::vector<int> selected;
        std::function<void()> SymbolWindow::*button;
        std::string box;
        Answer answer;
        Items excludedAfter;
    };
    const Case cases[] = {
        {{}, &SymbolWindow::remove, "0128", Answer::Yes, {"#", "|", "~"}},
        {{0, 2}, &SymbolWindow::remove, "0128", Answer::No, {"#", "|", "~"}},
        {{0, 2}, &SymbolWindow::remove, "0128", Answer::Yes, {"|"}},
        {{}, &SymbolWindow::removeAll, "0129", Answer::No, {"#", "|", "~"}},
        {{}, &SymbolWindow::removeAll, "0129", Answer::Yes, {}},
    };
    for (const SymbolWindow& w : windows) {
        for (const Case& k : cases) {
            SCOPED_TRACE(w.name + " " + k.box);
            Fill(w, {";"}, {"#", "|", "~"});
            Select(*w.excluded, k.selected);
            desktop.ExpectBox(k.box, k.answer);
            (w.*k.button)();
            ExpectCaption(w.managingHead, k.box);
            EXPECT_EQ(w.excluded->Items(), k.excludedAfter);
            EXPECT_EQ(w.included->Items(), Items{";"});
        }
        // Neither refuses an empty Excluded list.
        Fill(w, {";"}, {});
        desktop.ExpectBox("0129", Answer::Yes);
        w.removeAll();
    }
}

TEST_F(SymbolListWindowsTest, SetDefaultsGivesTheBuiltInSetInTableOrder) {
    for (const SymbolWindow& w : windows) {
        SCOPED_TRACE(w.name);
        w.replaceShared({"#", "tab"});
        Fill(w, {"#", "tab"}, {";", "|"});
        w.defaults();
        EXPECT_EQ(w.included->Items(), kDefaultSet);
        EXPECT_EQ(w.excluded->Count(), 0);
        EXPECT_EQ(Items(w.window->DefaultItems().begin(), w.window->DefaultItems().end()), kDefaultSet);
    }
}

TEST_F(SymbolListWindowsTest, CloseStoresTheIncludedListWritesTheFileAndOffersItAtOnce) {
    ui::ComboBox& importDelimiters = *frmFileImport->Controls().cboFileImportDelimiter;
    ui::ComboBox& importQuotationMarks = *frmFileImport->Controls().cboFileImportQuotationMark;
    ui::ComboBox& exportDelimiters = *frmFileExport->Controls().cboFileExportDelimiter;
    const std::map<std::string, std::vector<ui::ComboBox*>> offeredBy = {
        {"delimiters", {&importDelimiters, &exportDelimiters}}, {"quotation marks", {&importQuotationMarks}}};
    const Items importDelimitersBefore = importDelimiters.Items();
    const Items importQuotationMarksBefore = importQuotationMarks.Items();
    const Items exportDelimitersBefore = exportDelimiters.Items();

    for (const SymbolWindow& w : windows) {
        SCOPED_TRACE(w.name);
        Fill(w, {";", "tab", "|"}, {"#"});
        w.window->BeginModal();
        w.close();
        EXPECT_EQ(w.window->ModalResult(), Answer::Ok);
        EXPECT_EQ(w.shared(), (std::deque<std::string>{";", "tab", "|"}));
        for (ui::ComboBox* combo : offeredBy.at(w.name))
            EXPECT_EQ(combo->Items(), (Items{";", "tab", "|"}));
    }
    // A second start reads both lists back.
    testsupport::SharedSettingsGuard::ResetToStart();
    SetStartDirectory("C:\\Settings");
    SettingsReader reader("");
    ASSERT_TRUE(reader.IsOpen());
    reader.ClearAll();
    reader.Load();
    for (const SymbolWindow& w : windows)
        EXPECT_EQ(w.shared(), (std::deque<std::string>{";", "tab", "|"}));

    testsupport::ReplaceSeparatorList({importDelimitersBefore.begin(), importDelimitersBefore.end()});
    testsupport::ReplaceQuotationMarkList(
        {importQuotationMarksBefore.begin(), importQuotationMarksBefore.end()});
    frmFileImport->RefillDelimiterChoices();
    frmFileImport->RefillQuotationMarkChoices();
    testsupport::ReplaceSeparatorList({exportDelimitersBefore.begin(), exportDelimitersBefore.end()});
    frmFileExport->RefillDelimiterChoices();
}

TEST_F(SymbolListWindowsTest, AnEmptyIncludedListIsStoredEmptyAndTheNextLoadOffersTheDefaults) {
    for (const SymbolWindow& w : windows) {
        SCOPED_TRACE(w.name);
        w.replaceShared({"#"});
        Fill(w, {}, {"#"});
        w.window->BeginModal();
        w.close();
        EXPECT_TRUE(w.shared().empty());
        w.load();
        EXPECT_EQ(w.included->Items(), kDefaultSet);
        EXPECT_EQ(w.excluded->Items(), Items{"#"});
    }
}

TEST_F(SymbolListWindowsTest, ClosingByOtherMeansStoresNothing) {
    for (const SymbolWindow& w : windows) {
        SCOPED_TRACE(w.name);
        w.replaceShared({";", "#"});
        Fill(w, {"|"}, {";", "#"});
        w.window->BeginModal();
        w.window->reject();
        EXPECT_EQ(w.shared(), (std::deque<std::string>{";", "#"}));
        EXPECT_EQ(w.included->Items(), Items{"|"});
        EXPECT_EQ(w.excluded->Items(), (Items{";", "#"}));
    }
    EXPECT_FALSE(sandbox.Exists("C:\\Settings\\default.set"));
}

} // namespace
