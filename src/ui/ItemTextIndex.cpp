#include "ui/ItemTextIndex.h"

#include "platform/Utf8Coding.h"
#include "ui/ListOrder.h"

#include <QAbstractItemModel>

#include <algorithm>

namespace ui {

namespace {

// List order of two texts whose folded forms are at hand.
int CompareFolded(const std::string& a, const std::string& aFolded, const std::string& b,
                  const std::string& bFolded) {
    if (const int c = CompareFoldedTexts(aFolded, bFolded); c != 0)
        return c;
    return a.compare(b);
}

// Whether QString gives the text back byte for byte: valid UTF-8 that does
// not open with a byte-order mark, which QString drops.
bool ReadsBackUnchanged(const std::string& text) {
    return text.compare(0, 3, "\xEF\xBB\xBF") != 0 && platform::IsValidUtf8(text);
}

} // namespace

ItemTextIndex::ItemTextIndex(QObject* parent) : QObject(parent) {}

ItemTextIndex::~ItemTextIndex() {
    for (std::string* text : texts_)
        delete text;
}

void ItemTextIndex::Attach(QAbstractItemModel* model, int column) {
    if (model_)
        disconnect(model_, nullptr, this, nullptr);
    model_ = model;
    column_ = column;
    Resync();
    if (!model_)
        return;
    connect(model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!parent.isValid())
                    OnInserted(first, last);
            });
    connect(model_, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!parent.isValid())
                    OnRemoved(first, last);
            });
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
                if (topLeft.parent().isValid() || column_ < topLeft.column() ||
                    column_ > bottomRight.column())
                    return;
                if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole) && !roles.contains(Qt::EditRole))
                    return;
                OnChanged(topLeft.row(), bottomRight.row());
            });
    connect(model_, &QAbstractItemModel::rowsMoved, this, &ItemTextIndex::Resync);
    connect(model_, &QAbstractItemModel::layoutChanged, this, &ItemTextIndex::Resync);
    connect(model_, &QAbstractItemModel::modelReset, this, &ItemTextIndex::Resync);
    connect(model_, &QObject::destroyed, this, [this] {
        model_ = nullptr;
        Resync();
    });
}

void ItemTextIndex::ExpectInserted(std::vector<std::string>&& texts) {
    expected_ = std::move(texts);
}

void ItemTextIndex::ExpectInserted(const std::string& text) {
    expected_.assign(1, text);
}

std::vector<std::string> ItemTextIndex::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(texts_.size());
    for (const std::string* text : texts_)
        texts.push_back(*text);
    return texts;
}

std::string ItemTextIndex::ModelText(int row) const {
    return model_->index(row, column_).data(Qt::DisplayRole).toString().toStdString();
}

void ItemTextIndex::CountIn(const std::string& text, int row) {
    CountInFolded(FoldCase(text), row);
}

void ItemTextIndex::CountInFolded(std::string key, int row) const {
    auto [it, added] = keys_.try_emplace(std::move(key));
    ++it->second.count;
    if (added || row < it->second.firstRow)
        it->second.firstRow = row;
}

void ItemTextIndex::CountOut(const std::string& text) {
    auto it = keys_.find(FoldCase(text));
    if (it != keys_.end() && --it->second.count <= 0)
        keys_.erase(it);
}

void ItemTextIndex::DropAll() {
    for (std::string* text : texts_)
        delete text;
    // Swapped out rather than cleared: a table that held a long list keeps its
    // buckets through clear(), and every later clear would wipe them again.
    std::vector<std::string*>().swap(texts_);
    decltype(keys_)().swap(keys_);
    firstRowsValid_ = true;
    inOrder_ = true;
    keysFollowed_ = false;
}

void ItemTextIndex::Resync() {
    DropAll();
    expected_.clear();
    if (!model_)
        return;
    const int rows = model_->rowCount();
    texts_.reserve(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row)
        texts_.push_back(new std::string(ModelText(row)));
}

void ItemTextIndex::EnsureKeys() const {
    if (keysFollowed_)
        return;
    keysFollowed_ = true;
    firstRowsValid_ = true;
    inOrder_ = true;
    keys_.reserve(texts_.size());
    std::string previousKey;
    for (int row = 0; row < Count(); ++row) {
        std::string key = FoldCase(Text(row));
        if (row > 0 && inOrder_ && CompareFolded(Text(row - 1), previousKey, Text(row), key) > 0)
            inOrder_ = false;
        if (inOrder_)
            previousKey = key;
        CountInFolded(std::move(key), row);
    }
}

bool ItemTextIndex::OrderedAround(int first, int last) const {
    const int from = first > 0 ? first - 1 : first;
    const int to = last + 1 < Count() ? last + 1 : last;
    for (int row = from; row < to; ++row)
        if (CompareListOrder(Text(row), Text(row + 1)) > 0)
            return false;
    return true;
}

void ItemTextIndex::OnInserted(int first, int last) {
    const bool atEnd = first == Count();
    const size_t inserted = static_cast<size_t>(last - first + 1);
    const bool given = expected_.size() == inserted;
    std::vector<std::string*> added;
    added.reserve(inserted);
    for (int row = first; row <= last; ++row) {
        std::string* text = given ? &expected_[static_cast<size_t>(row - first)] : nullptr;
        added.push_back(text && ReadsBackUnchanged(*text) ? new std::string(std::move(*text))
                                                          : new std::string(ModelText(row)));
    }
    expected_.clear();
    texts_.insert(texts_.begin() + first, added.begin(), added.end());
    if (!keysFollowed_)
        return;
    if (!atEnd)
        firstRowsValid_ = false;
    // A bulk insertion grows the table once instead of rehashing it again and
    // again; each text is folded once, for its key and for the order check.
    // It is grown only when too small, and then to twice what it must hold:
    // reserving just enough would shrink a table that had grown past it, and
    // a list filled batch by batch would then be rehashed whole at every batch.
    if (inserted > 1) {
        const size_t needed = keys_.size() + inserted;
        if (static_cast<float>(needed) > static_cast<float>(keys_.bucket_count()) * keys_.max_load_factor())
            keys_.reserve(std::max(needed, 2 * keys_.size()));
    }
    std::string previousKey;
    if (inOrder_ && first > 0)
        previousKey = FoldCase(Text(first - 1));
    for (int row = first; row <= last; ++row) {
        std::string key = FoldCase(Text(row));
        if (inOrder_ && row > 0 && CompareFolded(Text(row - 1), previousKey, Text(row), key) > 0)
            inOrder_ = false;
        if (inOrder_ && row == last && row + 1 < Count() &&
            CompareListOrderFolded(Text(row), key, Text(row + 1)) > 0)
            inOrder_ = false;
        if (inOrder_)
            previousKey = key;
        CountInFolded(std::move(key), row);
    }
}

void ItemTextIndex::OnRemoved(int first, int last) {
    const bool atEnd = last == Count() - 1;
    if (first == 0 && atEnd) {
        // Every row went: nothing to count out one by one.
        DropAll();
        return;
    }
    for (int row = first; row <= last; ++row) {
        if (keysFollowed_)
            CountOut(Text(row));
        delete texts_[row];
    }
    texts_.erase(texts_.begin() + first, texts_.begin() + last + 1);
    // Removing at the end shifts nothing, and a removed first row would have
    // left no item of its text behind (the others all lie before it).
    if (!atEnd)
        firstRowsValid_ = false;
}

void ItemTextIndex::OnChanged(int first, int last) {
    bool changed = false;
    for (int row = first; row <= last && row < Count(); ++row) {
        std::string text = ModelText(row);
        if (text == Text(row))
            continue;
        if (keysFollowed_)
            CountOut(Text(row));
        *texts_[row] = std::move(text);
        if (keysFollowed_)
            CountIn(Text(row), row);
        changed = true;
    }
    if (!changed || !keysFollowed_)
        return;
    firstRowsValid_ = false;
    if (inOrder_)
        inOrder_ = OrderedAround(first, std::min(last, Count() - 1));
}

void ItemTextIndex::RebuildFirstRows() const {
    for (auto& entry : keys_)
        entry.second.firstRow = -1;
    for (int row = 0; row < Count(); ++row) {
        auto it = keys_.find(FoldCase(Text(row)));
        if (it != keys_.end() && it->second.firstRow < 0)
            it->second.firstRow = row;
    }
    firstRowsValid_ = true;
}

bool ItemTextIndex::Contains(const std::string& text) const {
    return ContainsFolded(FoldCase(text));
}

bool ItemTextIndex::ContainsFolded(const std::string& folded) const {
    EnsureKeys();
    return keys_.count(folded) != 0;
}

bool ItemTextIndex::InOrder() const {
    EnsureKeys();
    return inOrder_;
}

int ItemTextIndex::IndexOf(const std::string& text) const {
    EnsureKeys();
    const std::string key = FoldCase(text);
    auto it = keys_.find(key);
    if (it == keys_.end())
        return -1;
    if (firstRowsValid_)
        return it->second.firstRow;
    if (inOrder_) {
        // Items equal ignoring case are neighbours here: find the first by halves.
        int low = 0;
        int high = Count();
        while (low < high) {
            int mid = low + (high - low) / 2;
            if (CompareFoldedTexts(FoldCase(Text(mid)), key) < 0)
                low = mid + 1;
            else
                high = mid;
        }
        return low;
    }
    RebuildFirstRows();
    return it->second.firstRow;
}

int ItemTextIndex::SortedPosition(const std::string& text) const {
    const std::string key = FoldCase(text);
    int low = 0;
    int high = Count();
    while (low < high) {
        int mid = low + (high - low) / 2;
        if (CompareListOrderFolded(text, key, Text(mid)) < 0)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

} // namespace ui
