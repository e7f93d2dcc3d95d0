#include "platform/EntryIdentity.h"

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/StatxIdentity.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace platform {

namespace {

// What the file handle of the entry says of it, the inode's generation with
// it, folded into one number.
bool HandleGeneration(int at, const char* path, int flags, uint64_t& generation) {
    alignas(struct file_handle) unsigned char storage[sizeof(struct file_handle) + MAX_HANDLE_SZ];
    auto* handle = reinterpret_cast<struct file_handle*>(storage);
    handle->handle_bytes = MAX_HANDLE_SZ;
    int mount = 0;
    const int handleFlags = (flags & AT_EMPTY_PATH) | ((flags & AT_SYMLINK_NOFOLLOW) ? 0 : AT_SYMLINK_FOLLOW);
    if (name_to_handle_at(at, path, handle, &mount, handleFlags) != 0)
        return false;
    uint64_t hash = 1469598103934665603ull;
    const auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 1099511628211ull;
    };
    for (unsigned shift = 0; shift < 32; shift += 8)
        mix(static_cast<unsigned char>(static_cast<unsigned>(handle->handle_type) >> shift));
    // The handle's bytes follow its header in the storage.
    const unsigned char* bytes = storage + offsetof(struct file_handle, f_handle);
    for (unsigned i = 0; i < handle->handle_bytes && i < MAX_HANDLE_SZ; ++i)
        mix(bytes[i]);
    generation = hash;
    return true;
}

// The inode's generation as the file system's own request gives it, for a
// file or folder only: opening anything else may do more than read it.
bool VersionGeneration(int at, const char* path, int flags, const struct statx& status,
                       uint64_t& generation) {
    if (!S_ISREG(status.stx_mode) && !S_ISDIR(status.stx_mode))
        return false;
    const bool itself = (flags & AT_EMPTY_PATH) && path[0] == 0;
    const int fd = itself ? at
                          : openat(at, path,
                                   O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC |
                                       ((flags & AT_SYMLINK_NOFOLLOW) ? O_NOFOLLOW : 0));
    if (fd < 0)
        return false;
    long version = 0;
    const bool read = ioctl(fd, FS_IOC_GETVERSION, &version) == 0;
    if (!itself)
        close(fd);
    if (read)
        generation = static_cast<uint32_t>(version);
    return read;
}

} // namespace

namespace detail {

EntryIdentity IdentityOf(int at, const char* path, int flags, const struct statx& status) {
    EntryIdentity identity;
    identity.device = makedev(status.stx_dev_major, status.stx_dev_minor);
    identity.inode = status.stx_ino;
    if (status.stx_mask & STATX_BTIME) {
        identity.bornSeconds = status.stx_btime.tv_sec;
        identity.bornNanoseconds = status.stx_btime.tv_nsec;
        identity.distinct = true;
    } else {
        identity.distinct = HandleGeneration(at, path, flags, identity.generation) ||
                            VersionGeneration(at, path, flags, status, identity.generation);
    }
    return identity;
}

} // namespace detail

namespace {

bool IdentityAt(const std::string& path, int flags, EntryIdentity& identity) {
    identity = EntryIdentity{};
    detail::Resolved resolved;
    if (!detail::ResolveText(path, resolved))
        return false;
    if (!resolved.exists)
        return detail::Fail(detail::MissingError(resolved));
    // A drive's root is the folder the drive stands for, whatever leads to it.
    if (resolved.isRoot)
        flags = 0;
    struct statx status;
    if (statx(AT_FDCWD, resolved.host.c_str(), flags, detail::IdentityStatxMask, &status) != 0)
        return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    identity = detail::IdentityOf(AT_FDCWD, resolved.host.c_str(), flags, status);
    return true;
}

} // namespace

bool GetEntryIdentity(const std::string& path, EntryIdentity& identity) {
    return IdentityAt(path, AT_SYMLINK_NOFOLLOW, identity);
}

bool GetResolvedIdentity(const std::string& path, EntryIdentity& identity) {
    return IdentityAt(path, 0, identity);
}

bool EntryStandsIn(const std::string& hostFolder, const std::string& name, const EntryIdentity& identity) {
    if (hostFolder.empty() || name.empty() || name.find('/') != std::string::npos)
        return false;
    const std::string host = hostFolder == "/" ? "/" + name : hostFolder + "/" + name;
    struct statx status;
    return statx(AT_FDCWD, host.c_str(), AT_SYMLINK_NOFOLLOW, detail::IdentityStatxMask, &status) == 0 &&
           detail::IdentityOf(AT_FDCWD, host.c_str(), AT_SYMLINK_NOFOLLOW, status) == identity;
}

} // namespace platform
