#include "platform/HeldFolderCopy.h"

#include "platform/Errors.h"
#include "platform/FileContent.h"
#include "platform/FileSystem.h"
#include "platform/KeptContents.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"
#include "platform/StatxDetails.h"
#include "platform/StatxIdentity.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace platform {

namespace {

// Opens `relative` below the folder `base` without following a link in any
// of its components (openat2), where the kernel offers that; else without
// following a link in its last one.
int OpenBelow(int base, const std::string& relative, int flags, mode_t mode) {
    static bool openat2Missing = false;
    if (!openat2Missing) {
        open_how how{};
        how.flags = static_cast<unsigned long long>(flags);
        how.mode = (flags & O_CREAT) ? mode : 0;
        how.resolve = RESOLVE_NO_SYMLINKS;
        const long fd = syscall(SYS_openat2, base, relative.c_str(), &how, sizeof how);
        if (fd >= 0 || errno != ENOSYS)
            return static_cast<int>(fd);
        openat2Missing = true;
    }
    return openat(base, relative.c_str(), flags | O_NOFOLLOW, mode);
}

// Opens the folder `relative` below `base` to be listed, through no link at
// all: openat2 where the kernel offers it, else one name at a time.
int OpenFolderBelow(int base, const std::string& relative) {
    constexpr int Flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    if (relative.find('/') == std::string::npos)
        return openat(base, relative.c_str(), Flags | O_NOFOLLOW);
    const int fd = OpenBelow(base, relative, Flags, 0);
    if (fd >= 0 || errno != ELOOP)
        return fd;
    // Without openat2 only the last name was kept from following a link.
    int at = base;
    int owned = -1;
    for (std::size_t begin = 0;;) {
        const std::size_t slash = relative.find('/', begin);
        const std::string name = relative.substr(begin, slash - begin);
        const int next = openat(at, name.c_str(), Flags | O_NOFOLLOW);
        const int error = errno;
        if (owned >= 0)
            close(owned);
        if (next < 0 || slash == std::string::npos) {
            errno = error;
            return next;
        }
        at = owned = next;
        begin = slash + 1;
    }
}

FolderStamp StampOf(const struct stat& st) {
    return {static_cast<std::uint64_t>(st.st_dev),        static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::int64_t>(st.st_mtim.tv_sec), static_cast<std::int64_t>(st.st_mtim.tv_nsec),
            static_cast<std::int64_t>(st.st_ctim.tv_sec), static_cast<std::int64_t>(st.st_ctim.tv_nsec)};
}

// The last name of `relative`.
const char* LastName(const std::string& relative) {
    const std::size_t slash = relative.rfind('/');
    return relative.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}

// This layer's kept names of a folder the call has changed behind them: they
// are read again when next needed. The folder's host path is joined in one
// buffer kept for it, as a run does this for every file it copies.
void ForgetNamesOf(const HeldFolder& base, const std::string& relative) {
    thread_local std::string parent;
    parent.assign(base.HostPath());
    if (const std::size_t slash = relative.rfind('/'); slash != std::string::npos) {
        if (parent.empty() || parent.back() != '/')
            parent += '/';
        parent.append(relative, 0, slash);
    }
    detail::FolderNameCache& cache = detail::State().folderNames;
    if (cache.Holds(parent))
        cache.Drop(parent);
}

// Makes the new file `relative` below `to` for a copy of a file of status
// `source`, failing as CopyFileA does; -1 when it cannot be made.
int CreateCopyBelow(const HeldFolder& to, const std::string& relative, const struct stat& source) {
    const int out =
        OpenBelow(to.Descriptor(), relative, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, source.st_mode & 0777);
    if (out < 0) {
        if (errno == EEXIST)
            detail::Fail(ERROR_FILE_EXISTS);
        else
            detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
        return -1;
    }
    ForgetNamesOf(to, relative);
    return out;
}

// Closes the new copy and takes it back where it could not be filled.
bool FinishCopy(detail::FileDescriptor& out, const HeldFolder& to, const std::string& relative, int error) {
    if (int closed = out.Close(); !error)
        error = closed;
    if (error) {
        unlinkat(to.Descriptor(), relative.c_str(), 0);
        return detail::FailWithErrno(error, ERROR_PATH_NOT_FOUND);
    }
    return true;
}

} // namespace

HeldFolder::HeldFolder(HeldFolder&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), host_(std::move(other.host_)) {}

HeldFolder& HeldFolder::operator=(HeldFolder&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
        host_ = std::move(other.host_);
    }
    return *this;
}

void HeldFolder::Release() {
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    host_.clear();
}

bool HeldFolder::Hold(const std::string& path) {
    // O_PATH: the descriptor only names the folder for the calls made below it.
    return HoldOpened(path, O_PATH | O_DIRECTORY | O_CLOEXEC);
}

bool HeldFolder::HoldToList(const std::string& path) {
    return HoldOpened(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

bool HeldFolder::HoldOpened(const std::string& path, int flags) {
    Release();
    detail::Resolved resolved;
    if (!detail::ResolveText(path, resolved))
        return false;
    if (!resolved.exists)
        return detail::Fail(detail::MissingError(resolved));
    const int fd = open(resolved.host.c_str(), flags);
    if (fd < 0)
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    fd_ = fd;
    host_ = resolved.host;
    return true;
}

bool HeldFolder::HoldToList(const HeldFolder& base, const std::string& relative) {
    Release();
    if (!base.IsHeld())
        return detail::Fail(ERROR_PATH_NOT_FOUND);
    const int fd = OpenFolderBelow(base.Descriptor(), relative);
    if (fd < 0)
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    fd_ = fd;
    host_ = detail::JoinHost(base.HostPath(), relative);
    return true;
}

std::optional<FolderStamp> HeldFolder::Stamp() const {
    struct stat st;
    if (fd_ < 0 || fstat(fd_, &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return StampOf(st);
}

EntryKind KindIn(const HeldFolder& folder, const std::string& name) {
    struct stat st;
    if (!folder.IsHeld() || fstatat(folder.Descriptor(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return EntryKind::Missing;
    return S_ISDIR(st.st_mode) ? EntryKind::Folder : S_ISLNK(st.st_mode) ? EntryKind::Link : EntryKind::File;
}

std::string HeldFolder::RealPath() const {
    if (fd_ < 0)
        return {};
    // The kernel names the open folder in one call; a folder removed since
    // is named with a mark, and is then looked up by its path as it was.
    const std::string descriptor = "/proc/self/fd/" + std::to_string(fd_);
    char buffer[PATH_MAX];
    const ssize_t length = readlink(descriptor.c_str(), buffer, sizeof buffer);
    constexpr std::string_view Removed = " (deleted)";
    if (length > 0 && static_cast<std::size_t>(length) < sizeof buffer && buffer[0] == '/') {
        const std::string_view named(buffer, static_cast<std::size_t>(length));
        if (!named.ends_with(Removed))
            return std::string(named);
    }
    char* real = realpath(host_.c_str(), nullptr);
    if (!real)
        return {};
    std::string path = real;
    std::free(real);
    return path;
}

std::optional<EntryDetails> HeldFolder::Details() const {
    struct statx status;
    if (fd_ < 0 ||
        statx(fd_, "", AT_EMPTY_PATH, detail::IdentityStatxMask | STATX_TYPE | STATX_MTIME, &status) != 0 ||
        !S_ISDIR(status.stx_mode))
        return std::nullopt;
    const std::size_t slash = host_.rfind('/');
    return detail::DetailsOf(slash == std::string::npos ? host_ : host_.substr(slash + 1), status, fd_, "",
                             AT_EMPTY_PATH);
}

bool CreateFolderBelow(const HeldFolder& base, const std::string& relative,
                       std::optional<EntryDetails>* made) {
    if (made)
        made->reset();
    if (!base.IsHeld())
        return detail::Fail(ERROR_PATH_NOT_FOUND);
    if (mkdirat(base.Descriptor(), relative.c_str(), 0777) != 0)
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    ForgetNamesOf(base, relative);
    if (!made)
        return true;
    struct statx created;
    if (statx(base.Descriptor(), relative.c_str(), AT_SYMLINK_NOFOLLOW,
              detail::IdentityStatxMask | STATX_MTIME, &created) != 0 ||
        !S_ISDIR(created.stx_mode))
        return true;
    const std::size_t slash = relative.rfind('/');
    *made = detail::DetailsOf(slash == std::string::npos ? relative : relative.substr(slash + 1), created,
                              base.Descriptor(), relative.c_str(), AT_SYMLINK_NOFOLLOW);
    return true;
}

bool CopyFileBelow(const HeldFolder& from, const HeldFolder& to, const std::string& relative,
                   KeptContents* kept) {
    if (!from.IsHeld() || !to.IsHeld())
        return detail::Fail(ERROR_PATH_NOT_FOUND);
    const char* name = LastName(relative);
    // A file kept by an earlier copy of this run, still as it was read, is
    // written from memory: its status alone is asked of the disk.
    struct stat now;
    if (kept && kept->Count() > 0 && fstatat(from.Descriptor(), name, &now, AT_SYMLINK_NOFOLLOW) == 0) {
        if (const std::string* content = kept->Find(now)) {
            detail::FileDescriptor out(CreateCopyBelow(to, relative, now));
            if (out.Get() < 0)
                return false;
            return FinishCopy(out, to, relative, detail::FillFrom(*content, out.Get(), now));
        }
    }
    // O_NONBLOCK keeps a named pipe from blocking the open; it means nothing
    // to the regular files that are copied.
    detail::FileDescriptor in(
        openat(from.Descriptor(), name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    if (in.Get() < 0)
        return errno == ELOOP ? detail::Fail(ERROR_INVALID_PARAMETER)
                              : detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    struct stat source;
    if (fstat(in.Get(), &source) != 0 || !S_ISREG(source.st_mode))
        return detail::Fail(ERROR_ACCESS_DENIED);
    detail::FileDescriptor out(CreateCopyBelow(to, relative, source));
    if (out.Get() < 0)
        return false;
    if (!kept || !kept->Wants(source))
        return FinishCopy(out, to, relative, detail::FillCopy(in.Get(), out.Get(), source));
    std::string content;
    int error = detail::ReadWhole(in.Get(), source.st_size, content);
    if (!error)
        error = detail::FillFrom(content, out.Get(), source);
    // Kept only when nothing changed the file while it was read.
    struct stat after;
    if (!error && static_cast<off_t>(content.size()) == source.st_size && fstat(in.Get(), &after) == 0 &&
        after.st_ctim.tv_sec == source.st_ctim.tv_sec && after.st_ctim.tv_nsec == source.st_ctim.tv_nsec)
        kept->Keep(source, std::move(content));
    return FinishCopy(out, to, relative, error);
}

bool CopyEntryFrom(const HeldFolder& from, const std::string& name, const std::string& target) {
    if (!from.IsHeld())
        return detail::Fail(ERROR_PATH_NOT_FOUND);
    detail::FileDescriptor in(
        openat(from.Descriptor(), name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    if (in.Get() < 0) {
        if (errno != ELOOP)
            return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
        // A link, whatever it was listed as: copied as a link.
        std::string text;
        if (!detail::ReadLinkAt(from.Descriptor(), name.c_str(), text))
            return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
        return detail::MakeLink(text, target);
    }
    struct stat source;
    if (fstat(in.Get(), &source) != 0 || !S_ISREG(source.st_mode))
        return detail::Fail(ERROR_ACCESS_DENIED);
    return detail::CopyOpenFile(in.Get(), source, target, true);
}

} // namespace platform
