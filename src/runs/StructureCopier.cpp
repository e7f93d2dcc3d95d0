#include "runs/StructureCopier.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "platform/Drives.h"

#include <cstdint>
#include <memory>
#include <utility>

namespace {

// Trim(text), without a copy of the usual text that has nothing to trim.
const std::string& Trimmed(const std::string& text, std::string& storage) {
    if (text.empty() ||
        (static_cast<unsigned char>(text.front()) > 32 && static_cast<unsigned char>(text.back()) > 32))
        return text;
    storage = Trim(text);
    return storage;
}

bool IsRealFolder(uint32_t attributes) {
    return attributes != platform::INVALID_FILE_ATTRIBUTES &&
           (attributes & platform::FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & platform::FILE_ATTRIBUTE_REPARSE_POINT);
}

bool TakenByAnother(uint32_t error) {
    return error == platform::ERROR_FILE_EXISTS || error == platform::ERROR_ALREADY_EXISTS;
}

} // namespace

StructureCopier::StructureCopier(const CreationCounters& counters, platform::KeptContents& kept,
                                 SimulatedDisk& simulated, bool noteMade)
    : counters_(counters), kept_(kept), simulated_(simulated), noteMade_(noteMade) {}

void StructureCopier::StartTarget() {
    target_.Release();
    targetReal_.clear();
}

bool StructureCopier::HoldTarget(const std::string& target) {
    return target_.IsHeld() || target_.Hold(target);
}

FolderMaking StructureCopier::MakeTarget(const std::string& target,
                                         std::optional<platform::EntryDetails>& made) {
    // While most targets are new, each is first simply created, as a
    // subfolder is: when that works it is what the checks below would have
    // found and done, for less.
    if (MostlyNew() && platform::TryCreateDirectoryInFolder(target, true, &made))
        return FolderMaking::Made;
    // A target another program made after the look is one that was there.
    return DirectoryExists(target) ? FolderMaking::Found : ForceNewDirectory(target, made);
}

void StructureCopier::NoteMadeTarget(const std::string& target,
                                     const std::optional<platform::EntryDetails>& made) {
    // Held from here on: what Undo keeps of it, what the walk keeps out of
    // and what it copies into are read of the one open folder.
    // Only while it is still the folder the creating call made.
    if (noteMade_ && made && target_.Hold(target)) {
        lastMade_ = HeldTargetEntry();
        if (lastMade_ && lastMade_->identity != made->identity)
            lastMade_.reset();
    }
}

SubfolderResult StructureCopier::SimulateTarget(const std::string& target) {
    if (simulated_.FolderExists(target) || DirectoryExists(target))
        return SubfolderResult::Exists;
    if (!simulated_.CanCreateFolder(target))
        return SubfolderResult::Failed;
    simulated_.AddFolder(target);
    return SubfolderResult::Created;
}

SubfolderResult StructureCopier::CreateSubfolder(const std::string& destination) {
    // While most subfolders are new, each is first simply created: when that
    // works it is what the checks below would have found and done, for less.
    std::optional<platform::EntryDetails> made;
    if (MostlyNew() && platform::TryCreateDirectoryInFolder(destination, true, noteMade_ ? &made : nullptr)) {
        NoteMade(destination, made);
        return SubfolderResult::Created;
    }
    const uint32_t attributes = platform::GetFileAttributesA(destination);
    if (IsRealFolder(attributes))
        return SubfolderResult::Exists;
    // A link in the place of the folder is no folder to merge into: what the
    // walk would write through it would land wherever it points.
    if (attributes != platform::INVALID_FILE_ATTRIBUTES)
        return SubfolderResult::Failed;
    // Only what the walk's own call made is the walk's: a folder another
    // program made since the look above is one that was there.
    switch (ForceNewDirectory(ExcludeTrailingPathDelimiter(destination), made)) {
    case FolderMaking::Made:
        NoteMade(destination, made);
        return SubfolderResult::Created;
    case FolderMaking::Found:
        return IsRealFolder(platform::GetFileAttributesA(destination)) ? SubfolderResult::Exists
                                                                       : SubfolderResult::Failed;
    case FolderMaking::Failed:
        break;
    }
    return SubfolderResult::Failed;
}

void StructureCopier::NoteMade(const std::string& destination,
                               const std::optional<platform::EntryDetails>& made) {
    if (noteMade_ && made)
        lastMade_ = CreatedEntry::Of(*made, platform::ResolvedHostFolderOf(destination));
}

SubfolderResult StructureCopier::CreateSubfolderBelow(const std::string& relative,
                                                      const std::string& destination, bool& fresh) {
    std::optional<platform::EntryDetails> made;
    if (platform::CreateFolderBelow(target_, relative, noteMade_ ? &made : nullptr)) {
        fresh = true;
        if (made)
            lastMade_ = MadeEntry(*made, relative);
        return SubfolderResult::Created;
    }
    // Taken meanwhile, or not to be made this way: settled by its whole path.
    return CreateSubfolder(destination);
}

std::optional<CreatedEntry> StructureCopier::MadeEntry(const platform::EntryDetails& details,
                                                       const std::string& relative) {
    // The walk made every folder below the target itself, none of them a
    // link: where one is, is where the target is, and its path below it.
    if (targetReal_.empty()) {
        targetReal_ = target_.RealPath();
        if (targetReal_.empty())
            return std::nullopt;
    }
    std::string hostFolder = targetReal_;
    const std::size_t slash = relative.rfind('/');
    if (slash != std::string::npos) {
        if (targetReal_ != "/")
            hostFolder += '/';
        hostFolder.append(relative, 0, slash);
    }
    return CreatedEntry::Of(details, std::move(hostFolder));
}

std::optional<CreatedEntry> StructureCopier::HeldTargetEntry() {
    const std::optional<platform::EntryDetails> details = target_.Details();
    if (!details)
        return std::nullopt;
    targetReal_ = target_.RealPath();
    const std::size_t slash = targetReal_.rfind('/');
    if (slash == std::string::npos || targetReal_.size() == 1)
        return std::nullopt;
    // Made just now as a folder, not a link: the folder holding it is where
    // the held target is, less its own name.
    CreatedEntry entry;
    entry.identity = details->identity;
    entry.kind = details->kind;
    entry.modifiedSeconds = details->modifiedSeconds;
    entry.modifiedNanoseconds = details->modifiedNanoseconds;
    entry.hostFolder =
        std::make_shared<const std::string>(slash == 0 ? std::string("/") : targetReal_.substr(0, slash));
    return entry;
}

SubfolderResult StructureCopier::SimulateSubfolder(const std::string& destination) {
    if (simulated_.FolderExists(destination))
        return SubfolderResult::Exists;
    if (simulated_.CanCreateFolder(destination)) {
        simulated_.AddFolder(destination);
        return SubfolderResult::Created;
    }
    return SubfolderResult::Failed;
}

FileResult StructureCopier::CopyEntry(const platform::FolderEntry& entry, const platform::HeldFolder& source,
                                      const std::string& destination) {
    std::string trimmedDestination;
    const std::string& to = Trimmed(destination, trimmedDestination);
    // A link is copied as a link, also one put in the place of a file or a
    // folder since the listing: its target is never read, so a link to a
    // folder cannot pull that folder (or the new folder itself) into the copy.
    if (platform::CopyEntryFrom(source, entry.name, to))
        return FileResult::Created;
    return TakenByAnother(platform::GetLastError()) ? FileResult::Exists : FileResult::Failed;
}

FileResult StructureCopier::CopyFileBelow(const platform::FolderEntry& entry,
                                          const platform::HeldFolder& source, const std::string& relative,
                                          const std::string& destination) {
    if (!entry.isLink) {
        if (platform::CopyFileBelow(source, target_, relative, &kept_))
            return FileResult::Created;
        if (TakenByAnother(platform::GetLastError()))
            return FileResult::Exists;
    }
    // A link, or a file that could not be copied this way: the destination's
    // whole path tells what becomes of it, and why not.
    return CopyEntry(entry, source, destination);
}

FileResult StructureCopier::SimulateEntry(const platform::FolderEntry& entry, const std::string& source,
                                          const std::string& destination) {
    // As the copy: the source is opened before the destination is looked at;
    // a link is copied as a link, its target never read.
    if (!entry.isLink && !platform::MayReadFile(source))
        return FileResult::Failed;
    if (simulated_.EntryExists(destination))
        return FileResult::Exists;
    if (simulated_.CanCreateFile(destination)) {
        simulated_.AddFile(destination);
        return FileResult::Created;
    }
    return FileResult::Failed;
}

std::optional<CreatedEntry> StructureCopier::TakeLastMade() {
    std::optional<CreatedEntry> made = std::move(lastMade_);
    lastMade_.reset();
    return made;
}
