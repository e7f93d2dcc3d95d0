#include "support/ProgramWindowsFixture.h"

#include "app/ProgramWindows.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"

#include <memory>

namespace testsupport {

namespace {
std::unique_ptr<DriveSandbox>& StartSandbox() {
    static std::unique_ptr<DriveSandbox> sandbox;
    return sandbox;
}
} // namespace

const char* ProgramWindowsStartDirectory() { return "C:\\"; }

void EnsureProgramWindows() {
    if (ProgramWindowsExist())
        return;
    // A sandbox maps C: and makes its root the current directory.
    StartSandbox() = std::make_unique<DriveSandbox>("C");
    ScriptedDesktop silent;
    CreateProgramWindows();
}

} // namespace testsupport
