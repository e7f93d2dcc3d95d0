#pragma once
// The files a creation run copied straight into a new folder, each with what
// the run noted of it as it copied it, so that Undo deletes one only while it
// is still the file the run made. Container-like, as the plain list of paths
// it stands in for.

#include "runs/CreatedEntry.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

class CreatedFileList {
public:
    // Notes the file the run has just copied to `path`.
    void push_back(const std::string& path) {
        paths_.push_back(path);
        entries_.push_back(recorder_.Record(path));
    }
    void clear() {
        paths_.clear();
        entries_.clear();
        recorder_ = {};
    }
    bool empty() const { return paths_.empty(); }
    std::size_t size() const { return paths_.size(); }
    const std::deque<std::string>& Paths() const { return paths_; }
    const std::optional<CreatedEntry>& Recorded(std::size_t index) const { return entries_[index]; }

private:
    std::deque<std::string> paths_;
    std::deque<std::optional<CreatedEntry>> entries_;
    CreatedEntryRecorder recorder_;
};
