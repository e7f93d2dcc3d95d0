#include "runs/HeldListItems.h"

#include "ui/ResultList.h"

void HeldListItems::Add(ui::ResultList* list, const std::string& name) {
    if (!list)
        return;
    if (!throttle_.Running()) {
        list->AddItem(name);
        return;
    }
    for (Pending& pending : pending_) {
        if (pending.list == list) {
            pending.names.push_back(name);
            return;
        }
    }
    pending_.push_back({list, {name}});
}

void HeldListItems::Flush() {
    for (Pending& pending : pending_) {
        if (pending.list && !pending.names.empty()) {
            pending.list->AddItems(std::move(pending.names));
            pending.list->LayOutNow();
        }
        pending.names.clear();
    }
    pending_.clear();
}
