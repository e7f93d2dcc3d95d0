#include "NumericLocale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace testsupport {

namespace {

bool DecimalSeparatorIsComma() {
    const std::lconv* conventions = std::localeconv();
    return conventions && conventions->decimal_point && std::strcmp(conventions->decimal_point, ",") == 0;
}

bool TryLocale(const char* name) {
    return std::setlocale(LC_NUMERIC, name) && DecimalSeparatorIsComma();
}

// Runs the locale compiler on a definition holding only numeric conventions;
// its complaints about the categories left out are expected and silenced.
bool CompileCommaLocale(const std::string& folder, const std::string& name) {
    const std::string source = folder + "/comma-numeric.def";
    {
        std::ofstream out(source);
        out << "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3\nEND LC_NUMERIC\n";
        if (!out)
            return false;
    }
    const std::string target = folder + "/" + name;
    const char* argv[] = {"localedef", "-c", "-i", source.c_str(), "-f", "UTF-8", target.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned =
        posix_spawnp(&child, "localedef", &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    int status = 0;
    waitpid(child, &status, 0);
    return true; // whether it is usable shows when the locale is switched to
}

} // namespace

NumericLocale::NumericLocale() : saved_(std::setlocale(LC_NUMERIC, nullptr)) {
    active_ = std::setlocale(LC_NUMERIC, "C") != nullptr;
}

NumericLocale::NumericLocale(const std::string& folder) : saved_(std::setlocale(LC_NUMERIC, nullptr)) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"}) {
        if (TryLocale(name)) {
            active_ = true;
            return;
        }
    }
    const char* name = "xx_XX.UTF-8";
    if (!CompileCommaLocale(folder, name)) {
        std::setlocale(LC_NUMERIC, saved_.c_str());
        return;
    }
    // The C library looks for locales in LOCPATH first; only while switching.
    const char* previous = std::getenv("LOCPATH");
    const std::optional<std::string> savedPath =
        previous ? std::optional<std::string>(previous) : std::nullopt;
    setenv("LOCPATH", folder.c_str(), 1);
    active_ = TryLocale(name);
    if (savedPath)
        setenv("LOCPATH", savedPath->c_str(), 1);
    else
        unsetenv("LOCPATH");
    if (!active_)
        std::setlocale(LC_NUMERIC, saved_.c_str());
}

NumericLocale::~NumericLocale() {
    std::setlocale(LC_NUMERIC, saved_.c_str());
}

} // namespace testsupport
