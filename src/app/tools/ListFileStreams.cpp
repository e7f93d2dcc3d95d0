#include "app/tools/ListFileStreams.h"

#include "platform/Drives.h"

#include <filesystem>

std::optional<std::ifstream> OpenListFileForReading(const std::string& fileName) {
    std::optional<std::string> host = platform::ToHostPath(fileName);
    if (!host)
        return std::nullopt;
    std::error_code error;
    if (std::filesystem::is_directory(*host, error))
        return std::nullopt;
    std::ifstream in(*host, std::ios::binary);
    if (!in.is_open())
        return std::nullopt;
    return in;
}

std::optional<std::ofstream> CreateListFile(const std::string& fileName) {
    std::optional<std::string> host = platform::ToHostPath(fileName);
    if (!host)
        return std::nullopt;
    std::error_code error;
    if (std::filesystem::is_directory(*host, error))
        return std::nullopt;
    std::ofstream out(*host, std::ios::binary | std::ios::trunc);
    if (!out.is_open())
        return std::nullopt;
    return out;
}

bool ReadListLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

std::string CutToBytes(const std::string& text, size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text;
    size_t end = maxBytes;
    // Step back over continuation bytes (10xxxxxx) to the start of the
    // character that would be cut.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}
