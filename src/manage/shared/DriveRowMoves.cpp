#include "manage/shared/DriveRowMoves.h"

#include "tools/ItemListMoves.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include <unordered_set>

bool MoveDriveRows(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows,
                   const std::function<bool(const std::string&)>& hasDrive,
                   const std::function<void()>& perItem,
                   const std::function<bool(const std::string&)>& mayEnter) {
    std::vector<std::string> added;
    std::unordered_set<std::string> addedKeys;
    for (int row : rows) {
        std::string line = from.Text(row);
        std::string key = ui::FoldCase(line);
        if (hasDrive(line) && !to.ContainsFolded(key) && addedKeys.count(key) == 0) {
            if (mayEnter && !mayEnter(line)) {
                to.AddItems(added);
                return false;
            }
            addedKeys.insert(std::move(key));
            added.push_back(std::move(line));
        }
        if (perItem)
            perItem();
    }
    to.AddItems(added);
    DeleteListRows(from, rows);
    return true;
}
