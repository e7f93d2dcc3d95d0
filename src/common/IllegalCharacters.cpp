#include "common/IllegalCharacters.h"

std::set<std::string> PathIllegalChars;
std::set<std::string> NameIllegalChars;
std::set<std::string> SubpathIllegalChars;

namespace {

const char* const PathCharacters[] = {"\"", "*", "[", "]", ";", "|", "<", ">", "?"};

void FillWithPathCharacters(std::set<std::string>& set) {
    set.insert(std::begin(PathCharacters), std::end(PathCharacters));
}

} // namespace

void FillPathIllegalChars() {
    FillWithPathCharacters(PathIllegalChars);
}

void FillNameIllegalChars() {
    FillWithPathCharacters(NameIllegalChars);
    NameIllegalChars.insert({":", "\\", "/"});
}

void FillSubpathIllegalChars() {
    FillWithPathCharacters(SubpathIllegalChars);
    SubpathIllegalChars.insert(":");
}

bool HasIllegalCharacter(const std::string& text, const std::string& mode, std::string& found) {
    const std::set<std::string>& set = mode == "F"   ? NameIllegalChars
                                       : mode == "H" ? SubpathIllegalChars
                                                     : PathIllegalChars;
    // Every member is a single ASCII character: one table lookup per byte.
    bool illegal[256] = {};
    for (const std::string& member : set) {
        if (member.size() == 1)
            illegal[static_cast<unsigned char>(member[0])] = true;
    }
    for (char c : text) {
        if (illegal[static_cast<unsigned char>(c)]) {
            found = std::string(1, c);
            return true;
        }
    }
    return false;
}
