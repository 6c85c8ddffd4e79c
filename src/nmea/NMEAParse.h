#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace trakora {

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
