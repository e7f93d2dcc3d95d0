#pragma once
// What the window tests of the rename, delete and copy pages share: the
// page's statistics window hidden and the drives' free space real again after
// each test, Undo the person confirms, and folder links.

#include "platform/Drives.h"
#include "support/PageFixture.h"

#include <QWidget>

#include <filesystem>
#include <optional>
#include <string>

namespace managetests {

using testsupport::Lines;

template <class Page> class ManagePageFixture : public testsupport::PageFixture<Page> {
    using Base = testsupport::PageFixture<Page>;

protected:
    void MakeManagePage(const testsupport::PageNames& names, QWidget* statistics) {
        statistics_ = statistics;
        this->MakePage(names);
    }
    void TearDown() override {
        for (char letter : this->Names().drives)
            platform::SetFreeSpaceOverride(letter, std::nullopt);
        if (statistics_)
            statistics_->hide();
        Base::TearDown();
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
    QWidget* statistics_ = nullptr;
};

} // namespace managetests
