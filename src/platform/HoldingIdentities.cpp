// The identities of a folder and of every folder that holds it, links
// resolved: whether one folder is, holds or lies in another is then a
// question of identities, whatever the paths' spelling or the links on them.

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/StatxIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

namespace platform {

bool GetHoldingIdentities(const std::string& path, std::vector<EntryIdentity>& chain) {
    chain.clear();
    detail::Resolved resolved;
    if (!detail::ResolveText(path, resolved))
        return false;
    if (!resolved.exists)
        return detail::Fail(detail::MissingError(resolved));
    std::unique_ptr<char, decltype(&std::free)> real(realpath(resolved.host.c_str(), nullptr), &std::free);
    if (!real)
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    std::string level = real.get();
    for (;;) {
        struct statx status;
        if (statx(AT_FDCWD, level.c_str(), 0, detail::IdentityStatxMask, &status) != 0)
            return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
        chain.push_back(detail::IdentityOf(AT_FDCWD, level.c_str(), 0, status));
        if (level == "/")
            return true;
        const std::string::size_type cut = level.rfind('/');
        level = cut == 0 ? std::string("/") : level.substr(0, cut);
    }
}

} // namespace platform
