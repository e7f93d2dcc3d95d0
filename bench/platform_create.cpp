// What the framework's folder routines cost per new folder over the plainest
// code that does the same work: DirectoryExists and then ForceDirectories for
// each name in one destination, the long way a creation run takes only for a
// folder its simple creation in a kept parent (TryCreateDirectoryInFolder)
// cannot settle; the runs themselves are measured by strings_run, numbers_run
// and paths_run. The baseline is a loop of mkdir() over the same names in a
// fresh host folder. Both run in the same program run, for 100,000 and for
// 10,000 names; close ratios mean the layer grows linearly. The platform calls
// alone (GetFileAttributesA, then CreateDirectoryA) are shown too.
//
// The three take turns in blocks of names, so that whatever else the machine
// does at the time weighs on all of them alike.

#include "BenchFileSystem.h"
#include "BenchTree.h"
#include "common/FrameworkFiles.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr std::size_t BlockSize = 500;

using benchtree::Clock;

enum Way { Plain, Run, Calls, Ways };

struct Destination {
    std::string host;    // for mkdir()
    std::string windows; // for the layer, with a trailing backslash
};

// Creates names[first, last) one way; returns the seconds it took.
double CreateBlock(Way way, const Destination& into, const std::vector<std::string>& names, std::size_t first,
                   std::size_t last, int& failures) {
    const auto start = Clock::now();
    for (std::size_t i = first; i < last; ++i) {
        switch (way) {
        case Plain:
            failures += mkdir((into.host + names[i]).c_str(), 0777) != 0;
            break;
        case Run: {
            const std::string path = into.windows + names[i];
            if (!DirectoryExists(path))
                failures += !ForceDirectories(path);
            break;
        }
        case Calls: {
            const std::string path = into.windows + names[i];
            const uint32_t attributes = platform::GetFileAttributesA(path);
            if (attributes == platform::INVALID_FILE_ATTRIBUTES ||
                !(attributes & platform::FILE_ATTRIBUTE_DIRECTORY))
                failures += !platform::CreateDirectoryA(path);
            break;
        }
        default:
            break;
        }
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::array<double, Ways> Measure(const testsupport::DriveSandbox& sandbox, std::size_t count) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < count; ++i)
        names.push_back("New Folder " + std::to_string(i));
    std::array<Destination, Ways> into;
    const char* labels[Ways] = {"plain", "run", "calls"};
    for (int way = 0; way < Ways; ++way) {
        const std::string folder = std::string(labels[way]) + std::to_string(count);
        into[way] = {sandbox.HostRoot('C') + "/" + folder + "/", "C:\\" + folder + "\\"};
        mkdir(into[way].host.c_str(), 0777);
    }
    std::array<double, Ways> seconds{};
    int failures = 0;
    for (std::size_t first = 0, block = 0; first < count; first += BlockSize, ++block) {
        const std::size_t last = std::min(count, first + BlockSize);
        for (int step = 0; step < Ways; ++step) {
            // A different way goes first in each block.
            const Way way = static_cast<Way>((step + block) % Ways);
            seconds[way] += CreateBlock(way, into[way], names, first, last, failures);
        }
    }
    if (failures)
        std::printf("warning: %d creations failed\n", failures);
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    benchfs::ChooseFileSystem(argc, argv);
    testsupport::DriveSandbox sandbox("C");
    std::printf("%8s %10s %26s %7s %36s %7s\n", "names", "mkdir() s", "DirectoryExists+Force... s", "ratio",
                "GetFileAttributesA+CreateDirectoryA s", "ratio");
    for (std::size_t count : {100000, 10000}) {
        const std::array<double, Ways> s = Measure(sandbox, count);
        std::printf("%8zu %10.3f %26.3f %7.2f %36.3f %7.2f\n", count, s[Plain], s[Run], s[Run] / s[Plain],
                    s[Calls], s[Calls] / s[Plain]);
    }
    std::fflush(stdout);
    return 0;
}
