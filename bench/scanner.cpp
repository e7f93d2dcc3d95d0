// How much the folder-tree scanner and the list-file importer cost over the
// plainest code that does the same work on the host: a recursive
// readdir()+lstat() walk for the scan, a getline loop for the import. Each pair
// runs on the same data in the same run; the figures are ratios.

#include "BenchFileSystem.h"
#include "BenchWalk.h"
#include "common/FolderTreeScanner.h"
#include "common/ListFileImporter.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <cstdio>
#include <deque>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <utility>

namespace {

constexpr int TopFolders = 100;
constexpr int SubfoldersEach = 99; // 100 + 9,900 = 10,000 folders
constexpr int FilesPerFolder = 9;  // 90,000 files
constexpr int ListLines = 100000;
constexpr int Rounds = 5;
const benchwalk::TreeShape Shape{TopFolders, SubfoldersEach, FilesPerFolder, {".txt"}};

struct Totals {
    uint64_t folders = 0;
    uint64_t files = 0;
    uint64_t bytes = 0;
};

// The baseline: what any tool must do at least to total a tree.
void PlainWalk(const std::string& folder, Totals& totals) {
    benchwalk::ForEachEntry(folder, [&](const std::string& path, const dirent*) {
        struct stat info;
        if (::lstat(path.c_str(), &info) != 0)
            return;
        if (S_ISDIR(info.st_mode)) {
            ++totals.folders;
            PlainWalk(path, totals);
        } else {
            ++totals.files;
            totals.bytes += static_cast<uint64_t>(info.st_size);
        }
    });
}

// Each side once to warm the caches, then the best of several alternating rounds.
std::pair<double, double> Compare(const std::function<void()>& ours, const std::function<void()>& baseline) {
    ours();
    baseline();
    return benchwalk::BestOf(Rounds, ours, baseline);
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

int main(int argc, char** argv) {
    benchfs::ChooseFileSystem(argc, argv);
    testsupport::DriveSandbox sandbox("D");
    const std::string hostTree = sandbox.Host("D:\\Tree");
    std::printf("Generating %d folders and %d files ...\n", TopFolders * (1 + SubfoldersEach),
                TopFolders * (1 + SubfoldersEach) * FilesPerFolder);
    benchwalk::MakeTree(hostTree, Shape);

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
