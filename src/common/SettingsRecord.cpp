#include "common/SettingsRecord.h"

#include "platform/Utf8Coding.h"

#include <algorithm>
#include <cstring>

namespace {

void PutInt32(SettingsRecord::Bytes& bytes, size_t offset, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
}

int32_t GetInt32(const SettingsRecord::Bytes& bytes, size_t offset) {
    uint32_t bits = 0;
    for (size_t i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(bytes[offset + i]) << (8 * i);
    return static_cast<int32_t>(bits);
}

// The text cut to at most `limit` bytes, never inside a UTF-8 character; a
// byte that is no part of a valid character counts as a character of its own.
std::string CutAtCharacterBoundary(const std::string& text, size_t limit) {
    if (text.size() <= limit)
        return text;
    size_t end = 0;
    while (end < text.size()) {
        const size_t length = platform::DecodeUtf8(text, end).length;
        if (end + length > limit)
            break;
        end += length;
    }
    return text.substr(0, end);
}

} // namespace

void SettingsRecord::SetKey(const std::string& text) {
    key.fill('\0');
    std::memcpy(key.data(), text.data(), std::min(text.size(), kKeySize));
}

void SettingsRecord::SetValue(const std::string& text) {
    const std::string cut = CutAtCharacterBoundary(text, kMaxValueLength);
    value.fill('\0');
    std::memcpy(value.data(), cut.data(), cut.size());
}

std::string SettingsRecord::Value() const {
    const auto end = std::find(value.begin(), value.end(), '\0');
    return std::string(value.begin(), end);
}

SettingsRecord::Bytes SettingsRecord::ToBytes() const {
    Bytes bytes{};
    PutInt32(bytes, kTypeOffset, type);
    std::memcpy(bytes.data() + kKeyOffset, key.data(), kKeySize);
    std::memcpy(bytes.data() + kValueOffset, value.data(), kValueSize);
    PutInt32(bytes, kNumberOffset, number);
    std::memcpy(bytes.data() + kReservedOffset, reserved.data(), kReservedSize);
    return bytes;
}

SettingsRecord SettingsRecord::FromBytes(const Bytes& bytes) {
    SettingsRecord record;
    record.type = GetInt32(bytes, kTypeOffset);
    std::memcpy(record.key.data(), bytes.data() + kKeyOffset, kKeySize);
    std::memcpy(record.value.data(), bytes.data() + kValueOffset, kValueSize);
    record.number = GetInt32(bytes, kNumberOffset);
    std::memcpy(record.reserved.data(), bytes.data() + kReservedOffset, kReservedSize);
    return record;
}
