#pragma once
// What the window tests of the rename, delete and copy pages share: Undo the
// person confirms, folder links, and the file-name patterns and the start
// directory given back as the test found them.

#include "common/SettingLists.h"
#include "support/PageFixture.h"

#include <deque>
#include <filesystem>
#include <string>

namespace managetests {

using testsupport::Lines;

template <class Page> class ManagePageFixture : public testsupport::PageFixture<Page> {
protected:
    void SetUp() override {
        testsupport::PageFixture<Page>::SetUp();
        savedPatterns_ = GetFileNamePatternList();
        savedPatternText_ = GetFileNamePatternText();
        savedStart_ = GetStartDirectory();
    }
    void TearDown() override {
        testsupport::PageFixture<Page>::TearDown();
        SetFileNamePatternList(savedPatterns_);
        SetFileNamePatternText(savedPatternText_);
        SetStartDirectory(savedStart_);
    }

    // Undo with these boxes (as ExpectBoxes takes them).
    void UndoToTheEnd(const Lines& boxes) {
        this->ExpectBoxes(boxes);
        this->Click(this->Button("Undo"));
    }
    // A folder link at `link` to `target`, both Windows paths in the sandbox.
    void Link(const std::string& link, const std::string& target) {
        std::filesystem::create_directory_symlink(this->sandbox->Host(target), this->sandbox->Host(link));
    }

private:
    std::deque<std::string> savedPatterns_;
    std::string savedPatternText_;
    std::string savedStart_;
};

} // namespace managetests
