#include "manage/shared/IncludeListFile.h"

#include "common/FrameworkText.h"
#include "tools/ListFileStreams.h"
#include "tools/UpdatePacer.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include <fstream>
#include <optional>
#include <sstream>

namespace {

void Call(const std::function<void()>& step) {
    if (step)
        step();
}

bool AskedYes(QWidget* owner, const IncludeListBox& box) {
    return ui::ShowBox(owner, box.caption, box.text, ui::Icon::Question, ui::Buttons::YesNo,
                       ui::Answer::No) == ui::Answer::Yes;
}

void Warn(QWidget* owner, const IncludeListBox& box) {
    ui::ShowBox(owner, box.caption, box.text, ui::Icon::Warning);
}

// False when the user chose to quit at the drive question.
bool ReadLines(const IncludeListFileLoad& load, std::istream& in) {
    ui::ListBox& include = *load.include;
    bool asking = true;
    UpdatePacer pacer;
    std::string line;
    while (ReadListLine(in, line)) {
        const std::string folder = Trim(line);
        if (load.shortLineFirst && load.tooShort(folder))
            continue;
        if (include.Contains(folder)) {
            Warn(load.owner, load.inInclude);
        } else if (load.exclude->Contains(folder)) {
            Warn(load.owner, load.inExclude);
        } else if (!load.shortLineFirst && load.tooShort(folder)) {
            continue;
        } else if (load.hasDrive(folder)) {
            if (!load.acceptWithDrive || load.acceptWithDrive(folder))
                include.AddItem(folder);
        } else if (asking) {
            if (!AskedYes(load.owner, load.noDrive)) {
                include.Clear();
                Call(load.afterQuit);
                Call(load.focus);
                return false;
            }
            asking = false;
        }
        if (load.showProgress && pacer.Due())
            load.showProgress();
    }
    return true;
}

} // namespace

void LoadIncludeListFile(const IncludeListFileLoad& load) {
    ui::FileDialogRequest request;
    request.owner = load.owner;
    request.title = "Open";
    request.filter = "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*|*.*";
    request.defaultExtension = "txt";
    const std::string fileName = ui::desktop().OpenFileName(request);
    if (fileName.empty()) {
        load.refresh();
        Call(load.focus);
        return;
    }
    if (!HasTxtExtension(fileName) && !AskedYes(load.owner, load.notTxt)) {
        Call(load.focus);
        return;
    }
    std::optional<std::istringstream> in = OpenListFileForReading(fileName);
    if (!in) {
        Warn(load.owner, load.openFailed);
        ui::desktop().ShowMessage("End of the loading process.");
        load.refresh();
        Call(load.focus);
        return;
    }
    if (AskedYes(load.owner, load.clearInclude))
        load.include->Clear();
    bool completed = true;
    const std::function<void()> read = [&] { completed = ReadLines(load, *in); };
    if (load.whileReading)
        load.whileReading(read);
    else
        read();
    if (!completed)
        return;
    ui::desktop().ShowMessage("End of the loading process.");
    load.refresh();
    Call(load.focus);
}

void SaveIncludeListFile(QWidget* owner, const ui::ListBox& include,
                         const std::function<bool(const std::string&)>& keep,
                         const IncludeListBox& saveFailed) {
    ui::FileDialogRequest request;
    request.owner = owner;
    request.title = "Save As";
    request.filter = "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*";
    request.defaultExtension = "txt";
    const std::string fileName = ui::desktop().SaveFileName(request);
    if (fileName.empty())
        return;
    std::optional<std::ofstream> out = CreateListFile(fileName);
    if (out) {
        for (const std::string& line : include.Items())
            if (keep(line))
                *out << line << "\n";
        out->close();
    }
    // A file that could not be written to its end is no saved list either.
    if (!out || out->fail())
        Warn(owner, saveFailed);
    else
        ui::desktop().ShowMessage("End of the saving process.");
}
