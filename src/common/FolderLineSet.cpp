#include "common/FolderLineSet.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"

namespace {

std::optional<platform::EntryIdentity> IdentityOf(const std::string& line) {
    const std::string trimmed = Trim(line);
    platform::EntryIdentity identity;
    if (ExtractFileDrive(trimmed).empty() || !platform::GetEntryIdentity(trimmed, identity))
        return std::nullopt;
    return identity;
}

} // namespace

FolderLineSet::FolderLineSet(const std::vector<std::string>& lines) {
    keys_.reserve(lines.size());
    for (const std::string& line : lines)
        Add(line);
}

void FolderLineSet::Add(const std::string& line) {
    keys_.insert(FolderKey(Trim(line)));
    lines_.push_back(line);
    if (identities_) {
        if (const auto identity = IdentityOf(line))
            identities_->insert(*identity);
    }
}

bool FolderLineSet::Holds(const std::string& line) const {
    if (keys_.count(FolderKey(Trim(line))) > 0)
        return true;
    const auto identity = IdentityOf(line);
    return identity && Identities().count(*identity) > 0;
}

const std::set<platform::EntryIdentity>& FolderLineSet::Identities() const {
    if (!identities_) {
        identities_.emplace();
        for (const std::string& line : lines_) {
            if (const auto identity = IdentityOf(line))
                identities_->insert(*identity);
        }
    }
    return *identities_;
}
