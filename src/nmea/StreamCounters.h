#pragma once

#include "common/MonotonicClock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace trakora {

struct DispatchResult;

// What became of the lines of one sentence identifier (or of a group of lines).
struct IdentifierCounts {
    std::int64_t Passed = 0;      // checksum correct
    std::int64_t BadChecksum = 0; // checksum wrong
    std::int64_t NoChecksum = 0;  // no "*"
    std::int64_t Decoded = 0;
    std::int64_t Ignored = 0;     // passed, but not decoded
    std::int64_t OtherTalker = 0; // of the ignored: a talker the Talkers setting leaves out
    std::int64_t Recorded = 0;
    std::int64_t Damaged = 0;     // a line break before the checksum, or too long to record

    std::int64_t Lines() const { return Passed + BadChecksum + NoChecksum + Damaged; }
    bool operator==(const IdentifierCounts&) const = default;
};

// Counts of the stream over a recent stretch of time.
struct RecentCounts {
    IdentifierCounts All;
    IdentifierCounts Unreadable;
    IdentifierCounts Comments;
    double Seconds = 0; // the stretch the counts cover
};

// Counts every dispatched line by its sentence identifier ("$GNGGA",
// "$PGRME"): the text from the "$" up to the first "," or "*", when it is
// "$" and 2 to 8 upper-case letters or digits. Lines without such an
// identifier are unreadable; of them, blank lines and lines starting with
// "#" are kept apart as comments, which a log may hold besides its
// sentences. An identifier gets its own row the first time a
// line of it passes the checksum, so that noise cannot fill the table; at
// most MaxIdentifiers rows, the other lines with an identifier are counted
// together as other.
//
// Beside the counts it keeps clock figures: lines per second over the last
// RecentSeconds seconds, the time since the last good line (one whose
// checksum passed) and the longest gap between good lines. They run from
// Start or Resume and stand still from Halt.
//
// Counting a line allocates nothing and reads the clock once.
class StreamCounters {
public:
    static constexpr std::size_t MaxIdentifiers = 64;
    static constexpr std::size_t MaxIdentifierLength = 9; // "$" and 8
    static constexpr int RecentSeconds = 10;

    explicit StreamCounters(IMonotonicClock& clock);

    // Input starts afresh: every count is cleared.
    void Start();
    // Input goes on after a halt: the counts stay; the time stood still is no gap.
    void Resume();
    // Input has stopped (Stop, end of the log, a lost receiver).
    void Halt();
    bool Running() const { return m_running; }

    void Count(std::string_view line, const DispatchResult& result);
    // Characters have arrived from the receiver, cut into lines or not.
    void Received(std::size_t characters);

    std::size_t IdentifierCount() const { return m_rowCount; }
    std::string_view Identifier(std::size_t row) const;
    const IdentifierCounts& Counts(std::size_t row) const { return m_rows[row].Counts; }
    const IdentifierCounts& Other() const { return m_other; }
    const IdentifierCounts& Unreadable() const { return m_unreadable; }
    const IdentifierCounts& Comments() const { return m_comments; }
    const IdentifierCounts& Total() const { return m_total; }
    std::int64_t Bytes() const { return m_bytes; } // of the lines, without line ends

    // Clock figures, at the moment asked (at the halt while halted).
    RecentCounts Recent() const;
    double LinesPerSecond() const;
    // Good lines of the row per second over the recent stretch.
    double RatePerSecond(std::size_t row) const;
    // Seconds since the row's last good line; negative when it had none.
    double SecondsSinceGood(std::size_t row) const;
    double SecondsSinceGoodLine() const;
    double SecondsSinceAnyLine() const;
    // Since the last line or the last characters received.
    double SecondsSinceAnyInput() const;
    // The longest wait for a good line, the one going on included.
    double LongestGapSeconds() const;

private:
    struct Row {
        std::uint64_t Key = 0;
        std::array<char, MaxIdentifierLength> Text{};
        std::uint8_t Length = 0;
        IdentifierCounts Counts;
        std::int64_t LastGoodMs = 0;
    };
    // The totals as they stood when one second began.
    struct Snapshot {
        IdentifierCounts All;
        IdentifierCounts Unreadable;
        IdentifierCounts Comments;
        std::array<std::int64_t, MaxIdentifiers> RowPassed{};
    };
    static constexpr std::size_t HistoryLength = RecentSeconds + 1;
    static constexpr std::size_t SlotCount = 2 * MaxIdentifiers; // open addressing, half full at most

    std::int64_t Now() const;
    IdentifierCounts* RowFor(std::string_view line, bool passed, std::size_t& row);
    void AdvanceTo(std::int64_t second);
    // The snapshot the recent stretch starts from and the stretch's length.
    const Snapshot* RecentStart(double& seconds) const;

    IMonotonicClock& m_clock;
    bool m_running = false;
    std::int64_t m_haltMs = 0;
    std::int64_t m_startMs = 0;
    std::int64_t m_sinceMs = 0; // Start or the last Resume
    std::int64_t m_lastGoodMs = -1;
    std::int64_t m_lastLineMs = -1;
    std::int64_t m_lastReceivedMs = -1;
    std::int64_t m_longestGapMs = 0;

    std::array<Row, MaxIdentifiers> m_rows{};
    std::size_t m_rowCount = 0;
    std::array<std::int8_t, SlotCount> m_slots{};
    IdentifierCounts m_other;
    IdentifierCounts m_unreadable;
    IdentifierCounts m_comments;
    IdentifierCounts m_total;
    std::int64_t m_bytes = 0;

    std::int64_t m_second = 0; // the second the last line was counted in
    std::array<Snapshot, HistoryLength> m_history{};
};

} // namespace trakora
