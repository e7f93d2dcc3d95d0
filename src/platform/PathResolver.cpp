#include "platform/PathResolver.h"

#include "platform/Drives.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PlatformState.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace platform {

namespace detail {

namespace {

void SetMissing(Resolved& out, const std::string& parent, const std::string& name, bool parentExists) {
    out.parent = parent;
    out.name = name;
    out.host = JoinHost(parent, name);
    out.exists = false;
    out.parentExists = parentExists;
}

// Answers from the parent's cached names alone, when they are kept and up to
// date: with the parent watched, from the names alone; else one stat of the
// parent instead of a search (two when the parent is a link to a folder), and
// the parent is watched from then on. False when not answered.
// `parent` and `exact` (the whole path as written) are taken over when answered.
bool ResolveThroughCache(std::string& parent, const std::string& name, std::string& exact, Resolved& out) {
    FolderNameCache& cache = State().folderNames;
    FolderWatches& watches = State().folderWatches;
    const FolderStatus* keptStatus = nullptr;
    WatchMark watch;
    const FolderNames* names = cache.Peek(parent, keptStatus, watch);
    if (!names)
        return false;
    // The names of a large folder lie far apart in memory: where the name
    // would be is fetched while the watch's queue is read.
    NameKey key = NameKey::Of(name);
    names->Prefetch(key);
    struct stat parentStatus {};
    const bool watched = watches.Current(parent, cache, watch, parentStatus.st_dev, parentStatus.st_ino);
    // Reading the queue may have ended every watch and dropped the names; a
    // watch still in its round kept them where they were.
    if (!watched || !watches.InRound(watch)) {
        names = cache.Peek(parent, keptStatus);
        if (!names)
            return false;
    }
    bool throughLink = false;
    if (!watched) {
        bool reached = lstat(parent.c_str(), &parentStatus) == 0;
        throughLink = reached && S_ISLNK(parentStatus.st_mode);
        if (throughLink)
            reached = stat(parent.c_str(), &parentStatus) == 0;
        if (!reached || !S_ISDIR(parentStatus.st_mode)) {
            cache.Forget(parent);
            return false;
        }
        if (!(*keptStatus == FolderStatus::Of(parentStatus))) {
            cache.Drop(parent);
            return false;
        }
        if (!throughLink) {
            watches.Watch(parent, FolderStatus::Of(parentStatus), cache);
            names = cache.Peek(parent, keptStatus);
            if (!names)
                return false;
        }
    }
    out.parentWatched = watched;
    const std::string* actual = names->Find(name, key);
    out.parentSt = parentStatus;
    if (!actual) {
        out.key = std::move(key);
        out.name = name;
        out.host = std::move(exact);
        out.parent = std::move(parent);
        out.exists = false;
        out.parentExists = true;
        out.parentCurrent = true;
        out.parentIsFolder = !throughLink;
        return true;
    }
    std::string onDisk = *actual;
    std::string host = JoinHost(parent, onDisk);
    if (lstat(host.c_str(), &out.st) != 0) {
        cache.Forget(parent);
        return false;
    }
    out.parent = std::move(parent);
    out.name = std::move(onDisk);
    out.host = std::move(host);
    out.exists = true;
    out.parentExists = true;
    out.parentCurrent = true;
    out.parentIsFolder = !throughLink;
    return true;
}

// A new name in a folder whose path has a link on its way, refused a watch
// there: looked up in the folder the path leads to now, by its path free of
// links, where the folder is watched (and its names follow every change)
// like any other. The link is read again at every call, so that a link
// pointed elsewhere meanwhile is followed as the path now goes. False when
// not answered so.
bool ResolveThroughLinks(const std::string& parent, const std::string& name, Resolved& out) {
    FolderNameCache& cache = State().folderNames;
    if (!State().folderWatches.Refused(parent))
        return false;
    char* resolved = realpath(parent.c_str(), nullptr);
    if (!resolved)
        return false;
    std::string real = resolved;
    free(resolved);
    if (real == parent)
        return false;
    const FolderStatus* kept = nullptr;
    if (!cache.Peek(real, kept)) {
        struct stat status;
        if (stat(real.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || !cache.Get(real, status))
            return false;
    }
    std::string exact = JoinHost(real, name);
    return ResolveThroughCache(real, name, exact, out);
}

// The search from the deepest existing folder of the exact path downwards,
// matching each missing component ignoring case.
void ResolveBySearch(const std::string& root, const std::vector<std::string>& components,
                     const std::vector<std::size_t>& ends, const std::string& exact, Resolved& out) {
    const std::size_t count = components.size();
    // The deepest prefix of the exact path that is an existing folder.
    std::size_t base = count - 1;
    std::string folder;
    struct stat folderStatus;
    for (;; --base) {
        folder = base == 0 ? root : exact.substr(0, ends[base - 1]);
        if (stat(folder.c_str(), &folderStatus) == 0) {
            if (S_ISDIR(folderStatus.st_mode))
                break;
            // A file on the way: nothing below it can exist.
            SetMissing(out, folder, components.back(), false);
            return;
        }
        if (base == 0) {
            // The drive's own folder is gone or unreadable.
            SetMissing(out, folder, components.back(), false);
            return;
        }
    }
    FolderNameCache& cache = State().folderNames;
    for (std::size_t k = base; k < count; ++k) {
        const FolderNames* names = cache.Get(folder, folderStatus);
        const std::string* actual = names ? names->Find(components[k]) : nullptr;
        if (!actual) {
            std::string parent = folder;
            for (std::size_t rest = k; rest + 1 < count; ++rest)
                parent = JoinHost(parent, components[rest]);
            SetMissing(out, parent, components.back(), k + 1 == count);
            out.parentCurrent = k + 1 == count && names != nullptr;
            return;
        }
        const std::string child = JoinHost(folder, *actual);
        if (k + 1 == count) {
            const std::string onDisk = *actual;
            if (lstat(child.c_str(), &out.st) != 0) {
                cache.Forget(folder);
                SetMissing(out, folder, components.back(), true);
                return;
            }
            out.parent = folder;
            out.name = onDisk;
            out.host = child;
            out.exists = true;
            out.parentExists = true;
            out.parentCurrent = true;
            return;
        }
        if (stat(child.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode)) {
            SetMissing(out, child, components.back(), false);
            return;
        }
        folder = child;
    }
}

} // namespace

int ParentDescriptor(const Resolved& resolved) {
    if (!resolved.parentIsFolder || !resolved.parentCurrent)
        return -1;
    return State().openFolders.Descriptor(resolved.parent, resolved.parentSt);
}

std::string JoinHost(const std::string& folder, const std::string& name) {
    std::string path;
    path.reserve(folder.size() + name.size() + 1);
    path = folder;
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return path;
}

uint32_t MissingError(const Resolved& resolved) {
    return resolved.parentExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

namespace {

// The exact host path; `ends` (when given) gets where each of its prefixes ends.
bool BuildExact(const std::string& root, const WindowsPath& path, std::string& exact,
                std::vector<std::size_t>* ends) {
    std::size_t length = root.size();
    for (const std::string& component : path.components) {
        length += component.size() + 1;
        if (length >= PATH_MAX)
            break; // refused below
    }
    exact.reserve(length);
    exact = root;
    if (ends) {
        ends->clear();
        ends->reserve(path.components.size());
    }
    for (const std::string& component : path.components) {
        if (component.size() > NAME_MAX)
            return Fail(ERROR_FILENAME_EXCED_RANGE);
        if (exact.back() != '/')
            exact += '/';
        exact += component;
        if (exact.size() >= PATH_MAX)
            return Fail(ERROR_FILENAME_EXCED_RANGE);
        if (ends)
            ends->push_back(exact.size());
    }
    return true;
}

} // namespace

bool ExactHostPath(const WindowsPath& path, std::string& exact) {
    const std::string* root = DriveRoot(path.drive);
    if (!root)
        return Fail(ERROR_PATH_NOT_FOUND);
    return BuildExact(*root, path, exact, nullptr);
}

bool Resolve(const WindowsPath& path, Resolved& out, Expect expect) {
    out = Resolved{};
    const std::string* root = DriveRoot(path.drive);
    if (!root)
        return Fail(ERROR_PATH_NOT_FOUND);
    if (path.IsRoot()) {
        out.host = *root;
        out.parent = *root;
        out.isRoot = true;
        out.exists = stat(root->c_str(), &out.st) == 0 && S_ISDIR(out.st.st_mode);
        out.parentExists = out.exists;
        return true;
    }
    std::string exact;
    if (!BuildExact(*root, path, exact, nullptr))
        return false;
    const std::string& name = path.components.back();
    // The exact path is the parent's, a slash (unless the parent is "/") and the name.
    std::string parent =
        path.components.size() == 1 ? *root : exact.substr(0, exact.size() - name.size() - 1);

    // A new name is looked up in the folder's kept names first: one stat of
    // the folder, and creating it would fail on an exact name anyway. Any
    // other path is tried exactly first, so that an exact name never depends
    // on the kept names, and only a miss costs a search.
    if (expect == Expect::New &&
        (ResolveThroughLinks(parent, name, out) || ResolveThroughCache(parent, name, exact, out)))
        return true;
    if (lstat(exact.c_str(), &out.st) == 0) {
        out.host = std::move(exact);
        out.parent = std::move(parent);
        out.name = name;
        out.exists = true;
        out.parentExists = true;
        return true;
    }
    if (errno == ENAMETOOLONG)
        return Fail(ERROR_FILENAME_EXCED_RANGE);
    if (expect == Expect::Existing && ResolveThroughCache(parent, name, exact, out))
        return true;
    std::vector<std::size_t> ends;
    BuildExact(*root, path, exact, &ends);
    ResolveBySearch(*root, path.components, ends, exact, out);
    return true;
}

bool ResolveText(const std::string& text, Resolved& out, Expect expect) {
    WindowsPath path;
    if (!ParsePath(text, path))
        return false;
    return Resolve(path, out, expect);
}

} // namespace detail

std::optional<std::string> ToHostPath(const std::string& windowsPath) {
    detail::Resolved resolved;
    if (!detail::ResolveText(windowsPath, resolved))
        return std::nullopt;
    return resolved.host;
}

namespace {

// The host folder above `host`, "" when there is none.
std::string HostFolderAbove(std::string host) {
    while (host.size() > 1 && host.back() == '/')
        host.pop_back();
    const std::size_t slash = host.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    host.resize(slash == 0 ? 1 : slash);
    return host;
}

// A watched folder's path was built of plain names from a clean drive folder,
// and each folder on it is watched not to be a link: it is what realpath()
// would give, without a look at each of its folders.
bool IsWatched(const std::string& folder) {
    dev_t device = 0;
    ino_t inode = 0;
    return detail::State().folderWatches.Current(folder, detail::State().folderNames, device, inode);
}

} // namespace

std::string ResolvedHostFolderOf(const std::string& windowsPath) {
    detail::WindowsPath path;
    if (!detail::ParsePath(windowsPath, path))
        return {};
    // Whatever the case of its last name, an entry lies in the folder its
    // exact path names when that folder is there: a watched one is.
    std::string exact;
    if (!path.IsRoot() && detail::ExactHostPath(path, exact)) {
        std::string folder = HostFolderAbove(std::move(exact));
        if (!folder.empty() && IsWatched(folder))
            return folder;
    }
    detail::Resolved resolved;
    if (!detail::Resolve(path, resolved))
        return {};
    std::string folder = HostFolderAbove(std::move(resolved.host));
    if (folder.empty() || IsWatched(folder))
        return folder;
    char* real = realpath(folder.c_str(), nullptr);
    if (!real)
        return {};
    folder = real;
    free(real);
    return folder;
}

std::optional<std::string> ToWindowsPath(const std::string& hostPath) {
    std::optional<detail::WindowsPath> path = detail::WindowsFormOf(detail::State().drives, hostPath);
    if (!path)
        return std::nullopt;
    return path->ToString();
}

} // namespace platform
