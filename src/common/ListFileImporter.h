#pragma once
// Reads a list file into items for the list import window: one item per line
// (plain text), or the fields of separated lines, all of them or one column.
// One importer serves one import.

#include "ui/Desktop.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// Import types of the request.
constexpr uint32_t ImportPlainText = 2;
constexpr uint32_t ImportAllColumns = 4;
constexpr uint32_t ImportOneColumn = 5;

struct ListFileImportRequest {
    std::string fileName; // Windows path of the list file
    uint32_t importType = ImportPlainText;
    std::string separator;     // "space" stands for one blank
    std::string quotationMark; // carried for the window; the reading ignores it
    bool abandonQuotationMarks = false;
};

class ListFileImporter {
public:
    explicit ListFileImporter(const ListFileImportRequest& request);

    // The column the one-column import takes, counted from 1; below 1 takes none.
    void SetColumn(int column);
    // Reads the file. False for one that cannot be opened: the result stays
    // empty, and the caller shows warning 0313 (OpenFailureBox).
    bool Run();
    static ui::MessageBoxRequest OpenFailureBox();
    const std::deque<std::string>& GetResult() const { return result_; }

    // The fields of one separated line. Every character of `separators`
    // separates; a field beginning with a double quote runs to its closing
    // double quote (a doubled one inside does not close it), separators inside
    // included; empty fields are kept so that columns keep their numbers. When
    // the separator is a blank, a run of blanks separates once and blanks at
    // the ends of the line separate nothing.
    static std::deque<std::string> SplitFields(const std::string& line, const std::string& separators);

private:
    // SplitFields into a list kept from line to line.
    static void SplitFieldsInto(const std::string& line, const std::string& separators,
                                std::vector<std::string>& fields);
    std::string CleanItem(std::string item) const;

    std::string fileName_;
    uint32_t importType_;
    std::string separator_;
    std::string quotationMark_;
    bool abandonQuotationMarks_;
    int column_ = 0;
    std::deque<std::string> result_;
};
