// The entry of every test program: window tests need one QApplication, on
// Qt's offscreen platform unless the caller chose another.

#include "platform/Drives.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The platform layer watches the folders a test creates in, and the folders
// above them. Each test starts with none watched, as a program starts: a
// watch left from an earlier test would report that test's sandbox going
// away and end the watches the next test begins.
class NoWatchFromAnEarlierTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        platform::SetFolderWatchesAvailable(false);
        platform::SetFolderWatchesAvailable(true);
    }
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new NoWatchFromAnEarlierTest);
    return RUN_ALL_TESTS();
}
