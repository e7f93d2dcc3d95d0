#pragma once
// What the delimiters and the quotation-mark windows share. Each keeps one
// shared setting list: an Included list (the items stored) and an Excluded
// list (a holding area that lasts only while the program runs), with adding,
// moves between the two, exchange, deleting excluded items and a built-in
// default set. Close stores the Included list and writes the settings file.
// The windows differ only in their controls, the shared list and the texts of
// their boxes, which each gives here.

#include "ui/Form.h"

#include <deque>
#include <functional>
#include <string>

class QLineEdit;
namespace ui {
class ListBox;
}

class SymbolListWindow : public ui::Form {
    Q_OBJECT
public:
    // The built-in default set, lower-cased and trimmed.
    const std::deque<std::string>& DefaultItems() const { return defaultItems_; }
    // The list as the last load found it.
    const std::deque<std::string>& LoadedItems() const { return loadedItems_; }

protected:
    struct Controls {
        ui::ListBox* included = nullptr;
        ui::ListBox* excluded = nullptr;
        QLineEdit* entry = nullptr;
    };
    struct Texts {
        std::string entryCaptionHead;    // captions of 0121-0124: "Delimiters."
        std::string managingCaptionHead; // captions of 0125-0129: "Managing Delimiters."
        std::string limitNoun;           // "Delimiters" in the limit texts of 0125-0127
    };
    struct SharedList {
        std::function<std::deque<std::string>()> get;
        std::function<void()> clear;
        std::function<void(const std::string&)> add;
        // Runs after Close stored the list, so that the windows that offer
        // its items offer the new ones at once.
        std::function<void()> stored;
    };

    explicit SymbolListWindow(QWidget* parent = nullptr);
    // Called by the window once its form is set up, before anything else.
    void Attach(const Controls& controls, Texts texts, SharedList shared);

    // Fills the default set, then loads.
    void CreateItems();
    // Reloads the settings file, then adds each loaded item the Included list lacks.
    void LoadItems();
    void AddEntry();
    void MoveSelectedToExcluded();
    void MoveSelectedToIncluded();
    void MoveAllToExcluded();
    void MoveAllToIncluded();
    void ExchangeLists();
    void DeleteSelectedExcluded();
    void RemoveAllExcluded();
    void SetDefaults();
    void StoreAndClose();

    // Enter (character code 13) in the entry field adds; the window says what
    // its key-press handler is.
    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual void EntryKeyPress(char& key) = 0;

private:
    // Appends the items at `rows` (ascending) of `from` that may enter `to`,
    // then removes every one of those rows from `from`.
    void MoveRows(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows);
    void Warn(const std::string& captionHead, const char* number, const std::string& text);
    bool Ask(const char* number, const std::string& text);
    void FocusEntry();

    Controls controls_;
    Texts texts_;
    SharedList shared_;
    std::deque<std::string> defaultItems_;
    std::deque<std::string> loadedItems_;
};
