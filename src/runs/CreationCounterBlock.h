#pragma once
// A creation page's counter block: its counters and result lists, the labels
// that show them on the page and in the page's statistics window, and the
// statistics window's five name lists. Each creation page owns one and binds
// it to its own labels, window and lists; the operations are the same for all.

#include "platform/FileSystem.h"
#include "runs/CounterLabels.h"
#include "runs/CreatedEntry.h"
#include "runs/CreationCounters.h"
#include "runs/RepaintThrottle.h"

#include <QPointer>

#include <deque>
#include <optional>
#include <string>
#include <vector>

class QWidget;
namespace ui {
class ResultList;
}

// The statistics window's name lists, in the order they are emptied. Only the
// copy page's window has lists for the subfolders and files already there.
enum class StatisticList {
    FoldersCreated,
    FoldersExists,
    FoldersOther,
    SubFoldersCreated,
    FilesCreated,
    SubFoldersExists,
    FilesExists
};
constexpr int StatisticListCount = 7;

class CreationCounterBlock {
public:
    CreationCounterBlock();
    CreationCounterBlock(const CreationCounterBlock&) = delete;
    CreationCounterBlock& operator=(const CreationCounterBlock&) = delete;

    CreationCounters Counters;
    CreationResultLists Results;
    // What the run noted of each entry of the undo list (Results.Created.
    // Folders) when it recorded it: Undo removes a folder only while its path
    // still leads to that very folder.
    std::deque<std::optional<CreatedEntry>> CreatedEntries;

    // The page whose labels ("lblVol02" + column + row) show the counters.
    void BindPage(QWidget& page, const std::string& labelPrefix, const CounterBlockNames& names = {});
    // The statistics window: its labels ("lblStat02" + column + row) and its
    // lists (listPrefix + "FoldersCreated" ...). Binding the window already
    // bound changes nothing; nullptr unbinds.
    void BindStatistics(QWidget* window, const std::string& labelPrefix, const std::string& listPrefix,
                        const CounterBlockNames& names = {});
    QWidget* StatisticsWindow() const { return statisticsWindow_; }
    ui::ResultList* List(StatisticList which) const;

    // The ToCreate row to 0, then ResetResultCounters.
    void ResetAllCounters();
    // Rows Created, Exists and Other to 0.
    void ResetResultCounters();
    // The four ToCreate lists, then ClearResultLists.
    void ClearAllResultLists();
    // The twelve lists of rows Created, Exists and Other (the undo list too).
    void ClearResultLists();
    // The statistics window's five lists.
    void ClearStatisticLists();
    // All sixteen counters into the page's labels, then the page's window repainted.
    void RefreshResultLabels();
    // The same into the statistics window's labels and that window.
    void RefreshStatisticLabels();
    // Both of the above. During a run both label sets are marked before the
    // frame is checked, so that a frame never shows the page a change ahead
    // of the statistics window.
    void RefreshBoth();

    // A main folder the run created: the undo list, the statistics list, the count.
    // `made`: the folder as the call that made it read it back. None: it
    // could not be told to be the one made, and Undo will leave it; it is
    // never read later by its path, where another program's may stand.
    void RecordCreated(const std::string& name,
                       const std::optional<platform::EntryDetails>& made = std::nullopt);
    // A main folder a simulation would create: counted and listed in the
    // statistics window as RecordCreated does, outside the undo list.
    void RecordSimulatedCreated(const std::string& name);
    // A main folder that already existed, or could not be created. `charge`
    // (nullptr for none) is the attach load the folder would have carried.
    // A simulation (`resultLists` false) leaves the result lists as they are.
    void RecordExists(const std::string& name, const StructureTotals* charge, bool resultLists = true);
    void RecordOther(const std::string& name, const StructureTotals* charge, bool resultLists = true);

    // Appends a name to one of the statistics window's lists.
    void AddToList(StatisticList which, const std::string& name);

    RepaintThrottle& Repaints() { return repaints_; }

private:
    // During a run the labels and the lists are written together once a frame
    // (see RepaintThrottle), so that the statistics window never shows a
    // count its list does not hold yet; the counters and result lists always
    // move at once.
    void Flush();

    QPointer<QWidget> page_;
    CounterLabels pageLabels_;
    QPointer<QWidget> statisticsWindow_;
    CounterLabels statisticsLabels_;
    QPointer<ui::ResultList> lists_[StatisticListCount];
    std::vector<std::string> pending_[StatisticListCount];
    bool pageDirty_ = false;
    bool statisticsDirty_ = false;
    RepaintThrottle repaints_;
    CreatedEntryRecorder recorder_;
};
