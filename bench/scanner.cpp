// How much the folder-tree scanner and the list-file importer cost over the
// plainest code that does the same work on the host: a recursive
// readdir()+lstat() walk for the scan, a getline loop for the import. Each pair
// runs on the same data in the same run; the figures are ratios.

#include "common/FolderTreeScanner.h"
#include "common/ListFileImporter.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int TopFolders = 100;
constexpr int SubfoldersEach = 99; // 100 + 9,900 = 10,000 folders
constexpr int FilesPerFolder = 9;  // 90,000 files
constexpr int ListLines = 100000;
constexpr int Rounds = 5;

struct Totals {
    uint64_t folders = 0;
    uint64_t files = 0;
    uint64_t bytes = 0;
};

void MakeFiles(const std::string& folder, int seed) {
    for (int i = 0; i < FilesPerFolder; ++i) {
        std::string path = folder + "/file" + std::to_string(i) + ".txt";
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::string content((seed + i) % 200 + 1, 'x');
        if (fd >= 0) {
            ssize_t written = ::write(fd, content.data(), content.size());
            (void)written;
            ::close(fd);
        }
    }
}

void MakeTree(const std::string& root) {
    ::mkdir(root.c_str(), 0755);
    for (int top = 0; top < TopFolders; ++top) {
        std::string topFolder = root + "/Folder" + std::to_string(top);
        ::mkdir(topFolder.c_str(), 0755);
        MakeFiles(topFolder, top);
        for (int sub = 0; sub < SubfoldersEach; ++sub) {
            std::string subFolder = topFolder + "/Sub" + std::to_string(sub);
            ::mkdir(subFolder.c_str(), 0755);
            MakeFiles(subFolder, top + sub);
        }
    }
}

// The baseline: what any tool must do at least to total a tree.
void PlainWalk(const std::string& folder, Totals& totals) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.' && (!entry->d_name[1] || (entry->d_name[1] == '.' && !entry->d_name[2])))
            continue;
        std::string path = folder + "/" + entry->d_name;
        struct stat info;
        if (::lstat(path.c_str(), &info) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            ++totals.folders;
            PlainWalk(path, totals);
        } else {
            ++totals.files;
            totals.bytes += static_cast<uint64_t>(info.st_size);
        }
    }
    ::closedir(dir);
}

double Seconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Best of several alternating rounds, so that both sides see the same caches.
std::pair<double, double> Compare(const std::function<void()>& ours, const std::function<void()>& baseline) {
    ours();
    baseline();
    double bestOurs = 1e30, bestBaseline = 1e30;
    for (int round = 0; round < Rounds; ++round) {
        bestBaseline = std::min(bestBaseline, Seconds(baseline));
        bestOurs = std::min(bestOurs, Seconds(ours));
    }
    return {bestOurs, bestBaseline};
}

void Report(const char* what, std::pair<double, double> times) {
    std::printf("%-34s %9.1f ms  baseline %9.1f ms  ratio %5.2f\n", what, times.first * 1000,
                times.second * 1000, times.first / times.second);
}

std::deque<std::string> GetlineLoop(const std::string& hostFile) {
    std::deque<std::string> lines;
    std::ifstream in(hostFile, std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

std::deque<std::string> Import(uint32_t type) {
    ListFileImportRequest request;
    request.fileName = "D:\\list.txt";
    request.importType = type;
    request.separator = ",";
    request.abandonQuotationMarks = true;
    ListFileImporter importer(request);
    importer.SetColumn(2);
    importer.Run();
    return importer.GetResult();
}

} // namespace

int main() {
    testsupport::DriveSandbox sandbox("D");
    const std::string hostTree = sandbox.Host("D:\\Tree");
    std::printf("Generating %d folders and %d files ...\n", TopFolders * (1 + SubfoldersEach),
                TopFolders * (1 + SubfoldersEach) * FilesPerFolder);
    MakeTree(hostTree);

    Totals plain;
    PlainWalk(hostTree, plain);
    FolderTreeScanner check("D:\\Tree");
    check.Run();
    std::printf("plain walk: %llu folders, %llu files, %llu bytes\n", (unsigned long long)plain.folders,
                (unsigned long long)plain.files, (unsigned long long)plain.bytes);
    std::printf("scanner:    %u folders, %u files, %llu bytes\n", check.GetFolderCount(),
                check.GetFileCount(), (unsigned long long)check.GetTotalBytes());
    if (plain.folders != check.GetFolderCount() || plain.files != check.GetFileCount() ||
        plain.bytes != check.GetTotalBytes()) {
        std::printf("the totals differ\n");
        return 1;
    }

    Report("FolderTreeScanner::Run", Compare(
                                         [] {
                                             FolderTreeScanner scanner("D:\\Tree");
                                             scanner.Run();
                                         },
                                         [&] {
                                             Totals totals;
                                             PlainWalk(hostTree, totals);
                                         }));

    const std::string hostList = sandbox.Host("D:\\list.txt");
    {
        std::ofstream out(hostList, std::ios::binary);
        for (int i = 0; i < ListLines; ++i)
            out << "\"Folder " << i << "\",D:\\Projects\\" << i % 97 << "\\Item" << i << ",'note " << i
                << "'\r\n";
    }
    const std::size_t lines = GetlineLoop(hostList).size();
    std::printf("list file: %zu lines; plain import %zu items, separated import %zu items\n", lines,
                Import(ImportPlainText).size(), Import(ImportAllColumns).size());

    const auto baseline = [&] { GetlineLoop(hostList); };
    Report("ListFileImporter plain text", Compare([] { Import(ImportPlainText); }, baseline));
    Report("ListFileImporter all columns", Compare([] { Import(ImportAllColumns); }, baseline));
    Report("ListFileImporter one column", Compare([] { Import(ImportOneColumn); }, baseline));
    return 0;
}
