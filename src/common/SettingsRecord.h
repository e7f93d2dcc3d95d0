#pragma once
// One record of the settings file: 5312 bytes, little-endian, with no padding
// between its fields.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

struct SettingsRecord {
    static constexpr size_t kSize = 5312;
    static constexpr size_t kTypeOffset = 0;
    static constexpr size_t kKeyOffset = 4;
    static constexpr size_t kKeySize = 10;
    static constexpr size_t kValueOffset = 14;
    static constexpr size_t kValueSize = 5262;
    static constexpr size_t kNumberOffset = 5276;
    static constexpr size_t kReservedOffset = 5280;
    static constexpr size_t kReservedSize = 32;
    // The longest value that still leaves room for its terminating zero byte.
    static constexpr size_t kMaxValueLength = kValueSize - 1;
    static constexpr int32_t kEndType = 900;

    using Bytes = std::array<unsigned char, kSize>;

    int32_t type = 0;
    std::array<char, kKeySize> key{};
    std::array<char, kValueSize> value{};
    int32_t number = 0;
    std::array<char, kReservedSize> reserved{};

    // The key cut to the field, zero-padded; a key of ten bytes has no terminator.
    void SetKey(const std::string& text);
    // The text cut to kMaxValueLength bytes without splitting a UTF-8 character,
    // zero-terminated and zero-padded.
    void SetValue(const std::string& text);
    // The value up to its zero byte, or the whole field when a damaged file has none.
    std::string Value() const;

    Bytes ToBytes() const;
    static SettingsRecord FromBytes(const Bytes& bytes);
};
