#include "create/engine/IncludeExcludePair.h"

#include "common/FolderLineSet.h"
#include "common/FrameworkText.h"
#include "common/PathSplitting.h"
#include "runs/PageRunGuard.h"
#include "tools/ExcludeListClearing.h"
#include "tools/ExportHandOver.h"
#include "tools/IncludeListEditor.h"
#include "tools/ItemListMoves.h"
#include "tools/ListFileStreams.h"
#include "tools/TfrmFileImport.h"
#include "tools/UpdatePacer.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmFileImport.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include <deque>
#include <limits>
#include <unordered_set>

namespace {

int ProgressMaximum(size_t count) {
    return static_cast<int>(std::min<size_t>(count, static_cast<size_t>(std::numeric_limits<int>::max())));
}

} // namespace

IncludeExcludePair::IncludeExcludePair(const IncludeExcludeControls& controls, bool& busy,
                                       std::function<void()> refresh, const IncludeExcludeTexts& texts)
    : controls_(controls), busy_(busy), refresh_(std::move(refresh)), texts_(texts) {}

void IncludeExcludePair::ShowCounts() {
    controls_.includeCount->setText(QString::number(controls_.include->Count()));
    controls_.excludeCount->setText(QString::number(controls_.exclude->Count()));
}

void IncludeExcludePair::Initialise() {
    controls_.includeCount->setText("0");
    controls_.excludeCount->setText("0");
    controls_.include->SetHorizontalExtent(3000);
    controls_.exclude->SetHorizontalExtent(3000);
}

void IncludeExcludePair::WorkStep(UpdatePacer& pacer, int pendingIncludeItems, int progress) {
    if (!pacer.Due())
        return;
    if (progress >= 0)
        controls_.progress->setValue(progress);
    controls_.includeCount->setText(QString::number(controls_.include->Count() + pendingIncludeItems));
    controls_.excludeCount->setText(QString::number(controls_.exclude->Count()));
    ui::desktop().ProcessMessages();
}

void IncludeExcludePair::RefreshAndFocusEntry() {
    refresh_();
    controls_.entry->setFocus();
}

void IncludeExcludePair::MoveRows(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows) {
    if (busy_)
        return;
    {
        PageRunGuard guard(busy_, *controls_.page);
        UpdatePacer pacer;
        MoveListRows(from, to, rows, [&] { WorkStep(pacer); });
    }
    RefreshAndFocusEntry();
}

void IncludeExcludePair::IncludeToExclude() {
    MoveRows(*controls_.include, *controls_.exclude, controls_.include->SelectedIndexes());
}

void IncludeExcludePair::ExcludeToInclude() {
    MoveRows(*controls_.exclude, *controls_.include, controls_.exclude->SelectedIndexes());
}

void IncludeExcludePair::AllFromInclude() {
    MoveRows(*controls_.include, *controls_.exclude, AllListRows(*controls_.include));
}

void IncludeExcludePair::AllFromExclude() {
    MoveRows(*controls_.exclude, *controls_.include, AllListRows(*controls_.exclude));
}

void IncludeExcludePair::Exchange() {
    if (busy_)
        return;
    ui::ListBox& include = *controls_.include;
    ui::ListBox& exclude = *controls_.exclude;
    std::vector<std::string> included = include.Items();
    std::vector<std::string> excluded = exclude.Items();
    include.Clear();
    include.AddItems(excluded);
    exclude.Clear();
    exclude.AddItems(included);
    RefreshAndFocusEntry();
}

void IncludeExcludePair::DeleteFromExclude() {
    if (busy_)
        return;
    ui::ListBox& exclude = *controls_.exclude;
    if (exclude.Count() == 0) {
        ui::ShowBox(controls_.page, texts_.deleteEmptyCaption, texts_.deleteEmptyText, ui::Icon::Warning);
    } else if (ui::ShowBox(controls_.page, texts_.deleteQuestionCaption, texts_.deleteQuestionText,
                           ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes) {
        DeleteListRows(exclude, exclude.SelectedIndexes());
    }
    RefreshAndFocusEntry();
}

void IncludeExcludePair::ClearExclude() {
    if (busy_)
        return;
    ExcludeListClearing clearing;
    clearing.owner = controls_.page;
    clearing.excludeList = controls_.exclude;
    clearing.countLabel = controls_.excludeCount;
    clearing.warningCaption = texts_.clearEmptyCaption;
    clearing.questionCaption = texts_.clearQuestionCaption;
    clearing.refresh = refresh_;
    clearing.button = controls_.clearExclude;
    ClearExcludeList(clearing);
}

void IncludeExcludePair::EditInclude(IncludeListEditor& editor) {
    if (busy_)
        return;
    editor.LoadList(*controls_.include, *controls_.exclude);
    if (ui::desktop().ShowModal(editor) == ui::Answer::Ok)
        refresh_();
    controls_.entry->setFocus();
}

void IncludeExcludePair::SmartImport(bool trimItems, QWidget* focusAfter) {
    if (busy_)
        return;
    const ui::Answer answer = ui::desktop().ShowModal(*frmFileImport);
    const ui::ListBox& results = *frmFileImport->Controls().lstFileImportResults;
    if (results.Count() == 0) {
        ui::ShowBox(controls_.page, texts_.importEmptyCaption,
                    "Empty Result List in the File Import Window!\n", ui::Icon::Warning);
    } else if (answer == ui::Answer::Ok) {
        PageRunGuard guard(busy_, *controls_.page);
        // A folder either list names, however written there, is not added
        // again; the new items join the list in one go at the end, and
        // meanwhile the set sees them too.
        FolderLineSet held(controls_.include->Items());
        for (const std::string& line : controls_.exclude->Items())
            held.Add(line);
        std::vector<std::string> added;
        QProgressBar& progress = *controls_.progress;
        progress.setValue(0);
        progress.setMaximum(ProgressMaximum(static_cast<size_t>(results.Count())));
        progress.show();
        UpdatePacer pacer;
        std::deque<std::string> paths;
        for (int line = 0; line < results.Count(); ++line) {
            SplitPathsAtDrives(results.Text(line), paths);
            for (const std::string& path : paths) {
                std::string trimmed = Trim(path);
                if (trimmed.empty())
                    continue;
                std::string entry = trimItems ? std::move(trimmed) : path;
                if (held.Holds(entry))
                    continue;
                held.Add(entry);
                added.push_back(std::move(entry));
            }
            WorkStep(pacer, static_cast<int>(added.size()), line);
        }
        controls_.include->AddItems(added);
        progress.hide();
    }
    refresh_();
    focusAfter->setFocus();
}

void IncludeExcludePair::SmartExport(const std::function<bool(const std::string&)>& accept,
                                     QWidget* focusAfter) {
    if (busy_)
        return;
    ExportHandOver how;
    how.owner = controls_.page;
    how.emptyCaption = texts_.exportEmptyCaption;
    how.emptyText = texts_.exportEmptyText;
    how.accept = accept;
    how.listType = texts_.exportListType;
    how.progressBar = controls_.progress;
    if (HandOverToFileExport(controls_.include->Items(), how))
        refresh_();
    focusAfter->setFocus();
}

void IncludeExcludePair::OpenListFile(const ListFileOpening& opening) {
    if (busy_)
        return;
    const ListFileEnd end = ReadListFile(opening);
    const bool read = end == ListFileEnd::Stopped || end == ListFileEnd::Loaded;
    if (end == ListFileEnd::Unreadable || end == ListFileEnd::Loaded ||
        (end == ListFileEnd::Stopped && opening.noticeAfterStop))
        ui::desktop().ShowMessage(opening.endNotice);
    if (read || (opening.refreshAfterEveryEnd && end != ListFileEnd::Declined))
        refresh_();
    if (read || opening.refreshAfterEveryEnd)
        controls_.entry->setFocus();
}

IncludeExcludePair::ListFileEnd IncludeExcludePair::ReadListFile(const ListFileOpening& opening) {
    ui::FileDialogRequest request;
    request.owner = controls_.page;
    request.title = "Open";
    request.filter = opening.filter;
    request.defaultExtension = "txt";
    const std::string fileName = ui::desktop().OpenFileName(request);
    if (fileName.empty())
        return ListFileEnd::Cancelled;
    if (!HasTxtExtension(fileName) &&
        ui::ShowBox(controls_.page, texts_.fileExtensionCaption, texts_.fileExtensionText, ui::Icon::Question,
                    ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return ListFileEnd::Declined;
    std::optional<std::istringstream> in = OpenListFileForReading(fileName);
    if (!in) {
        ui::ShowBox(controls_.page, texts_.fileUnreadableCaption,
                    "There was a problem opening the file !\nAction : The file is maybe corrupted.",
                    ui::Icon::Warning);
        return ListFileEnd::Unreadable;
    }
    return LoadListFile(*in, opening.kind) ? ListFileEnd::Loaded : ListFileEnd::Stopped;
}

bool IncludeExcludePair::LoadListFile(std::istream& in,
                                      const std::function<ListFileLine(const std::string& line)>& kind) {
    QWidget* page = controls_.page;
    ui::ListBox& include = *controls_.include;
    const ui::ListBox& exclude = *controls_.exclude;
    if (ui::ShowBox(
            page, texts_.fileClearCaption,
            "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
            "previous content,\nClick NO to leave it.",
            ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes)
        include.Clear();
    PageRunGuard guard(busy_, *page);
    // The lines join the list in one go at the end; meanwhile their keys make
    // the duplicate test see them.
    std::vector<std::string> added;
    std::unordered_set<std::string> addedKeys;
    bool asking = true;
    bool quit = false;
    UpdatePacer pacer;
    std::string text;
    while (!quit && ReadListLine(in, text)) {
        const std::string line = Trim(text);
        std::string key = ui::FoldCase(line);
        if (include.ContainsFolded(key) || addedKeys.count(key)) {
            ui::ShowBox(page, texts_.fileInIncludeCaption, texts_.fileInIncludeText, ui::Icon::Warning);
        } else if (exclude.ContainsFolded(key)) {
            ui::ShowBox(page, texts_.fileInExcludeCaption, texts_.fileInExcludeText, ui::Icon::Warning);
        } else if (line.empty()) {
            continue;
        } else if (const ListFileLine judged = kind(line); judged == ListFileLine::Taken) {
            added.push_back(line);
            addedKeys.insert(std::move(key));
        } else if (judged == ListFileLine::WrongKind && asking) {
            asking = false;
            quit = ui::ShowBox(page, texts_.fileWrongLineCaption, texts_.fileWrongLineText,
                               ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes;
            if (quit) {
                include.Clear();
                added.clear();
            }
        }
        WorkStep(pacer, static_cast<int>(added.size()));
    }
    include.AddItems(added);
    return !quit;
}
