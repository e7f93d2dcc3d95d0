#pragma once
// A run keeps what it reads of a structure (its folders' listings, its small
// files) only once the structure has settled: changed longer ago than the
// settling time. The trees of a test are made just before its run; while an
// AgedStructures lives they count as settled at once, so that a run takes
// the paths that keep what they read.

#include "platform/KeptContents.h"

#include <chrono>

namespace testsupport {

class AgedStructures {
public:
    AgedStructures() : saved_(platform::KeptContents::ProcessSettling()) {
        platform::KeptContents::SetProcessSettling(-std::chrono::seconds(1));
    }
    ~AgedStructures() { platform::KeptContents::SetProcessSettling(saved_); }
    AgedStructures(const AgedStructures&) = delete;
    AgedStructures& operator=(const AgedStructures&) = delete;

private:
    std::chrono::nanoseconds saved_;
};

} // namespace testsupport
