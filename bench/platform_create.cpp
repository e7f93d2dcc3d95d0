// What a creation run costs per new folder over the plainest code that does
// the same work: the run asks DirectoryExists and then ForceDirectories for
// each name in one destination; the baseline is a loop of mkdir() over the same
// names in a fresh host folder. Both run in the same program run, for 100,000
// and for 10,000 names; close ratios mean the layer grows linearly. The
// platform calls alone (GetFileAttributesA, then CreateDirectoryA) are shown
// too.

#include "common/FrameworkFiles.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Rounds = 3;

using Clock = std::chrono::steady_clock;

std::vector<std::string> Names(int count) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        names.push_back("New Folder " + std::to_string(i));
    return names;
}

double Seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void RemoveAll(const std::string& hostFolder, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        rmdir((hostFolder + "/" + name).c_str());
    rmdir(hostFolder.c_str());
}

struct Figures {
    double plain = 1e9;
    double run = 1e9;
    double platform = 1e9;
};

// The best of a few rounds of each, every round in fresh folders.
Figures Measure(const testsupport::DriveSandbox& sandbox, int count) {
    const std::vector<std::string> names = Names(count);
    const std::string root = sandbox.HostRoot('C');
    Figures best;
    int failures = 0;
    for (int round = 0; round < Rounds; ++round) {
        const std::string plain = root + "/plain";
        mkdir(plain.c_str(), 0777);
        best.plain = std::min(best.plain, Seconds([&] {
                                  for (const std::string& name : names)
                                      failures += mkdir((plain + "/" + name).c_str(), 0777) != 0;
                              }));
        RemoveAll(plain, names);

        const std::string run = "C:\\run\\";
        platform::CreateDirectoryA("C:\\run");
        best.run = std::min(best.run, Seconds([&] {
                                for (const std::string& name : names) {
                                    const std::string path = run + name;
                                    if (!DirectoryExists(path))
                                        failures += !ForceDirectories(path);
                                }
                            }));
        RemoveAll(root + "/run", names);

        const std::string calls = "C:\\calls\\";
        platform::CreateDirectoryA("C:\\calls");
        best.platform = std::min(best.platform, Seconds([&] {
                                     for (const std::string& name : names) {
                                         const std::string path = calls + name;
                                         const uint32_t attributes = platform::GetFileAttributesA(path);
                                         if (attributes == platform::INVALID_FILE_ATTRIBUTES ||
                                             !(attributes & platform::FILE_ATTRIBUTE_DIRECTORY))
                                             failures += !platform::CreateDirectoryA(path);
                                     }
                                 }));
        RemoveAll(root + "/calls", names);
    }
    if (failures)
        std::printf("warning: %d creations failed\n", failures);
    return best;
}

} // namespace

int main() {
    testsupport::DriveSandbox sandbox("C");
    std::printf("%-8s %12s %28s %12s %34s %8s\n", "names", "mkdir() s", "DirectoryExists+Force s", "ratio",
                "GetFileAttributes+CreateDirectory s", "ratio");
    for (int count : {100000, 10000}) {
        const Figures f = Measure(sandbox, count);
        std::printf("%-8d %12.3f %28.3f %12.2f %34.3f %8.2f\n", count, f.plain, f.run, f.run / f.plain,
                    f.platform, f.platform / f.plain);
    }
    return 0;
}
