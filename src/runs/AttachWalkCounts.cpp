// How the attach walk counts and lists what it met, and records it for Undo.

#include "runs/AttachWalk.h"


void AttachWalk::CountSubfolder(SubfolderResult result, const std::string& destination, bool simulated) {
    switch (result) {
    case SubfolderResult::Created:
        block_.Counters.Created.SubFolders += 1;
        block_.AddToList(StatisticList::SubFoldersCreated, destination);
        if (!simulated)
            RecordFolder(destination);
        break;
    case SubfolderResult::Exists:
        block_.Counters.Exists.SubFolders += 1;
        block_.AddToList(StatisticList::SubFoldersExists, destination);
        break;
    case SubfolderResult::Failed:
        block_.Counters.Other.SubFolders += 1;
        Fail(destination);
        break;
    }
    block_.RefreshBoth();
}

void AttachWalk::CountFile(FileResult result, const std::string& folder, const std::string& name,
                           const ListedSize& size, const std::string& destination, bool simulated,
                           bool intoMade) {
    const AttachWalkTexts& texts = simulated ? settings_.simulationTexts : settings_.runTexts;
    CounterRow* row = nullptr;
    switch (result) {
    case FileResult::Created:
        row = &block_.Counters.Created;
        row->Files += 1;
        block_.AddToList(StatisticList::FilesCreated, destination);
        block_.RefreshBoth();
        if (settings_.recordedFiles && !simulated && !intoMade) {
            settings_.recordedFiles->push_back(destination);
            if (settings_.recordedFileEntries && settings_.fileRecorder)
                settings_.recordedFileEntries->push_back(settings_.fileRecorder->Record(destination));
        }
        if (HasSize(folder, name, size, texts.copiedCaption, texts.copiedText)) {
            row->FilesSize += static_cast<double>(size.bytes);
            block_.RefreshBoth();
        }
        return;
    case FileResult::Exists:
        row = &block_.Counters.Exists;
        block_.AddToList(StatisticList::FilesExists, destination);
        break;
    case FileResult::Failed:
        row = &block_.Counters.Other;
        Fail(destination);
        break;
    }
    row->Files += 1;
    block_.RefreshBoth();
    if (HasSize(folder, name, size, texts.notCopiedCaption, texts.notCopiedText)) {
        row->FilesSize += static_cast<double>(size.bytes);
        block_.RefreshBoth();
    }
}

bool AttachWalk::HasSize(const std::string& folder, const std::string& name, const ListedSize& size,
                         const std::string& caption, const std::string& text) const {
    if (size.known)
        return true;
    if (settings_.report)
        settings_.report({nullptr, caption, text + folder + "\\" + name, ui::Icon::Warning});
    return false;
}

void AttachWalk::Fail(const std::string& destination) {
    if (settings_.recordedFailures)
        settings_.recordedFailures->push_back(destination);
    else
        block_.AddToList(StatisticList::FoldersOther, destination);
}

void AttachWalk::CountTopFolderMade() {
    block_.Counters.Created.SubFolders += 1;
    block_.AddToList(StatisticList::SubFoldersCreated, AttachTargetRoot);
    block_.RefreshBoth();
}

void AttachWalk::CountTopFolderThere(AttachMode mode) {
    if (!settings_.countExistingTopFolder || !AttachesTopFolder(mode))
        return;
    block_.Counters.Exists.SubFolders += 1;
    block_.AddToList(StatisticList::SubFoldersExists, AttachTargetRoot);
    block_.RefreshBoth();
}

void AttachWalk::CountTopFolderNotMade(const std::string& root, AttachMode mode) {
    // Where the mode copies the top folder it is one subfolder of the
    // structure, not copied; nothing below it is written, and all of it
    // counts as not copied, as the pre-count counted it.
    blockedSources_.insert(root);
    if (!AttachesTopFolder(mode))
        return;
    block_.Counters.Other.SubFolders += 1;
    Fail(AttachTargetRoot);
    block_.RefreshBoth();
}

void AttachWalk::CountUnreadableRoot(const std::string& root, AttachMode mode) {
    // The top folder is one subfolder of the structure where the mode copies
    // it; in the other modes nothing of the structure is counted, and the
    // structure itself is named.
    if (!AttachesTopFolder(mode)) {
        Fail(root);
        return;
    }
    block_.Counters.Other.SubFolders += 1;
    Fail(AttachTargetRoot);
    block_.RefreshBoth();
}
