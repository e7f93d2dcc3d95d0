#include "tools/ItemListMoves.h"

#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include <numeric>
#include <string>
#include <unordered_set>

namespace {

// Up to this many rows are deleted one by one; more are dropped by building
// the list again from the rows that stay, as each single delete shifts every
// row behind it.
constexpr size_t kSingleDeletes = 64;

} // namespace

void MoveListRows(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows,
                  const std::function<void()>& perItem) {
    std::vector<std::string> added;
    added.reserve(rows.size());
    // Only a list holding the same item in two letter cases needs these keys,
    // but they cost little when reserved at once.
    std::unordered_set<std::string> addedKeys;
    addedKeys.reserve(rows.size());
    for (int row : rows) {
        std::string text = from.Text(row);
        std::string key = ui::FoldCase(text);
        if (!to.ContainsFolded(key) && addedKeys.insert(std::move(key)).second)
            added.push_back(std::move(text));
        if (perItem)
            perItem();
    }
    to.AddItems(added);
    DeleteListRows(from, rows);
}

std::vector<int> AllListRows(const ui::ListBox& list) {
    std::vector<int> rows(static_cast<size_t>(list.Count()));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

void DeleteListRows(ui::ListBox& list, const std::vector<int>& rows) {
    if (rows.empty())
        return;
    if (static_cast<int>(rows.size()) >= list.Count()) {
        list.Clear();
        return;
    }
    if (rows.size() <= kSingleDeletes) {
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            list.Delete(*row);
        return;
    }
    const std::vector<std::string> texts = list.Items();
    std::vector<std::string> kept;
    kept.reserve(texts.size() - rows.size());
    size_t next = 0;
    for (size_t row = 0; row < texts.size(); ++row) {
        if (next < rows.size() && static_cast<size_t>(rows[next]) == row) {
            ++next;
            continue;
        }
        kept.push_back(texts[row]);
    }
    list.BeginUpdate();
    list.Clear();
    list.AddItems(kept);
    list.EndUpdate();
}
