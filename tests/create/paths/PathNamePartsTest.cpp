// How one Include line of the paths page becomes the folder a run creates.

#include "create/paths/PathNameParts.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    std::string line;
    std::string prefix;
    std::string suffix;
    bool hyphen;
    std::string name;
};

TEST(PathNameParts, LinesBecomeDecoratedFoldersInTheirParent) {
    const NameCase cases[] = {
        {"D:\\Work\\Jan", "A", "Z", true, "D:\\Work\\A-Jan-Z"},
        {"D:\\Work\\Jan\\report.doc", "A", "Z", true, "D:\\Work\\A-Jan-Z"},
        // A dotted last element is taken as a file name.
        {"D:\\Work\\rel1.2", "A", "Z", true, "D:\\A-Work-Z"},
        {"D:\\Work\\Jan", "", "", true, "D:\\Work\\Jan"},
        {"D:\\Work\\Jan", "A", "Z", false, "D:\\Work\\AJanZ"},
        // Blank prefix: no separator, the blank stays as typed.
        {"D:\\Work\\Jan", " ", "Z", true, "D:\\Work\\ Jan-Z"},
        {"D:\\", "", "", true, "D:\\"},
        {"D:\\Jan", "A", "", true, "D:\\A-Jan"},
        // A trailing backslash names the folder itself, not an empty element in it.
        {"D:\\Work\\Jan\\", "A", "Z", true, "D:\\Work\\A-Jan-Z"},
        {"D:\\Work\\Jan\\\\", "", "", true, "D:\\Work\\Jan"},
        // Read as Windows reads the path: any separator, "." and ".." taken out.
        {"D:/Work/Jan", "A", "Z", true, "D:\\Work\\A-Jan-Z"},
        {"D:/Work//Jan/", "A", "Z", true, "D:\\Work\\A-Jan-Z"},
        {"D:\\Work\\.\\Jan", "A", "Z", true, "D:\\Work\\A-Jan-Z"},
        {"D:\\Work\\x\\..\\Jan", "", "", true, "D:\\Work\\Jan"},
        {"d:\\work\\jan", "", "", true, "D:\\work\\jan"},
        // A drive's root has no name to decorate.
        {"D:\\", "A", "Z", true, "D:\\"},
        {"D:\\rel1.2", "A", "Z", true, "D:\\"},
        // A line Windows cannot read keeps its text, and a folder of it that
        // reads as the root is still the root.
        {"D:\\.\\<x>.txt", "A", "Z", true, "D:\\."},
        // Where the folder above ends: after a root's backslash or a share's
        // name; a dot in a folder above is no file.
        {"\\abc", "A", "Z", true, "\\A-abc-Z"},
        {"abc", "A", "Z", true, "\\A-abc-Z"},
        {"\\\\server\\share\\Jan", "A", "Z", true, "\\\\server\\share\\A-Jan-Z"},
        {"D:\\a.b\\Jan", "A", "Z", true, "D:\\a.b\\A-Jan-Z"},
    };
    for (const NameCase& c : cases) {
        _tagVol0XParts parts = BuildPathNameParts(c.line, c.prefix, c.suffix, c.hyphen);
        EXPECT_EQ(JoinedName(parts), c.name) << c.line;
    }
}

TEST(PathNameParts, PartsHoldParentElementAndSeparators) {
    _tagVol0XParts parts = BuildPathNameParts("D:\\Work\\Jan", "A", "Z", true);
    EXPECT_EQ(parts.Part0, "D:\\Work\\A-");
    EXPECT_EQ(parts.Part1, "Jan");
    EXPECT_EQ(parts.Part2, "-");
    EXPECT_EQ(parts.Part3, "Z");
}

} // namespace
