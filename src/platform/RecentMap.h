#pragma once
// Internal to the platform layer: a map of a bounded number of entries that,
// when full, gives up the one used longest ago. The layer keeps what it knows
// of recently used folders in such maps: a run works in a few folders at a
// time, and a folder it has left is seldom needed again.

#include <cstddef>
#include <list>
#include <map>
#include <string>
#include <utility>

namespace platform::detail {

template <typename Value> class RecentMap {
public:
    explicit RecentMap(std::size_t capacity) : capacity_(capacity) {}

    // The entry of `key`, now the most recently used; nullptr when there is none.
    Value* Find(const std::string& key) {
        // A run asks for the folder it asked for last, several times an
        // entry: that one is first in the order and costs no search.
        if (!order_.empty() && order_.front().first == key)
            return &order_.front().second;
        auto found = index_.find(key);
        if (found == index_.end())
            return nullptr;
        order_.splice(order_.begin(), order_, found->second);
        return &found->second->second;
    }

    bool Contains(const std::string& key) const { return index_.count(key) != 0; }

    // Puts `value` under `key` (replacing what was there) as the most recently
    // used entry, giving up the least recently used one when full.
    Value& Put(const std::string& key, Value value) {
        if (Value* present = Find(key)) {
            *present = std::move(value);
            return *present;
        }
        if (index_.size() >= capacity_ && !order_.empty()) {
            index_.erase(order_.back().first);
            order_.pop_back();
        }
        order_.emplace_front(key, std::move(value));
        index_.emplace(key, order_.begin());
        return order_.front().second;
    }

    void Erase(const std::string& key) {
        auto found = index_.find(key);
        if (found == index_.end())
            return;
        order_.erase(found->second);
        index_.erase(found);
    }

    // Erases the entry of `key` and every entry whose key lies below it as a
    // path ("key/..."). The keys are kept in order, so this costs what it
    // erases, not a look at every entry: Undo drops a folder's copy for each
    // of thousands of folders it removes.
    void EraseSubtree(const std::string& key) {
        Erase(key);
        const std::string below = key == "/" ? key : key + "/";
        auto it = index_.lower_bound(below);
        while (it != index_.end() && it->first.compare(0, below.size(), below) == 0) {
            order_.erase(it->second);
            it = index_.erase(it);
        }
    }

    // Erases every entry whose key satisfies `drop`.
    template <typename Predicate> void EraseIf(const Predicate& drop) {
        for (auto it = order_.begin(); it != order_.end();) {
            if (drop(it->first)) {
                index_.erase(it->first);
                it = order_.erase(it);
            } else {
                ++it;
            }
        }
    }

    void Clear() {
        index_.clear();
        order_.clear();
    }

    std::size_t Size() const { return index_.size(); }

private:
    using Entries = std::list<std::pair<std::string, Value>>;
    std::size_t capacity_;
    Entries order_; // most recently used first
    // Ordered, so that the entries below a folder lie side by side.
    std::map<std::string, typename Entries::iterator> index_;
};

} // namespace platform::detail
