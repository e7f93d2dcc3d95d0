#include "tools/ListFileStreams.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/ListFileText.h"
#include "platform/Drives.h"

#include <filesystem>
#include <utility>

namespace {

// Where a list file of that Windows path lies on the host, or nothing when
// there is no such place for a file: a drive that is not present, a folder.
std::optional<std::string> ListFileHostPath(const std::string& fileName) {
    std::optional<std::string> host = platform::ToHostPath(fileName);
    if (!host)
        return std::nullopt;
    std::error_code error;
    if (std::filesystem::is_directory(*host, error))
        return std::nullopt;
    return host;
}

} // namespace

std::optional<std::istringstream> OpenListFileForReading(const std::string& fileName) {
    std::optional<std::string> text = ReadListFileText(fileName);
    if (!text)
        return std::nullopt;
    return std::istringstream(std::move(*text));
}

std::optional<std::ofstream> CreateListFile(const std::string& fileName) {
    const std::optional<std::string> host = ListFileHostPath(fileName);
    if (!host)
        return std::nullopt;
    std::ofstream out(*host, std::ios::binary | std::ios::trunc);
    if (!out.is_open())
        return std::nullopt;
    return out;
}

bool HasTxtExtension(const std::string& fileName) {
    std::string extension = ExtractFileExt(fileName);
    if (!extension.empty())
        extension.erase(0, 1);
    return AnsiLowerCase(extension) == "txt";
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
    const auto byte = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
    // Step back over the continuation bytes (10xxxxxx) of the character that
    // would be cut, three at most, to its first byte. Bytes that are no UTF-8
    // character (a file in another code page) are cut where the limit falls.
    size_t end = maxBytes;
    while (maxBytes - end < 3 && end > 0 && (byte(end) & 0xC0) == 0x80)
        --end;
    if (end < maxBytes && (byte(end) & 0xC0) != 0xC0)
        end = maxBytes;
    return text.substr(0, end);
}
