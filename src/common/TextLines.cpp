#include "common/TextLines.h"

#include <cstdio>

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (i > from)
            text += '\n';
        text += lines[i];
    }
    return text;
}

std::size_t FindControlCharacter(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) < 0x20 || text[i] == 0x7f)
            return i;
    return std::string::npos;
}

std::string ControlCharacterName(char c) {
    switch (c) {
    case '\n':
    case '\r':
        return "line break";
    case '\t':
        return "tab";
    default: {
        char code[8];
        std::snprintf(code, sizeof code, "%02X", static_cast<unsigned char>(c));
        return std::string("control character ") + code;
    }
    }
}
