#include "nmea/NMEAParse.h"

#include <string_view>

namespace trakora {

std::int32_t SplitFields(std::string_view text, char delimiter, std::string* fields,
                         std::int32_t maxFields)
{
    const char* const end = text.data() + text.size();
    const char* fieldStart = text.data();
    std::int32_t count = 1;
    for (const char* c = fieldStart;; ++c) {
        if (c == end) {
            fields[count - 1].assign(fieldStart, c);
            return count;
        }
        if (*c != delimiter)
            continue;
        fields[count - 1].assign(fieldStart, c);
        if (count == maxFields)
            return count;
        fieldStart = c + 1;
        ++count;
    }
}

void NMEAParse::Parse()
{
    const std::int32_t count = SplitFields(FullString, ParseChar, m_fields.data(), MaxFields);
    // Clearing keeps each string's capacity, so a warmed-up parser allocates nothing.
    for (std::int32_t k = count; k < m_filled; ++k)
        m_fields[k].clear();
    m_filled = count;
    FieldCount = count;
}

const std::string& NMEAParse::ParsedField(int k) const
{
    static const std::string empty;
    if (k < 1 || k > MaxFields)
        return empty;
    return m_fields[k - 1];
}

} // namespace trakora
