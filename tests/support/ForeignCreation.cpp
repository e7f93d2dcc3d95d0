#include "support/ForeignCreation.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <utility>

namespace testsupport {

namespace {

struct Arranged {
    std::string name;
    std::function<void(const std::string&)> makeIt;
};

Arranged& Pending() {
    static Arranged pending;
    return pending;
}

Arranged& PendingAfter() {
    static Arranged pending;
    return pending;
}

std::string LastName(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

// The host path of `path` taken relative to the folder open as `folder`.
std::string HostOf(int folder, const char* path) {
    if (path[0] == '/' || folder == AT_FDCWD)
        return path;
    char link[64];
    char where[PATH_MAX];
    snprintf(link, sizeof link, "/proc/self/fd/%d", folder);
    const ssize_t length = readlink(link, where, sizeof where - 1);
    if (length <= 0)
        return path;
    return std::string(where, static_cast<size_t>(length)) + "/" + path;
}

void RunArranged(Arranged& pending, int folder, const char* path) {
    if (!pending.makeIt || (!pending.name.empty() && LastName(path) != pending.name))
        return;
    auto makeIt = std::move(pending.makeIt);
    pending = {};
    makeIt(HostOf(folder, path));
}

// Around the real call: what comes after runs only where it made the folder.
template <typename Call> int Creation(int folder, const char* path, Call call) {
    RunArranged(Pending(), folder, path);
    const int result = call();
    if (result == 0)
        RunArranged(PendingAfter(), folder, path);
    return result;
}

} // namespace

void BeforeCreationOf(const std::string& name, std::function<void(const std::string& host)> makeIt) {
    Pending() = {name, std::move(makeIt)};
}

void AfterCreationOf(const std::string& name, std::function<void(const std::string& host)> swapIt) {
    PendingAfter() = {name, std::move(swapIt)};
}

void NoForeignCreation() {
    Pending() = {};
    PendingAfter() = {};
}

} // namespace testsupport

extern "C" int mkdirat(int folder, const char* path, mode_t mode) {
    using Call = int (*)(int, const char*, mode_t);
    static const Call real = reinterpret_cast<Call>(dlsym(RTLD_NEXT, "mkdirat"));
    return testsupport::Creation(folder, path, [&] { return real(folder, path, mode); });
}

extern "C" int mkdir(const char* path, mode_t mode) {
    using Call = int (*)(const char*, mode_t);
    static const Call real = reinterpret_cast<Call>(dlsym(RTLD_NEXT, "mkdir"));
    return testsupport::Creation(AT_FDCWD, path, [&] { return real(path, mode); });
}
