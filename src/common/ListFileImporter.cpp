#include "common/ListFileImporter.h"

#include "common/FrameworkText.h"
#include "common/ListFileText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

namespace {

// Whether Trim would leave nothing of the line, without making the copy.
bool IsBlankLine(const std::string& line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

} // namespace

ListFileImporter::ListFileImporter(const ListFileImportRequest& request)
    : fileName_(request.fileName), importType_(request.importType),
      separator_(request.separator == "space" ? " " : request.separator),
      quotationMark_(request.quotationMark), abandonQuotationMarks_(request.abandonQuotationMarks) {}

void ListFileImporter::SetColumn(int column) {
    column_ = column;
}

std::string ListFileImporter::CleanItem(std::string item) const {
    // Most items have nothing to trim; they are kept without a copy.
    const auto trimmed = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::string cleaned =
        item.empty() || trimmed(item.front()) || trimmed(item.back()) ? Trim(item) : std::move(item);
    // Dequoting gives back a text that does not begin with the quote
    // unchanged, so only such texts need the copy.
    if (abandonQuotationMarks_ && !cleaned.empty() && cleaned.front() == '"')
        cleaned = AnsiDequotedStr(cleaned, '"');
    if (abandonQuotationMarks_ && !cleaned.empty() && cleaned.front() == '\'')
        cleaned = AnsiDequotedStr(cleaned, '\'');
    return cleaned;
}

ui::MessageBoxRequest ListFileImporter::OpenFailureBox() {
    return {nullptr, "Import File content.            Warnings no: 0313.",
            "There was a problem opening the file !\nAction : The file is maybe corrupted.",
            ui::Icon::Warning, ui::Buttons::Ok};
}

bool ListFileImporter::Run() {
    const std::optional<std::string> text = ReadListFileText(fileName_);
    if (!text)
        return false;
    if (importType_ != ImportPlainText && importType_ != ImportAllColumns && importType_ != ImportOneColumn)
        return true;

    result_.clear();
    std::istringstream in(*text);
    std::string line;
    std::vector<std::string> fields;
    // Lines end at a line feed; the carriage return of a Windows line end is
    // one of the characters Trim and the cleaning take off.
    while (std::getline(in, line)) {
        if (IsBlankLine(line))
            continue;
        if (importType_ == ImportPlainText) {
            result_.push_back(CleanItem(line));
            continue;
        }
        SplitFieldsInto(line, separator_, fields);
        if (importType_ == ImportAllColumns) {
            for (std::string& field : fields)
                result_.push_back(CleanItem(std::move(field)));
        } else if (column_ >= 1 && fields.size() >= static_cast<size_t>(column_)) {
            result_.push_back(CleanItem(std::move(fields[column_ - 1])));
        }
    }
    return true;
}

std::deque<std::string> ListFileImporter::SplitFields(const std::string& line,
                                                      const std::string& separators) {
    std::vector<std::string> fields;
    SplitFieldsInto(line, separators, fields);
    return std::deque<std::string>(fields.begin(), fields.end());
}

void ListFileImporter::SplitFieldsInto(const std::string& line, const std::string& separators,
                                       std::vector<std::string>& fields) {
    fields.clear();
    std::array<bool, 256> separatorTable{};
    for (char c : separators)
        separatorTable[static_cast<unsigned char>(c)] = true;
    const auto isSeparator = [&separatorTable](char c) {
        return separatorTable[static_cast<unsigned char>(c)];
    };
    const bool blankSeparates = separators == " ";
    // With a blank as the separator, a blank at either end of the line starts
    // or ends no field.
    const std::string text = blankSeparates ? Trim(line) : line;
    const bool quotesGroup = !isSeparator('"');
    const size_t length = text.size();

    size_t pos = 0;
    for (;;) {
        const size_t start = pos;
        if (quotesGroup) {
            size_t first = pos;
            while (first < length && static_cast<unsigned char>(text[first]) <= 32 &&
                   !isSeparator(text[first]))
                ++first;
            if (first < length && text[first] == '"') {
                size_t close = first + 1;
                while (close < length) {
                    if (text[close] == '"') {
                        if (close + 1 < length && text[close + 1] == '"') {
                            close += 2;
                            continue;
                        }
                        break;
                    }
                    ++close;
                }
                pos = close < length ? close + 1 : length;
            }
        }
        while (pos < length && !isSeparator(text[pos]))
            ++pos;
        fields.emplace_back(text, start, pos - start);
        if (pos >= length)
            break;
        ++pos; // the separator
        if (blankSeparates) {
            while (pos < length && text[pos] == ' ')
                ++pos;
        }
    }
}
