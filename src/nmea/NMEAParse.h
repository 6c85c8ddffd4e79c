#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace trakora {

// Cuts `text` at `delimiter` into fields[0..n-1] and returns n (1 to
// maxFields). Consecutive delimiters give empty fields; text after the field
// maxFields ends is dropped. Only the n fields written are touched.
std::int32_t SplitFields(std::string_view text, char delimiter, std::string* fields,
                         std::int32_t maxFields);

// Cuts FullString at ParseChar into ParsedField (at most 100 fields; the
// rest of the text is dropped). The members keep their values between calls.
class NMEAParse {
public:
    static constexpr int MaxFields = 100;

    std::string FullString;
    char ParseChar = ',';
    std::int32_t FieldCount = 0;

    void Parse();

    // ParsedField(k) for k = 1..100; fields beyond FieldCount read as empty.
    const std::string& ParsedField(int k) const;

private:
    std::array<std::string, MaxFields> m_fields{};
    std::int32_t m_filled = 0; // fields that may hold text from an earlier Parse
};

} // namespace trakora
