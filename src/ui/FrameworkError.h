#pragma once
// The one error type of the framework's run-time routines: the conversion error
// of StrToInt and the input/output error of ForceDirectories. Every handler is
// connected through a guard that shows it in the framework's error box.

#include <stdexcept>
#include <string>

namespace ui {

class FrameworkError : public std::runtime_error {
public:
    explicit FrameworkError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace ui
