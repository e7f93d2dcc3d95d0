#include "platform/WindowsPath.h"

#include "platform/FileSystem.h"

#include <string_view>

namespace platform::detail {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char UpperLetter(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

// Windows drops trailing dots and blanks of a name ("name. " is "name").
std::string_view WithoutTrailingDotsAndBlanks(std::string_view name) {
    std::size_t end = name.size();
    while (end > 0 && (name[end - 1] == '.' || name[end - 1] == ' '))
        --end;
    return name.substr(0, end);
}

bool HoldsRefusedCharacter(std::string_view name, bool wildcardsAllowed) {
    for (char c : name) {
        if (wildcardsAllowed && (c == '*' || c == '?'))
            continue;
        if (IsRefusedNameCharacter(c))
            return true;
    }
    return false;
}

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

// Splits off the drive and picks the folder the rest is relative to. `rest`
// gets the text after the drive part.
bool StartingPoint(std::string_view text, const WindowsPath& current, WindowsPath& out,
                   std::string_view& rest, uint32_t& error) {
    if (text.empty()) {
        error = ERROR_PATH_NOT_FOUND;
        return false;
    }
    if (text.size() >= 2 && IsSeparator(text[0]) && IsSeparator(text[1])) {
        error = ERROR_BAD_NETPATH; // \\server\share and \\?\ forms
        return false;
    }
    if (text.size() >= 2 && text[1] == ':' && IsLetter(text[0])) {
        out.drive = UpperLetter(text[0]);
        rest = text.substr(2);
        // "C:rel" and "C:" are relative to the current directory only when it
        // is on that drive; otherwise to the drive's root.
        if (!rest.empty() && IsSeparator(rest[0]))
            out.components.clear();
        else
            out.components = (current.drive == out.drive) ? current.components : std::vector<std::string>{};
        return true;
    }
    out.drive = current.drive;
    rest = text;
    if (IsSeparator(text[0]))
        out.components.clear();
    else
        out.components = current.components;
    return true;
}

// The name a component other than "", "." and ".." stands for (its trailing
// dots and blanks dropped, so it may be empty); false when Windows refuses it.
bool NameOfComponent(std::string_view component, std::string_view& name) {
    if (HoldsRefusedCharacter(component, false))
        return false;
    name = WithoutTrailingDotsAndBlanks(component);
    return !IsReservedDeviceName(name);
}

// Applies one component of the text to `out`.
bool Apply(std::string_view component, WindowsPath& out, uint32_t& error) {
    if (component.empty() || component == ".")
        return true;
    if (component == "..") {
        if (!out.components.empty())
            out.components.pop_back();
        return true;
    }
    std::string_view name;
    if (!NameOfComponent(component, name)) {
        error = ERROR_INVALID_NAME;
        return false;
    }
    if (!name.empty())
        out.components.emplace_back(name);
    return true;
}

bool ApplyAll(std::string_view rest, WindowsPath& out, uint32_t& error) {
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = start;
        while (end < rest.size() && !IsSeparator(rest[end]))
            ++end;
        if (!Apply(rest.substr(start, end - start), out, error))
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace

bool IsReservedDeviceName(std::string_view name) {
    // The part before the first dot, without the blanks Windows drops before
    // an extension: "nul.txt" and "NUL .txt" are the device too.
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.remove_suffix(1);
    // Every name of a path is asked: most are longer than any device name
    // and cost no copy.
    if (base.size() != 3 && base.size() != 4)
        return false;
    char upper[4];
    for (std::size_t i = 0; i < base.size(); ++i)
        upper[i] = UpperAscii(base[i]);
    const std::string_view device(upper, base.size());
    if (device == "CON" || device == "PRN" || device == "AUX" || device == "NUL")
        return true;
    return device.size() == 4 && (device.substr(0, 3) == "COM" || device.substr(0, 3) == "LPT") &&
           device[3] >= '1' && device[3] <= '9';
}

bool IsRefusedNameCharacter(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 32)
        return true;
    switch (c) {
    case '<':
    case '>':
    case ':':
    case '"':
    case '|':
    case '?':
    case '*':
        return true;
    default:
        return false;
    }
}

std::string WindowsPath::ToString() const {
    std::size_t length = 3;
    for (const std::string& component : components)
        length += component.size() + 1;
    std::string text;
    text.reserve(length);
    text += drive;
    text += ":\\";
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (i > 0)
            text += '\\';
        text += components[i];
    }
    return text;
}

bool ParseWindowsPath(const std::string& text, const WindowsPath& current, WindowsPath& out,
                      uint32_t& error) {
    WindowsPath result;
    std::string_view rest;
    if (!StartingPoint(text, current, result, rest, error))
        return false;
    result.components.reserve(result.components.size() + 16);
    if (!ApplyAll(rest, result, error))
        return false;
    out = std::move(result);
    return true;
}

bool ParseWindowsName(std::string_view component, std::string_view& name) {
    return !component.empty() && component != "." && component != ".." && NameOfComponent(component, name) &&
           !name.empty();
}

bool IsPlainWindowsName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || name.size() > 255)
        return false;
    if (name.back() == '.' || name.back() == ' ')
        return false;
    for (char c : name) {
        if (c == '\\' || c == '/' || IsRefusedNameCharacter(c))
            return false;
    }
    return !IsReservedDeviceName(name);
}

bool IsFullForm(std::string_view text) {
    if (text.size() < 3 || text[0] < 'A' || text[0] > 'Z' || text[1] != ':' || text[2] != '\\')
        return false;
    // Each name read as written: nothing dropped from it, nothing refused.
    for (std::size_t start = 3; start < text.size();) {
        std::size_t end = text.find('\\', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (!IsPlainWindowsName(text.substr(start, end - start)) || end == text.size() - 1)
            return false;
        start = end + 1;
    }
    return true;
}

bool ParseWindowsPattern(const std::string& text, const WindowsPath& current, WindowsPath& folder,
                         std::string& pattern, uint32_t& error) {
    WindowsPath result;
    std::string_view rest;
    if (!StartingPoint(text, current, result, rest, error))
        return false;
    std::size_t cut = rest.size();
    while (cut > 0 && !IsSeparator(rest[cut - 1]))
        --cut;
    std::string last(rest.substr(cut));
    if (!ApplyAll(rest.substr(0, cut), result, error))
        return false;
    if (last.empty() || HoldsRefusedCharacter(last, true)) {
        error = last.empty() ? ERROR_FILE_NOT_FOUND : ERROR_INVALID_NAME;
        return false;
    }
    if (last.find_first_of("*?") == std::string::npos) {
        // A plain name follows the name rules of a path.
        if (last == "." || last == "..") {
            error = ERROR_FILE_NOT_FOUND;
            return false;
        }
        last = std::string(WithoutTrailingDotsAndBlanks(last));
        if (last.empty()) {
            error = ERROR_FILE_NOT_FOUND;
            return false;
        }
        if (IsReservedDeviceName(last)) {
            error = ERROR_INVALID_NAME;
            return false;
        }
    }
    folder = std::move(result);
    pattern = std::move(last);
    return true;
}

} // namespace platform::detail

namespace platform {

bool IsWindowsName(const std::string& name) {
    return detail::IsPlainWindowsName(name);
}

} // namespace platform
