#include "support/PathSpellings.h"

#include <algorithm>
#include <cctype>

namespace testsupport {

namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

std::string RandomSpelling(CaseRandom& random, const std::string& path) {
    switch (random.Pick(8)) {
    case 0:
        return path + "\\";
    case 1: {
        std::string lower = path;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return lower;
    }
    case 2:
        return Replaced(path, "\\", "/");
    case 3:
        return Replaced(path, "\\", "\\\\");
    case 4:
        return path.substr(0, 3) + ".\\" + path.substr(3);
    case 5:
        return path.substr(0, 3) + "x\\..\\" + path.substr(3);
    case 6:
        return " " + path + " ";
    default:
        return path;
    }
}

} // namespace testsupport
