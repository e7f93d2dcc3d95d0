// The program entry's loop and its last line of defence. Each case runs in a
// child process of its own, since the entry takes the windows down at its end.

#include "app/ProgramEntry.h"
#include "app/ProgramWindows.h"
#include "app/TfrmMain.h"
#include "create/numbers/TfrmStatistic03.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "ui/FrameworkError.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Says on stderr what the framework's error box would show.
class ErrorPrintingDesktop : public testsupport::ScriptedDesktop {
public:
    void ShowFrameworkError(const std::string& text) override {
        std::fprintf(stderr, "framework error box: [%s]\n", text.c_str());
        std::fflush(stderr);
    }
};

class ProgramEntryDeathTest : public testsupport::ProgramWindowsFixture {};

TEST_F(ProgramEntryDeathTest, TheLoopEndsWhenTheMainWindowClosesAndTheWindowsGoWithIt) {
    EXPECT_EXIT(
        {
            ErrorPrintingDesktop desktop;
            frmStatistic03->show(); // a window left open beside the main window
            QTimer::singleShot(0, [] { frmMain->close(); });
            const int result = RunProgram(desktop, CreateProgramWindows);
            const bool gone = !ProgramWindowsExist() && frmMain == nullptr && frmStatistic03 == nullptr;
            std::fprintf(stderr, "result %d, windows %s\n", result, gone ? "gone" : "left");
            std::_Exit(0);
        },
        testing::ExitedWithCode(0), "result 0, windows gone");
}

TEST_F(ProgramEntryDeathTest, AnErrorThatReachesTheEntryIsShownAndTheEntryReturnsZero) {
    EXPECT_EXIT(
        {
            ErrorPrintingDesktop desktop;
            const int result =
                RunProgram(desktop, [] { throw ui::FrameworkError("Unable to create directory"); });
            std::_Exit(result);
        },
        testing::ExitedWithCode(0), "framework error box: \\[Unable to create directory\\]");
    EXPECT_EXIT(
        {
            ErrorPrintingDesktop desktop;
            std::_Exit(RunProgram(desktop, [] { throw 42; }));
        },
        testing::ExitedWithCode(0), "framework error box: \\[\\]");
}

} // namespace
