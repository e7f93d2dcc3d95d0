// What the paths page's create run and its simulation rely on: the name
// parts of a line, the free-space check per file system and the step of one
// line.

#include "create/paths/Vol04PathsPage.h"

#include "common/FileHelpers.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathNormalising.h"
#include "common/PathValidation.h"
#include "create/engine/StructureScan.h"
#include "create/paths/PathNameParts.h"
#include "platform/FileSystem.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol04PathsPage.h"

#include <limits>
#include <string_view>
#include <unordered_map>

namespace {

const std::string Title = "Creating Folder(s).-From a Folder List.            ";

// Whether the text, without the blanks and control characters around it,
// has a drive part. Asked of every line a run takes, so nothing is copied.
bool TrimmedHasFileDrive(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    return HasFileDrive(text);
}

} // namespace

_tagVol0XParts Vol04PathsPage::BuildNameParts(const std::string& line) const {
    return BuildPathNameParts(line, ui_->edtVol04Prefix->text().toStdString(),
                              ui_->edtVol04Suffix->text().toStdString(), ui_->chkVol04Hyphen->isChecked());
}

std::string Vol04PathsPage::FolderNameOf(const std::string& line) const {
    return JoinedName(BuildNameParts(line));
}

std::vector<FileSystemNeed> Vol04PathsPage::SumVol04DriveNeeds() const {
    // Lines mostly share a few parent folders: each parent is looked up once,
    // with the load of all its lines, in the order the parents are met.
    const uint64_t bytes = structureTotals_.bytes;
    const std::string prefix = ui_->edtVol04Prefix->text().toStdString();
    const std::string suffix = ui_->edtVol04Suffix->text().toStdString();
    const bool hyphen = ui_->chkVol04Hyphen->isChecked();
    std::vector<std::pair<std::string, uint64_t>> parents; // with their number of lines
    std::unordered_map<std::string, size_t> index;
    for (const std::string& line : IncludeItems()) {
        if (!TrimmedHasFileDrive(line))
            continue;
        // Charged where the run writes: the parent of the folder it creates,
        // which for a line naming a file is one level above the line's own.
        const std::string name = JoinedName(BuildPathNameParts(line, prefix, suffix, hyphen));
        if (!HasFileDrive(name))
            continue;
        std::string parent = ExtractFileDir(name);
        if (parent.empty())
            parent = name;
        auto [found, added] = index.try_emplace(parent, parents.size());
        if (added)
            parents.emplace_back(parent, 0);
        parents[found->second].second += 1;
    }
    FileSystemNeeds needs;
    for (const auto& [parent, lines] : parents)
        needs.Add(parent, bytes, lines);
    return needs.Needs();
}

bool Vol04PathsPage::CheckFreeSpace(bool withFiles) {
    ScanAllStructures(withFiles);
    const uint64_t n = static_cast<uint64_t>(ui_->lstVol04IncludeFolderList->Count());
    if (n == 0)
        return false;
    // Without files nothing is needed: no file system need be looked at.
    if (structureTotals_.bytes > 0) {
        const std::vector<FileSystemNeed> needs = SumVol04DriveNeeds();
        uint64_t freeBytes = 0;
        if (const FileSystemNeed* shortNeed = FirstShortNeed(needs, freeBytes)) {
            FreeSpaceResult shortage;
            shortage.root = shortNeed->root;
            shortage.freeBytes = freeBytes;
            shortage.neededBytes = shortNeed->neededBytes;
            shortage.neededFigure = shortNeed->neededFigure;
            ui::ShowBox(this, Title + "Information no: 0071.", NotEnoughSpaceText(shortage),
                        ui::Icon::Warning);
            return false;
        }
    }
    block_.Counters.ToCreate = PlannedRow(n, structureTotals_);
    return true;
}

std::optional<CreationRunItems> Vol04PathsPage::ReadRunItems(const CreationRunTexts& texts) {
    // The fields are read once: the page takes no input while it runs.
    const std::string prefix = ui_->edtVol04Prefix->text().toStdString();
    const std::string suffix = ui_->edtVol04Suffix->text().toStdString();
    const bool hyphen = ui_->chkVol04Hyphen->isChecked();
    return IncludeRunItems(texts, IncludeItems(),
                           [this, prefix, suffix, hyphen](MainFolderStep& step, const std::string& line) {
                               StepLine(step, line, prefix, suffix, hyphen);
                           });
}

void Vol04PathsPage::StepLine(MainFolderStep& step, const std::string& line, const std::string& prefix,
                              const std::string& suffix, bool hyphen) {
    // Each line is judged the same way in the run and its simulation, so that
    // two lines naming one folder, or a line below a file, come out as the
    // run finds them.
    if (!TrimmedHasFileDrive(line)) {
        // Not a path at all: nothing would have been attached to it.
        step.Other(line, false);
        return;
    }
    const std::string name = JoinedName(BuildPathNameParts(line, prefix, suffix, hyphen));
    if (!HasFileDrive(name)) {
        step.Other(name);
        return;
    }
    step.MainFolder(name);
}
