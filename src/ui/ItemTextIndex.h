#pragma once
// The texts of a list control's items, mirrored as UTF-8 beside its model,
// with a case-insensitive index. The mirror follows the model's own signals,
// so every change is seen however it was made (the control's calls, the
// widget's own Qt API, items a form adds). That keeps reads by index cheap,
// makes "does the list hold this line?" O(1), and lets a sorted control find
// where a new item goes without converting every text.
//
// The index is built when it is first asked (a lookup, or whether the items
// are in order) and kept up to date from then on, until the list is emptied.
// A list that is only filled and read, as a run's result lists are, never
// pays for folding and hashing its items.

#include <QObject>

#include <string>
#include <unordered_map>
#include <vector>

class QAbstractItemModel;

namespace ui {

class ItemTextIndex : public QObject {
    Q_OBJECT
public:
    explicit ItemTextIndex(QObject* parent = nullptr);
    ~ItemTextIndex() override;
    ItemTextIndex(const ItemTextIndex&) = delete;
    ItemTextIndex& operator=(const ItemTextIndex&) = delete;

    // Follows `model`'s rows (column `column`, display role) from now on.
    void Attach(QAbstractItemModel* model, int column = 0);

    // The texts of the rows the model inserts next, as the caller handed them
    // to it, in row order: taken into the mirror as they are instead of being
    // converted back from the model, where they read back unchanged. Call it
    // right before the insertion; the next insertion forgets them whatever it
    // inserts.
    void ExpectInserted(std::vector<std::string>&& texts);
    void ExpectInserted(const std::string& text);

    int Count() const { return static_cast<int>(texts_.size()); }
    const std::string& Text(int row) const { return *texts_[static_cast<size_t>(row)]; }
    std::vector<std::string> Texts() const;

    // Whole-item lookup ignoring case (see ListOrder.h): the first row holding
    // the text, or -1.
    int IndexOf(const std::string& text) const;
    bool Contains(const std::string& text) const;
    // The same for a text already folded (FoldCase), which saves folding it
    // again when the caller needs the folded form anyway.
    bool ContainsFolded(const std::string& folded) const;

    // Whether every item is in list order (ListOrder.h), which sorted controls
    // keep and which lets lookups and insertions search by halves.
    bool InOrder() const;
    // The row a new item goes to in a list in order: after every item that
    // does not come after it.
    int SortedPosition(const std::string& text) const;

private:
    void Resync();
    // Forgets every item.
    void DropAll();
    void OnInserted(int first, int last);
    void OnRemoved(int first, int last);
    void OnChanged(int first, int last);
    std::string ModelText(int row) const;
    void CountIn(const std::string& text, int row);
    void CountInFolded(std::string key, int row) const;
    void CountOut(const std::string& text);
    bool OrderedAround(int first, int last) const;
    void RebuildFirstRows() const;
    // Builds the index from the mirror when it is not followed yet.
    void EnsureKeys() const;

    struct KeyInfo {
        int count = 0;    // items holding the folded text; exact after every change
        int firstRow = 0; // the lowest of them, while firstRowsValid_
    };

    QAbstractItemModel* model_ = nullptr;
    int column_ = 0;
    // Owned by plain pointers: inserting near the top of a long sorted list
    // moves pointers in one block copy instead of moving strings one by one.
    std::vector<std::string*> texts_;
    // Folded text -> its items. Appending and removing at the end keep the
    // first rows exact; any other change shifts rows, so the first rows are
    // marked stale and the next lookup that needs one rebuilds them at once.
    // keys_, firstRowsValid_ and inOrder_ mean something only while
    // keysFollowed_.
    mutable std::unordered_map<std::string, KeyInfo> keys_;
    mutable bool firstRowsValid_ = true;
    mutable bool inOrder_ = true;
    mutable bool keysFollowed_ = false;
    // See ExpectInserted.
    std::vector<std::string> expected_;
};

} // namespace ui
