#pragma once
// Where a manage page test mounts something: outside a private mount
// namespace it runs again inside one and takes that run's outcome.

#include "support/PrivateMounts.h"

#include <gtest/gtest.h>

namespace managetests {

inline void SkipBecause(const char* why) {
    GTEST_SKIP() << why;
}

// True when the test has been run inside a private mount namespace and its
// outcome reported here, so that the caller has nothing more to do; false
// inside that namespace.
inline bool RanInPrivateMounts(const char* unavailable) {
    if (testsupport::InsidePrivateMounts())
        return false;
    const testsupport::PrivateMountResult result = testsupport::RunInPrivateMounts();
    if (result == testsupport::PrivateMountResult::Unavailable)
        SkipBecause(unavailable);
    else
        EXPECT_EQ(result, testsupport::PrivateMountResult::Passed)
            << "the check inside the private mount namespace failed (its output is above)";
    return true;
}

} // namespace managetests
