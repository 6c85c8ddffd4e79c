#pragma once

#include <string>
#include <string_view>

namespace trakora {

// Cuts the byte stream of a serial port into lines the way the input pump
// does: a line ends at LF and the character before the LF is dropped as its
// CR; a line found before position 5 is " ", and any line that does not start
// with "$" becomes five blanks. Text after the last LF waits in Pending().
class SerialLineCutter {
public:
    void Append(std::string_view bytes);

    // Takes the next complete line into `line`; false when none is waiting.
    bool NextLine(std::string& line);

    // Characters received and not yet cut into lines.
    std::string_view Pending() const;
    std::size_t PendingSize() const { return Pending().size(); }
    void Clear();

private:
    void DropConsumed();

    std::string m_buffer;
    std::size_t m_start = 0;   // consumed prefix, dropped lazily
    std::size_t m_scanned = 0; // m_buffer[m_start, m_scanned) holds no line feed
};

} // namespace trakora
