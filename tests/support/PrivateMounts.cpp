#include "support/PrivateMounts.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace testsupport {

namespace {

const char* const InsideVariable = "FOLDERSMITH_TEST_INSIDE_PRIVATE_MOUNTS";
constexpr int CannotMountStatus = 77;

// The exit status of a program, or -1 when it could not be started.
int ExitStatusOf(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

std::string ThisProgram() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

std::string ThisTest() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test->test_suite_name()) + "." + test->name();
}

} // namespace

bool InsidePrivateMounts() {
    return std::getenv(InsideVariable) != nullptr;
}

PrivateMountResult RunInPrivateMounts() {
    if (ExitStatusOf({"unshare", "-m", "--propagation", "private", "true"}) != 0)
        return PrivateMountResult::Unavailable;
    setenv(InsideVariable, "1", 1);
    const int status = ExitStatusOf(
        {"unshare", "-m", "--propagation", "private", ThisProgram(), "--gtest_filter=" + ThisTest()});
    unsetenv(InsideVariable);
    if (status == CannotMountStatus)
        return PrivateMountResult::Unavailable;
    return status == 0 ? PrivateMountResult::Passed : PrivateMountResult::Failed;
}

void CannotMountHere() {
    _exit(CannotMountStatus);
}

bool RanInPrivateMounts(const char* whyUnavailable) {
    if (InsidePrivateMounts())
        return false;
    const PrivateMountResult result = RunInPrivateMounts();
    if (result == PrivateMountResult::Unavailable)
        [&] { GTEST_SKIP() << whyUnavailable; }();
    EXPECT_NE(result, PrivateMountResult::Failed)
        << "the check inside the private mount namespace failed (its output is above)";
    return true;
}

Unmounting::~Unmounting() {
    umount2(host_.c_str(), MNT_DETACH);
}

} // namespace testsupport
