#include "support/PersonsBindMount.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

namespace testsupport {

PersonsBindMount::PersonsBindMount(const DriveSandbox& sandbox, const std::string& point)
    : sandbox_(sandbox), point_(point) {
    sandbox.MakeFile("D:\\Person\\docs\\mine.txt", "the person's");
    sandbox.MakeFile("D:\\Person\\docs\\Deep\\more.txt", "more");
    sandbox.MakeFolder(point);
    const std::string host = sandbox.Host(point);
    if (mount(sandbox.Host("D:\\Person\\docs").c_str(), host.c_str(), nullptr, MS_BIND, nullptr) != 0)
        CannotMountHere();
    unmount_.emplace(host);
}

void PersonsBindMount::ExpectKept() const {
    EXPECT_EQ(sandbox_.Read("D:\\Person\\docs\\mine.txt"), "the person's");
    EXPECT_EQ(sandbox_.Read("D:\\Person\\docs\\Deep\\more.txt"), "more");
    EXPECT_EQ(sandbox_.Read(point_ + "\\mine.txt"), "the person's");
}

} // namespace testsupport
