#include "tools/SymbolListWindow.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "tools/ItemListMoves.h"
#include "tools/SettingsFileSync.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <unordered_set>

namespace {

// The built-in default set of both windows, in this order; "space" stands for
// the blank.
const char* const DefaultSymbols[] = {";", "space", "\"", ",", "'", "|", "~", ":", "#",
                                      "&", "@",     "$",  "<", ">", ".", "-", "_"};

// The most items a list takes through the window's own operations.
constexpr int kLimit = 30000;

// Items that read as a drive or a network share ("c:", "\\server") never
// enter a list through a move.
bool HasDrivePart(const std::string& item) {
    return !ExtractFileDrive(Trim(item)).empty();
}

} // namespace

SymbolListWindow::SymbolListWindow(QWidget* parent) : ui::Form(parent) {}

void SymbolListWindow::Attach(const Controls& controls, Texts texts, SharedList shared) {
    controls_ = controls;
    texts_ = std::move(texts);
    shared_ = std::move(shared);
    controls_.entry->installEventFilter(this);
}

bool SymbolListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == controls_.entry && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter adds the text instead of pressing the window's default button.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            char code = 13;
            ui::Guard([this, &code] { EntryKeyPress(code); });
            return true;
        }
    }
    return ui::Form::eventFilter(watched, event);
}

void SymbolListWindow::Warn(const std::string& captionHead, const char* number, const std::string& text) {
    ui::ShowBox(this, captionHead + "            Warning no: " + number + ".", text, ui::Icon::Warning,
                ui::Buttons::Ok);
}

bool SymbolListWindow::Ask(const char* number, const std::string& text) {
    return ui::ShowBox(this, texts_.managingCaptionHead + "            Warning no: " + number + ".", text,
                       ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes;
}

// As the framework's edit fields do on focus, the text is selected, so that
// what the person types next replaces it.
void SymbolListWindow::FocusEntry() {
    controls_.entry->setFocus();
    controls_.entry->selectAll();
}

void SymbolListWindow::CreateItems() {
    defaultItems_.clear();
    for (const char* symbol : DefaultSymbols)
        defaultItems_.push_back(Trim(AnsiLowerCase(symbol)));
    LoadItems();
}

void SymbolListWindow::LoadItems() {
    ReloadSharedSettings();
    loadedItems_ = shared_.get();
    if (loadedItems_.empty()) {
        for (const std::string& item : defaultItems_)
            loadedItems_.push_back(Trim(AnsiLowerCase(item)));
    }
    ui::ListBox& included = *controls_.included;
    for (const std::string& item : loadedItems_) {
        if (!included.Contains(item))
            included.AddItem(item);
    }
}

void SymbolListWindow::AddEntry() {
    ui::ListBox& included = *controls_.included;
    const std::string typed = controls_.entry->text().toStdString();
    const std::string trimmed = Trim(typed);
    // The duplicate tests take the text as typed: a leading blank makes it
    // another text, letter case does not.
    if (included.Count() >= kLimit) {
        Warn(texts_.entryCaptionHead, "0121", "The limit is 30000");
    } else if (trimmed.empty()) {
        Warn(texts_.entryCaptionHead, "0122",
             "The text field is empty !\nAction : You must enter some text to add to the Include List.");
    } else if (included.Contains(typed)) {
        Warn(texts_.entryCaptionHead, "0123", "This item is already exist in the Include list !");
    } else if (controls_.excluded->Contains(typed)) {
        Warn(texts_.entryCaptionHead, "0124", "This item is already exist in the Exclude list !");
    } else {
        included.AddItem(trimmed);
        controls_.entry->setText(QString::fromStdString(trimmed));
    }
    FocusEntry();
}

void SymbolListWindow::MoveRows(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows) {
    std::vector<std::string> moved;
    std::unordered_set<std::string> taken;
    for (int row : rows) {
        const std::string item = from.Text(row);
        std::string folded = ui::FoldCase(item);
        if (!HasDrivePart(item) && !to.ContainsFolded(folded) && taken.insert(std::move(folded)).second)
            moved.push_back(item);
    }
    to.AddItems(moved);
    DeleteListRows(from, rows);
}

void SymbolListWindow::MoveSelectedToExcluded() {
    ui::ListBox& included = *controls_.included;
    MoveRows(included, *controls_.excluded, included.SelectedIndexes());
    FocusEntry();
}

void SymbolListWindow::MoveSelectedToIncluded() {
    ui::ListBox& included = *controls_.included;
    ui::ListBox& excluded = *controls_.excluded;
    // Every selected item counts, whether Included holds it already or not.
    if (included.Count() + excluded.SelCount() > kLimit)
        Warn(texts_.managingCaptionHead, "0125", "The Limit is 30,000 " + texts_.limitNoun);
    else
        MoveRows(excluded, included, excluded.SelectedIndexes());
    FocusEntry();
}

void SymbolListWindow::MoveAllToExcluded() {
    ui::ListBox& included = *controls_.included;
    MoveRows(included, *controls_.excluded, AllListRows(included));
    FocusEntry();
}

void SymbolListWindow::MoveAllToIncluded() {
    ui::ListBox& included = *controls_.included;
    ui::ListBox& excluded = *controls_.excluded;
    int missing = 0;
    for (int i = 0; i < excluded.Count(); ++i) {
        if (!included.Contains(excluded.Text(i)))
            ++missing;
    }
    if (included.Count() + missing > kLimit)
        Warn(texts_.managingCaptionHead, "0126", "The limit is 30,000 " + texts_.limitNoun);
    else
        MoveRows(excluded, included, AllListRows(excluded));
    FocusEntry();
}

void SymbolListWindow::ExchangeLists() {
    ui::ListBox& included = *controls_.included;
    ui::ListBox& excluded = *controls_.excluded;
    if (excluded.Count() > kLimit) {
        Warn(texts_.managingCaptionHead, "0127", "The limit is 30,000 " + texts_.limitNoun);
        FocusEntry();
        return;
    }
    std::vector<std::string> setAside;
    for (const std::string& item : included.Items()) {
        if (!HasDrivePart(item))
            setAside.push_back(item);
    }
    const std::vector<std::string> formerlyExcluded = excluded.Items();
    included.Clear();
    excluded.Clear();
    auto addEach = [](ui::ListBox& list, const std::vector<std::string>& items) {
        std::vector<std::string> added;
        std::unordered_set<std::string> taken;
        for (const std::string& item : items) {
            std::string folded = ui::FoldCase(item);
            if (!HasDrivePart(item) && !list.ContainsFolded(folded) && taken.insert(std::move(folded)).second)
                added.push_back(item);
        }
        list.AddItems(added);
    };
    addEach(included, formerlyExcluded);
    addEach(excluded, setAside);
    FocusEntry();
}

void SymbolListWindow::DeleteSelectedExcluded() {
    if (Ask("0128", "Do you want to delete selected delimiter(s) from the Exclude list ?")) {
        ui::ListBox& excluded = *controls_.excluded;
        DeleteListRows(excluded, excluded.SelectedIndexes());
    }
    FocusEntry();
}

void SymbolListWindow::RemoveAllExcluded() {
    if (Ask("0129", "Do you want to remove (delete) all delimiter(s) from the Exclude list ?"))
        controls_.excluded->Clear();
    FocusEntry();
}

void SymbolListWindow::SetDefaults() {
    ui::ListBox& included = *controls_.included;
    included.Clear();
    controls_.excluded->Clear();
    for (const std::string& item : defaultItems_) {
        if (!included.Contains(item))
            included.AddItem(item);
    }
}

void SymbolListWindow::StoreAndClose() {
    shared_.clear();
    for (const std::string& item : controls_.included->Items())
        shared_.add(item);
    SaveSharedSettings();
    if (shared_.stored)
        shared_.stored();
    SetModalResult(ui::Answer::Ok);
}
