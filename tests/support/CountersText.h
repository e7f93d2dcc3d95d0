#pragma once
// The counters a creation or copy run shows, as one line a failing property
// case can print and compare: "created f/s/n/b, exists ..., other ...".

#include "create/engine/CreationCounters.h"

#include <string>

namespace testsupport {

inline std::string CounterRowText(const CounterRow& row) {
    return std::to_string(row.Folders) + "/" + std::to_string(row.SubFolders) + "/" +
           std::to_string(row.Files) + "/" + std::to_string(row.FilesSize);
}

inline std::string CountersText(const CreationCounters& counters, const std::string& doneWord = "created") {
    return doneWord + " " + CounterRowText(counters.Created) + ", exists " + CounterRowText(counters.Exists) +
           ", other " + CounterRowText(counters.Other);
}

} // namespace testsupport
