// The program entry's loop and its last line of defence. Each case runs in a
// child process of its own, since the entry takes the windows down at its end.

#include "app/ProgramEntry.h"
#include "app/ProgramWindows.h"
#include "app/TfrmMain.h"
#include "common/SettingLists.h"
#include "create/numbers/TfrmStatistic03.h"
#include "platform/Drives.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/SettingsFileSync.h"
#include "ui/FrameworkError.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <sys/resource.h>

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

// Says on stderr which boxes were shown, and answers each with OK.
class BoxPrintingDesktop : public ErrorPrintingDesktop {
public:
    ui::Answer MessageBox(const ui::MessageBoxRequest& request) override {
        std::fprintf(stderr, "box [%s]\n", request.caption.c_str());
        std::fflush(stderr);
        return ui::Answer::Ok;
    }
};

std::set<std::string> EntriesOf(const std::string& hostFolder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(hostFolder))
        names.insert(entry.path().filename().string());
    return names;
}

// Under a file-size limit a settings save fails into its box, leaves no
// temporary file behind, and the program goes on to its normal end.
TEST_F(ProgramEntryDeathTest, ASaveBeyondTheFileSizeLimitFailsWithoutEndingTheProgram) {
    EXPECT_EXIT(
        {
            std::signal(SIGXFSZ, SIG_DFL);
            BoxPrintingDesktop desktop;
            QTimer::singleShot(0, [] {
                const std::string folder = *platform::ToHostPath(GetStartDirectory());
                const std::set<std::string> before = EntriesOf(folder);
                rlimit limit{};
                getrlimit(RLIMIT_FSIZE, &limit);
                limit.rlim_cur = 3 * 5312;
                setrlimit(RLIMIT_FSIZE, &limit);
                const bool saved = SaveSharedSettings(); // as the tool windows save
                std::fprintf(stderr, "saved %s, folder %s\n", saved ? "yes" : "no",
                             EntriesOf(folder) == before ? "as before" : "changed");
                frmMain->close();
            });
            const int result = RunProgram(desktop, CreateProgramWindows);
            std::fprintf(stderr, "result %d\n", result);
            std::_Exit(0);
        },
        testing::ExitedWithCode(0),
        "box \\[Severe Error!    Msg no: 0130.\\]\nsaved no, folder as before\nresult 0");
}

} // namespace
