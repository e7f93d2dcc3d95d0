#include "common/TextSplitting.h"

#include "common/FileHelpers.h"

#include <algorithm>
#include <limits>

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The stretch of `count` characters from `start`, clipped to the text, so that
// position lists that are unordered or out of range cannot read past it.
std::string Stretch(const std::string& text, int64_t start, int64_t count) {
    const auto length = static_cast<int64_t>(text.size());
    if (count <= 0 || start >= length)
        return {};
    if (start < 0) {
        count += start;
        start = 0;
        if (count <= 0)
            return {};
    }
    return text.substr(static_cast<size_t>(start), static_cast<size_t>(std::min(count, length - start)));
}

template <typename CutOutside>
std::deque<std::string> SplitAroundMarks(const std::string& text, const std::deque<int32_t>& positions,
                                         CutOutside cutOutside) {
    std::deque<int64_t> bounds;
    bounds.push_back(0);
    bounds.insert(bounds.end(), positions.begin(), positions.end());
    bounds.push_back(static_cast<int64_t>(text.size()));

    std::deque<std::string> items;
    for (size_t i = 0; i + 1 < bounds.size(); ++i) {
        const std::string segment = i == 0 ? Stretch(text, 0, bounds[1])
                                           : Stretch(text, bounds[i] + 1, bounds[i + 1] - bounds[i] - 1);
        if (i % 2 == 1) {
            items.push_back(TrimBlanks(segment));
        } else if (i != 0 || bounds[1] != 0) {
            for (std::string& item : cutOutside(segment))
                items.push_back(std::move(item));
        }
    }
    return items;
}

} // namespace

int FindAllPositions(const std::string& text, const std::string& mark, std::deque<int32_t>& positions) {
    // An empty mark is found at every position; only positions inside the
    // text count, so its end is never one.
    int found = 0;
    constexpr auto kLastPosition = static_cast<size_t>(std::numeric_limits<int32_t>::max());
    for (size_t p = text.find(mark); p != std::string::npos && p < text.size() && p <= kLastPosition;
         p = text.find(mark, p + 1)) {
        positions.push_back(static_cast<int32_t>(p));
        ++found;
    }
    return found;
}

bool IsOdd(int32_t value) {
    return value % 2 != 0;
}

std::deque<std::string> SplitWords(const std::string& text) {
    std::deque<std::string> items;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsWhiteSpace(text[i]))
            ++i;
        const size_t start = i;
        while (i < text.size() && !IsWhiteSpace(text[i]))
            ++i;
        if (i > start)
            items.push_back(text.substr(start, i - start));
    }
    return items;
}

std::deque<std::string> SplitAtSeparators(const std::string& text, const std::string& separators) {
    std::deque<std::string> items;
    size_t start = text.find_first_not_of(separators);
    while (start != std::string::npos) {
        const size_t end = text.find_first_of(separators, start);
        items.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = text.find_first_not_of(separators, end + 1);
    }
    return items;
}

std::deque<std::string> SplitByMarks(const std::string& text, const std::deque<int32_t>& positions) {
    return SplitAroundMarks(text, positions, [](const std::string& segment) { return SplitWords(segment); });
}

std::deque<std::string> SplitImportLine(const std::string& text, const std::string& separators,
                                        const std::deque<int32_t>& positions) {
    return SplitAroundMarks(text, positions, [&separators](const std::string& segment) {
        return SplitAtSeparators(segment, separators);
    });
}

bool ParseMarkedText(const std::string& text, std::deque<std::string>& items,
                     ui::MessageBoxRequest& refusal) {
    if (text.empty())
        return true;
    items.clear();
    std::deque<int32_t> positions;
    const int count = FindAllPositions(text, "\"", positions);
    if (IsOdd(count)) {
        refusal =
            ui::MessageBoxRequest{nullptr, "Warning !    Msg no: 0519.",
                                  "Odd number of marks(separators) : " + std::to_string(count) + "\n\n" +
                                      "Action : You must enter an even number of separators(marks).",
                                  ui::Icon::Warning, ui::Buttons::Ok};
        return false;
    }
    items = SplitByMarks(text, positions);
    return true;
}
