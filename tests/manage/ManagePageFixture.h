#pragma once
// What the window tests of the rename, delete and copy pages share: Undo the
// person confirms, folder links, loading a list file, the Select Files hint
// of the modes that take files, and the file-name patterns and the start
// directory given back as the test found them.

#include "common/SettingLists.h"
#include "support/PageFixture.h"

#include <QAbstractButton>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

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

    // Loads the list file D:\list.txt holding `content`, keeping the Include
    // list (No to box `keepInclude`), with the boxes `boxes` (as ExpectBoxes
    // takes them) and then the end message.
    void LoadListFile(const std::string& content, const std::string& keepInclude, const Lines& boxes) {
        this->sandbox->MakeFile("D:\\list.txt", content);
        this->desktop->ExpectOpenFile("D:\\list.txt");
        this->desktop->ExpectBox(keepInclude, ui::Answer::No);
        this->ExpectBoxes(boxes);
        this->desktop->ExpectMessage("End of the loading process.");
        this->Click(this->Button("LoadFrom"));
    }
    // Each mode that takes files, clicked twice, shows the Select Files hint
    // (box `number`) the first time only.
    void ClickEachFilesModeTwice(const std::vector<QAbstractButton*>& filesModes, const std::string& number) {
        for (QAbstractButton* mode : filesModes) {
            this->desktop->ExpectBox(number);
            mode->click();
            mode->click();
        }
        EXPECT_EQ(this->desktop->LastBox().text,
                  "You can Select File Names/Types by Clicking on the <Select Files> button.");
    }

private:
    std::deque<std::string> savedPatterns_;
    std::string savedPatternText_;
    std::string savedStart_;
};

} // namespace managetests
