#include "nmea/SerialLineCutter.h"

#include <algorithm>

namespace trakora {

void SerialLineCutter::Append(std::string_view bytes)
{
    DropConsumed();
    m_buffer.append(bytes);
}

// Drops what has been consumed once it outweighs what waits, so a long burst
// costs linear time overall instead of one erase per line.
void SerialLineCutter::DropConsumed()
{
    if (m_start > 0 && m_start >= m_buffer.size() - m_start) {
        m_buffer.erase(0, m_start);
        m_scanned -= m_start;
        m_start = 0;
    }
}

bool SerialLineCutter::NextLine(std::string& line)
{
    // Text already searched is not searched again, so a stream without line
    // feeds costs time in proportion to what arrives, not to what waits.
    const std::size_t lineFeed = m_buffer.find('\n', std::max(m_start, m_scanned));
    if (lineFeed == std::string::npos) {
        m_scanned = m_buffer.size();
        DropConsumed();
        return false;
    }
    const std::size_t p = lineFeed - m_start + 1; // position of the LF, counted from 1
    if (p < 5)
        line.assign(" ");
    else
        line.assign(m_buffer, m_start, p - 2); // the character before the LF is taken as its CR
    if (line.empty() || line.front() != '$')
        line.assign("     ");
    m_start += p;
    m_scanned = m_start;
    return true;
}

std::string_view SerialLineCutter::Pending() const
{
    return std::string_view(m_buffer).substr(m_start);
}

void SerialLineCutter::Clear()
{
    m_buffer.clear();
    m_start = 0;
    m_scanned = 0;
}

} // namespace trakora
