#pragma once
// What the window tests of the rename, delete and copy pages share: Undo the
// person confirms, and folder links.

#include "support/PageFixture.h"

#include <filesystem>
#include <string>

namespace managetests {

using testsupport::Lines;

template <class Page> class ManagePageFixture : public testsupport::PageFixture<Page> {
protected:
    // Undo with these boxes (as ExpectBoxes takes them).
    void UndoToTheEnd(const Lines& boxes) {
        this->ExpectBoxes(boxes);
        this->Click(this->Button("Undo"));
    }
    // A folder link at `link` to `target`, both Windows paths in the sandbox.
    void Link(const std::string& link, const std::string& target) {
        std::filesystem::create_directory_symlink(this->sandbox->Host(target), this->sandbox->Host(link));
    }
};

} // namespace managetests
