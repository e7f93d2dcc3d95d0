#include "runs/OwnFolders.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Where a held folder finally is on the host, links resolved, without a
// trailing slash; "" when it cannot be told.
std::string CanonicalHostFolder(const platform::HeldFolder& held) {
    std::string folder = held.RealPath();
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

// The same of a Windows path that names a folder: opened once and asked, the
// kernel resolves its links rather than this process, one component a call.
std::string CanonicalHostFolder(const std::string& windowsPath) {
    platform::HeldFolder held;
    return held.Hold(windowsPath) ? CanonicalHostFolder(held) : std::string();
}

} // namespace

void OwnFolders::Clear() {
    identities_.clear();
    hostFolders_.clear();
    rootHostFolders_.clear();
    inside_ = false;
}

void OwnFolders::Add(const std::string& folder) {
    platform::HeldFolder held;
    if (held.Hold(folder)) {
        Add(held);
        return;
    }
    platform::EntryIdentity identity;
    if (platform::GetResolvedIdentity(folder, identity))
        identities_.insert(identity);
}

void OwnFolders::Add(const platform::HeldFolder& held) {
    const std::optional<platform::EntryDetails> details = held.Details();
    if (!details)
        return;
    identities_.insert(details->identity);
    std::string host = CanonicalHostFolder(held);
    if (!host.empty())
        hostFolders_.insert(std::move(host));
}

void OwnFolders::LookAround(const std::string& root) {
    inside_ = false;
    if (identities_.empty())
        return;
    // The walk never follows a link below the structure's folder, so a folder
    // it lists lies below where that folder finally is.
    // Within one run a structure's folder is where it was when first met,
    // as its listings are.
    auto known = rootHostFolders_.find(root);
    if (known == rootHostFolders_.end())
        known = rootHostFolders_.emplace(root, CanonicalHostFolder(root)).first;
    const std::string& hostRoot = known->second;
    if (hostRoot.empty()) {
        inside_ = true; // cannot tell: look every folder up
        return;
    }
    std::string prefix = hostRoot.back() == '/' ? hostRoot : hostRoot + "/";
    auto next = hostFolders_.lower_bound(prefix);
    inside_ = next != hostFolders_.end() && next->compare(0, prefix.size(), prefix) == 0;
    // A structure inside one of the own folders: what the walk makes may land
    // inside the structure too.
    std::string level = hostRoot;
    while (!inside_ && level != "/") {
        inside_ = hostFolders_.count(level) > 0;
        level = level.substr(0, std::max<std::size_t>(level.rfind('/'), 1));
    }
    inside_ = inside_ || hostFolders_.count("/") > 0;
}

bool OwnFolders::Holds(const std::string& folder) const {
    platform::EntryIdentity identity;
    return platform::GetResolvedIdentity(folder, identity) && identities_.count(identity) > 0;
}
