#pragma once
// The counters a creation or copy run shows, as one line a failing property
// case can print and compare: "created f/s/n/b, exists ..., other ...", and
// with them the lists of the page's statistics window; and what the pages
// that count otherwise show.

#include "runs/CreationCounters.h"
#include "support/AnsweringDesktop.h"

#include <string>
#include <vector>

namespace testsupport {

inline std::string CounterRowText(const CounterRow& row) {
    return std::to_string(row.Folders) + "/" + std::to_string(row.SubFolders) + "/" +
           std::to_string(row.Files) + "/" + std::to_string(row.FilesSize);
}

inline std::string CountersText(const CreationCounters& counters, const std::string& doneWord = "created") {
    return doneWord + " " + CounterRowText(counters.Created) + ", exists " + CounterRowText(counters.Exists) +
           ", other " + CounterRowText(counters.Other);
}

// What a creation or copy page shows after a run or a simulation.
inline std::string CountersAndLists(const CreationCounters& counters, const QWidget& statistics,
                                    const std::string& doneWord = "created") {
    return CountersText(counters, doneWord) + "\n" + ListBoxContents(statistics);
}

// What the rename or delete page shows after a run or a simulation: its
// counters' texts and the lists of its statistics window.
inline std::string CounterTextsAndLists(const std::vector<std::string>& counters, const QWidget& statistics) {
    std::string text;
    for (const std::string& counter : counters)
        text += counter + " ";
    return text + "\n" + ListBoxContents(statistics);
}

} // namespace testsupport
