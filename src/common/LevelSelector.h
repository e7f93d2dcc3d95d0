#pragma once
// Collects the subfolders of one or more folders by their level below each of
// them: a range of levels, the levels above a level or the levels below one;
// every matching subfolder or only the last of each branch; optionally only
// those whose own name holds a filter text. One selector serves one build.
//
// The level of a subfolder is its number of backslashes minus that of the
// input folder it was found under, so direct subfolders are level 1.

#include <cstdint>
#include <deque>
#include <map>
#include <string>

class LevelSelector {
public:
    // No mode is set yet: Run selects nothing until one is.
    explicit LevelSelector(std::deque<std::string> inputFolders);

    void SetLevelRange(uint32_t fromLevel, uint32_t toLevel);
    void SetAboveLevel(uint32_t level);
    void SetBelowLevel(uint32_t level);
    // 1 = only the last subfolder of each branch (default), 2 = every subfolder.
    void SetSubfolderChoice(uint32_t choice);
    // Matched ignoring case (the platform's rule), without one trailing
    // backslash; "" = no filter.
    void SetFilterFromControl(const std::string& text);

    void Run();
    std::deque<std::string> GetResult() const { return result_; }

private:
    enum Mode : uint32_t { NotSet = 0, Range = 1, Above = 2, Below = 3 };

    void FolderStep();
    void Judge(const std::string& path, bool link);
    void AddMatch();
    void Descend();
    bool IsLeaf() const;
    // A folder link that only-the-last choice leaves out: see the .cpp.
    bool LinkEndsNoBranch() const;

    uint32_t mode_ = NotSet;
    uint32_t fromLevel_ = 0;
    uint32_t toLevel_ = 0;
    uint32_t aboveLevel_ = 0;
    uint32_t belowLevel_ = 0;
    uint32_t subfolderChoice_ = 1;
    uint32_t baseDepth_ = 0;
    uint32_t currentDepth_ = 0;
    std::string currentFolder_;
    bool currentIsLink_ = false;
    std::multimap<uint32_t, std::string> queue_;
    std::deque<std::string> inputFolders_;
    std::deque<std::string> result_;
    std::string filter_;
};
