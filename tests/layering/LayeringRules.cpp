#include "LayeringRules.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>

namespace layering {

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> Base = {"platform", "ui", "common", "tools"};

std::vector<std::string> With(std::vector<std::string> folders, std::initializer_list<const char*> more) {
    folders.insert(folders.end(), more.begin(), more.end());
    return folders;
}

std::string Join(const std::vector<std::string>& folders) {
    std::string text;
    for (const auto& folder : folders)
        text += (text.empty() ? "" : ", ") + folder;
    return text;
}

// Generated form headers ("ui_X.h") belong to the folder that holds X.ui.
std::map<std::string, std::string> FormFolders(const fs::path& sourceRoot) {
    std::map<std::string, std::string> folders;
    for (const auto& entry : fs::recursive_directory_iterator(sourceRoot))
        if (entry.is_regular_file() && entry.path().extension() == ".ui")
            folders["ui_" + entry.path().stem().string() + ".h"] =
                FolderOf(fs::relative(entry.path(), sourceRoot));
    return folders;
}

// Angled includes name library headers too ("gtest/gtest.h"); only a path whose
// first folder is one of src/ is the program's own.
bool IsSourceFolder(const std::string& include) {
    static const std::vector<std::string> tops = {"platform", "ui",     "common", "tools",
                                                  "runs",     "create", "manage", "app"};
    return std::find(tops.begin(), tops.end(), include.substr(0, include.find('/'))) != tops.end();
}

bool ShowsABox(const std::string& codeLine) {
    for (const char* call : {"ShowBox(", "MessageBox(", "ShowMessage("})
        if (codeLine.find(call) != std::string::npos)
            return true;
    return false;
}

} // namespace

std::string FolderOf(const fs::path& relativeFile) {
    const std::string parent = relativeFile.parent_path().generic_string();
    if (parent.rfind("create/", 0) == 0 || parent.rfind("manage/", 0) == 0)
        return parent.substr(0, parent.find('/', 7));
    return parent.substr(0, parent.find('/'));
}

std::vector<std::string> BoxesShown(const fs::path& sourceRoot) {
    std::vector<std::string> shown;
    for (const char* folder : {"common", "runs"})
        for (const auto& entry : fs::directory_iterator(sourceRoot / folder)) {
            std::ifstream in(entry.path());
            std::string text;
            for (int line = 1; std::getline(in, text); ++line)
                if (ShowsABox(text))
                    shown.push_back(fs::relative(entry.path(), sourceRoot).generic_string() + ":" +
                                    std::to_string(line));
        }
    std::sort(shown.begin(), shown.end());
    return shown;
}

std::vector<std::string> AllowedFolders(const std::string& folder) {
    if (folder == "platform")
        return {"platform"};
    if (folder == "ui")
        return {"ui", "platform"};
    if (folder == "common")
        return {"common", "ui", "platform"};
    if (folder == "tools")
        return Base;
    if (folder == "runs")
        return {"platform", "ui", "common", "runs"};
    if (folder == "create/engine" || folder == "manage/shared")
        return With(Base, {"runs", folder.c_str()});
    if (folder.rfind("create/", 0) == 0)
        return With(Base, {"runs", "create/engine", folder.c_str()});
    if (folder.rfind("manage/", 0) == 0)
        return With(Base, {"runs", "manage/shared", folder.c_str()});
    return {}; // the program entry and the main window may use everything
}

std::vector<Violation> CheckTree(const fs::path& sourceRoot) {
    static const std::regex quoted(R"(^\s*#\s*include\s*"([^"]+)\")");
    static const std::regex angled(R"(^\s*#\s*include\s*<([^>]+)>)");
    static const std::regex qtHeader(R"(^Q[A-Za-z]*$)");
    const auto forms = FormFolders(sourceRoot);
    std::vector<Violation> violations;
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(sourceRoot)) {
        const auto extension = entry.path().extension();
        if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const fs::path relative = fs::relative(file, sourceRoot);
        const std::string folder = FolderOf(relative);
        const auto allowed = AllowedFolders(folder);
        std::ifstream in(file);
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            std::smatch match;
            const bool isQuoted = std::regex_search(text, match, quoted);
            if (!isQuoted && !std::regex_search(text, match, angled))
                continue;
            const std::string include = match[1].str();
            if (folder == "platform" && !isQuoted && std::regex_match(include, qtHeader)) {
                violations.push_back({relative.generic_string(), line, include,
                                      "platform may use the C++ standard library and POSIX only, not Qt"});
                continue;
            }
            if (allowed.empty())
                continue;
            std::string target;
            if (const auto form = forms.find(include); form != forms.end())
                target = form->second;
            else if (include.find("..") != std::string::npos) {
                // The compiler finds such a header from the including file's folder
                // first, so that is where it is judged from.
                const fs::path reached = (relative.parent_path() / include).lexically_normal();
                if (reached.empty() || *reached.begin() == "..") {
                    violations.push_back(
                        {relative.generic_string(), line, include, "an include may not reach out of src"});
                    continue;
                }
                target = FolderOf(reached);
            } else if (include.find('/') != std::string::npos && IsSourceFolder(include))
                target = FolderOf(include);
            else
                continue; // a header beside the file, or one of a library
            if (std::find(allowed.begin(), allowed.end(), target) == allowed.end())
                violations.push_back({relative.generic_string(), line, include,
                                      (folder.empty() ? "src" : folder) + " may use only " + Join(allowed)});
        }
    }
    return violations;
}

} // namespace layering
