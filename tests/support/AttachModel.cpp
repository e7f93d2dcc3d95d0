#include "support/AttachModel.h"

#include "platform/Drives.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <utility>

namespace testsupport {

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ParentOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

AttachMode AttachModeNamed(const std::string& choiceName) {
    const std::pair<const char*, AttachMode> names[] = {
        {"main folder with files", AttachMode::MainFolderWithFiles},
        {"main folder without files", AttachMode::MainFolderWithoutFiles},
        {"subfolders only with files", AttachMode::SubFoldersOnlyWithFiles},
        {"subfolders only without files", AttachMode::SubFoldersOnlyWithoutFiles},
        {"nothing", AttachMode::Nothing}};
    for (const auto& [name, mode] : names) {
        if (choiceName == name)
            return mode;
    }
    throw std::invalid_argument("no attach mode named " + choiceName);
}

AttachModel::AttachModel(TreeSnapshot disk, std::function<bool(const std::string&)> readable)
    : tree_(std::move(disk)), readable_(std::move(readable)) {}

std::vector<std::string> AttachModel::ListedIn(const std::string& folder) const {
    std::vector<std::string> names;
    const std::string prefix = folder.empty() ? std::string() : folder + "/";
    for (auto entry = tree_.lower_bound(prefix); entry != tree_.end(); ++entry) {
        if (entry->first.compare(0, prefix.size(), prefix) != 0)
            break;
        if (entry->first.size() > prefix.size() && entry->first.find('/', prefix.size()) == std::string::npos)
            names.push_back(entry->first.substr(prefix.size()));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string upperA = Upper(a);
        const std::string upperB = Upper(b);
        return upperA != upperB ? upperA < upperB : a < b;
    });
    return names;
}

std::string AttachModel::Find(const std::string& folder, const std::string& name) const {
    if (tree_.count(Join(folder, name)))
        return Join(folder, name);
    for (const std::string& listed : ListedIn(folder)) {
        if (Upper(listed) == Upper(name))
            return Join(folder, listed);
    }
    return {};
}

void AttachModel::MakeFolder(const std::string& path) {
    if (path.empty() || tree_.count(path))
        return;
    MakeFolder(ParentOf(path));
    EntryState folder;
    folder.kind = EntryState::Kind::Folder;
    tree_[path] = folder;
}

void AttachModel::Attach(const std::string& structure, const std::string& target, AttachMode mode,
                         const std::string& topName) {
    if (mode == AttachMode::Nothing || !readable_(structure))
        return;
    const bool withFiles = AttachesFiles(mode);
    const std::string top = topName.empty() ? NameOf(structure) : topName;
    std::string root = target;
    if (AttachesTopFolder(mode)) {
        root = Find(target, top);
        if (root.empty()) {
            root = Join(target, top);
            MakeFolder(root);
        } else if (tree_.at(root).kind != EntryState::Kind::Folder) {
            return;
        }
    }
    // The structure is apart from every target: what is made never lies in it.
    std::deque<std::pair<std::string, std::string>> queue = {{structure, root}};
    while (!queue.empty()) {
        const auto [from, into] = queue.front();
        queue.pop_front();
        for (const std::string& name : ListedIn(from)) {
            const std::string source = Join(from, name);
            const EntryState entry = tree_.at(source);
            const std::string there = Find(into, name);
            if (entry.kind == EntryState::Kind::Folder) {
                if (!readable_(source))
                    continue;
                if (there.empty()) {
                    MakeFolder(Join(into, name));
                    queue.emplace_back(source, Join(into, name));
                } else if (tree_.at(there).kind == EntryState::Kind::Folder) {
                    queue.emplace_back(source, there);
                }
            } else if (withFiles && there.empty() &&
                       (entry.kind == EntryState::Kind::File || entry.kind == EntryState::Kind::Link)) {
                EntryState copy;
                copy.kind = entry.kind;
                copy.content = entry.content;
                tree_[Join(into, name)] = copy;
            }
        }
    }
}

std::vector<std::string> ModelDifferences(const TreeSnapshot& model, const TreeSnapshot& disk,
                                          const std::string& area) {
    std::vector<std::string> differences;
    const auto inArea = [&area](const std::string& path) { return IsAtOrBelow(path, area) && path != area; };
    for (const auto& [path, state] : model) {
        if (!inArea(path))
            continue;
        const auto found = disk.find(path);
        if (found == disk.end())
            differences.push_back("- " + path + " (" + state.Describe() + ")");
        else if (!found->second.SameContent(state))
            differences.push_back("~ " + path + ": " + state.Describe() + " -> " + found->second.Describe());
    }
    for (const auto& [path, state] : disk) {
        if (inArea(path) && !model.count(path))
            differences.push_back("+ " + path + " (" + state.Describe() + ")");
    }
    return differences;
}

std::string CreationRunDifferences(const std::filesystem::path& root, const TreeSnapshot& before,
                                   const TreeSnapshot& after, const std::deque<std::string>& made,
                                   const std::string& structure, AttachMode mode, const std::string& target) {
    AttachModel model(before, [&root](const std::string& folder) { return CanList(root, folder); });
    std::vector<std::string> areas;
    if (!target.empty())
        areas.push_back(target);
    for (const std::string& folder : made) {
        const std::optional<std::string> host = platform::ToHostPath(folder);
        if (!host)
            return "\n    no host path for " + folder;
        const std::string relative = RelativeTo(root, std::filesystem::canonical(*host));
        model.MakeFolder(relative);
        model.Attach(structure, relative, mode);
        if (target.empty())
            areas.push_back(relative);
    }
    std::string differences;
    for (const std::string& area : areas) {
        // A made folder inside another one is compared with it.
        const bool inner = std::any_of(areas.begin(), areas.end(), [&area](const std::string& other) {
            return other != area && IsAtOrBelow(area, other);
        });
        if (inner)
            continue;
        for (const std::string& line : ModelDifferences(model.Tree(), after, area))
            differences += "\n    " + line;
    }
    return differences;
}

bool CanList(const std::filesystem::path& root, const std::string& relative) {
    return faccessat(AT_FDCWD, (root / relative).c_str(), R_OK | X_OK, AT_EACCESS) == 0;
}

std::function<void(const TreeSnapshot& before, const TreeSnapshot& after)>
AttachedStructureCheck(const std::filesystem::path& root, const std::deque<std::string>& made,
                       const std::string& structure, AttachMode mode, const std::string& target,
                       std::function<std::string()> trace) {
    return [&root, &made, structure, mode, target, trace = std::move(trace)](const TreeSnapshot& before,
                                                                             const TreeSnapshot& after) {
        if (IsAtOrBelow(target, structure))
            return;
        EXPECT_EQ(CreationRunDifferences(root, before, after, made, structure, mode, target), "")
            << "the destination differs from the model\n"
            << trace();
    };
}

} // namespace testsupport
