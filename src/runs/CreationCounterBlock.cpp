#include "runs/CreationCounterBlock.h"

#include "common/FrameworkText.h"
#include "ui/ResultList.h"

#include <QWidget>

namespace {

void Charge(CounterRow& row, const StructureTotals* charge) {
    if (!charge)
        return;
    row.SubFolders += charge->subfolders;
    row.Files += charge->files;
    row.FilesSize += static_cast<double>(charge->bytes);
}

} // namespace

CreationCounterBlock::CreationCounterBlock() {
    // The throttle flushes at every frame of a run, and when the run ends or a
    // box pauses it (it is not running then).
    repaints_.SetBeforeRepaint([this] { Flush(); });
}

void CreationCounterBlock::Flush() {
    if (pageDirty_ && page_)
        pageLabels_.Write(Counters);
    if (statisticsDirty_ && statisticsWindow_)
        statisticsLabels_.Write(Counters);
    pageDirty_ = statisticsDirty_ = false;
    // A list is laid out again for every batch added to it; with uniform item
    // sizes that stays cheap enough for a batch a frame.
    for (int i = 0; i < StatisticListCount; ++i) {
        if (pending_[i].empty())
            continue;
        if (lists_[i]) {
            lists_[i]->AddItems(std::move(pending_[i]));
            // The frame paints next; the list would otherwise lay its new
            // items out only when the run next lets pending messages run.
            lists_[i]->LayOutNow();
        }
        pending_[i].clear();
    }
}

void CreationCounterBlock::BindPage(QWidget& page, const std::string& labelPrefix,
                                    const CounterBlockNames& names) {
    page_ = &page;
    pageLabels_ = CounterLabels(page, labelPrefix, names);
}

void CreationCounterBlock::BindStatistics(QWidget* window, const std::string& labelPrefix,
                                          const std::string& listPrefix, const CounterBlockNames& names) {
    if (window == statisticsWindow_ && (window == nullptr || statisticsLabels_.Bound()))
        return;
    Flush();
    statisticsWindow_ = window;
    statisticsLabels_ = window ? CounterLabels(*window, labelPrefix, names) : CounterLabels();
    for (int i = 0; i < StatisticListCount; ++i)
        lists_[i] =
            window ? window->findChild<ui::ResultList*>(QString::fromStdString(listPrefix + names.lists[i]))
                   : nullptr;
    repaints_.AddWindow(window);
}

ui::ResultList* CreationCounterBlock::List(StatisticList which) const {
    return lists_[static_cast<int>(which)];
}

void CreationCounterBlock::ResetAllCounters() {
    Counters.ToCreate = CounterRow{};
    ResetResultCounters();
}

void CreationCounterBlock::ResetResultCounters() {
    Counters.Created = CounterRow{};
    Counters.Exists = CounterRow{};
    Counters.Other = CounterRow{};
}

void CreationCounterBlock::ClearAllResultLists() {
    Results.ToCreate.Clear();
    ClearResultLists();
}

void CreationCounterBlock::ClearResultLists() {
    Results.Created.Clear();
    CreatedEntries.clear();
    recorder_ = {};
    Results.Exists.Clear();
    Results.Other.Clear();
}

void CreationCounterBlock::ClearStatisticLists() {
    for (std::vector<std::string>& pending : pending_)
        pending.clear();
    for (const QPointer<ui::ResultList>& list : lists_) {
        if (list)
            list->Clear();
    }
}

void CreationCounterBlock::RefreshResultLabels() {
    if (!page_)
        return;
    if (repaints_.Running())
        pageDirty_ = true;
    else
        pageLabels_.Write(Counters);
    repaints_.Repaint(page_->window());
}

void CreationCounterBlock::RefreshStatisticLabels() {
    if (!statisticsWindow_)
        return;
    if (repaints_.Running())
        statisticsDirty_ = true;
    else
        statisticsLabels_.Write(Counters);
    repaints_.Repaint(statisticsWindow_);
}

void CreationCounterBlock::RefreshBoth() {
    if (!repaints_.Running()) {
        RefreshResultLabels();
        RefreshStatisticLabels();
        return;
    }
    pageDirty_ = statisticsDirty_ = true;
    repaints_.Repaint(nullptr);
}

void CreationCounterBlock::RecordCreated(const std::string& name,
                                         const std::optional<platform::EntryDetails>& made) {
    Results.Created.Folders.push_back(name);
    CreatedEntries.push_back(made ? recorder_.Record(Trim(name), made) : std::nullopt);
    AddToList(StatisticList::FoldersCreated, name);
    Counters.Created.Folders += 1;
    RefreshBoth();
}

void CreationCounterBlock::RecordSimulatedCreated(const std::string& name) {
    AddToList(StatisticList::FoldersCreated, name);
    Counters.Created.Folders += 1;
    RefreshBoth();
}

void CreationCounterBlock::RecordExists(const std::string& name, const StructureTotals* charge,
                                        bool resultLists) {
    Counters.Exists.Folders += 1;
    Charge(Counters.Exists, charge);
    // The name joins its list before the counters are shown, so that no
    // frame shows a count its list does not hold.
    if (resultLists)
        Results.Exists.Folders.push_back(name);
    AddToList(StatisticList::FoldersExists, name);
    RefreshBoth();
}

void CreationCounterBlock::RecordOther(const std::string& name, const StructureTotals* charge,
                                       bool resultLists) {
    Counters.Other.Folders += 1;
    Charge(Counters.Other, charge);
    if (resultLists)
        Results.Other.Folders.push_back(name);
    AddToList(StatisticList::FoldersOther, name);
    RefreshBoth();
}

void CreationCounterBlock::AddToList(StatisticList which, const std::string& name) {
    int index = static_cast<int>(which);
    if (!lists_[index])
        return;
    if (repaints_.Running())
        pending_[index].push_back(name);
    else
        lists_[index]->AddItem(name);
}
