#pragma once
// Settings records as raw bytes, laid out by hand so that the tests check the
// file format independently of the code that writes and reads it.

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

constexpr size_t kRecordBytes = 5312;

struct RawRecord {
    int32_t type = 0;
    std::string key;        // the 10 bytes of the key field
    std::string valueField; // the 5262 bytes of the value field
    int32_t number = 0;
    std::string reserved; // the 32 trailing bytes

    // The value up to its first zero byte.
    std::string Value() const { return valueField.substr(0, valueField.find('\0')); }
};

// One record: `valueField` goes to offset 14 as given (at most 5262 bytes; the
// rest of the field stays zero), `key` to offset 4 (at most 10 bytes).
std::string MakeRawRecord(int32_t type, const std::string& valueField, int32_t number = 0,
                          const std::string& key = "KEY");

// The whole records of a file's bytes; a partial one at the end is dropped.
std::vector<RawRecord> SplitRawRecords(const std::string& bytes);

std::vector<int32_t> TypesOf(const std::vector<RawRecord>& records);

} // namespace testsupport
