#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace trakora {

// What the dispatcher made of a line that was not decoded. The mark is shown
// as a symbol before the line and a colour, never stored with the line.
enum class RawMark : std::uint8_t { None, BadChecksum, NoChecksum, Damaged, Ignored, OtherTalker };

// A line of the raw list as received (UTF-8), with its mark.
struct RawLine {
    std::string Text;
    RawMark Mark = RawMark::None;
};

// Lines for the raw NMEA list that are not shown yet. The list drops its
// oldest lines in blocks once it has grown past its limit; the buffer
// applies that rule to the counts as each line arrives, so a list updated
// once a frame ends up holding exactly what it would hold updated line by
// line, and the buffer never holds more than the list could.
class RawLineBuffer {
public:
    // Lines dropped in one block from a list of `count` lines.
    static int TrimAmount(int count);

    // `shown`: the lines the list holds now; `limit`: its current limit.
    void Add(std::string_view line, int limit, int shown, RawMark mark = RawMark::None);
    // Marks the newest pending line; false when none is pending.
    bool MarkLast(RawMark mark);
    bool Empty() const { return m_pending.empty(); }

    struct Batch {
        int DropOldest = 0; // from the list, before appending
        std::deque<RawLine> Lines;
    };
    // Everything pending, for a list of `shown` lines.
    Batch Take(int shown);
    void Clear();

private:
    std::deque<RawLine> m_pending;
    int m_count = -1; // the list's length once the pending lines are in; -1: not tracking yet
};

} // namespace trakora
