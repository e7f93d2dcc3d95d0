#include "SettingsRecordBytes.h"

#include <algorithm>

namespace testsupport {

namespace {

void PutLittleEndian(std::string& bytes, size_t offset, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

int32_t GetLittleEndian(const std::string& bytes, size_t offset) {
    uint32_t bits = 0;
    for (size_t i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return static_cast<int32_t>(bits);
}

} // namespace

std::string MakeRawRecord(int32_t type, const std::string& valueField, int32_t number,
                          const std::string& key) {
    std::string bytes(kRecordBytes, '\0');
    PutLittleEndian(bytes, 0, type);
    bytes.replace(4, std::min<size_t>(key.size(), 10), key.substr(0, 10));
    bytes.replace(14, std::min<size_t>(valueField.size(), 5262), valueField.substr(0, 5262));
    PutLittleEndian(bytes, 5276, number);
    return bytes;
}

std::vector<RawRecord> SplitRawRecords(const std::string& bytes) {
    std::vector<RawRecord> records;
    for (size_t at = 0; at + kRecordBytes <= bytes.size(); at += kRecordBytes) {
        const std::string one = bytes.substr(at, kRecordBytes);
        RawRecord record;
        record.type = GetLittleEndian(one, 0);
        record.key = one.substr(4, 10);
        record.valueField = one.substr(14, 5262);
        record.number = GetLittleEndian(one, 5276);
        record.reserved = one.substr(5280, 32);
        records.push_back(record);
    }
    return records;
}

std::vector<int32_t> TypesOf(const std::vector<RawRecord>& records) {
    std::vector<int32_t> types;
    for (const RawRecord& record : records)
        types.push_back(record.type);
    return types;
}

} // namespace testsupport
