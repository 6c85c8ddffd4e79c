#include "nmea/StreamCounters.h"

#include "nmea/SentenceDispatcher.h"

#include <algorithm>

namespace trakora {

namespace {

constexpr std::int64_t MillisecondsPerSecond = 1000;

std::int64_t SecondOf(std::int64_t ms)
{
    return ms >= 0 ? ms / MillisecondsPerSecond : -((-ms + MillisecondsPerSecond - 1) / MillisecondsPerSecond);
}

std::size_t Slot(std::int64_t second, std::size_t length)
{
    const auto n = static_cast<std::int64_t>(length);
    return static_cast<std::size_t>(((second % n) + n) % n);
}

bool IdentifierCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The identifier's length, with its characters after the "$" packed one byte
// each into `key` (they are never 0, so the key tells every identifier
// apart); 0 when the line has no readable identifier.
std::size_t ReadIdentifier(std::string_view line, std::uint64_t& key)
{
    if (line.empty() || line[0] != '$')
        return 0;
    key = 0;
    std::size_t end = 1;
    for (; end < line.size() && line[end] != ',' && line[end] != '*'; ++end) {
        if (end >= StreamCounters::MaxIdentifierLength || !IdentifierCharacter(line[end]))
            return 0;
        key = (key << 8) | static_cast<unsigned char>(line[end]);
    }
    return end >= 3 ? end : 0;
}

// A blank line or a comment of a log: noise and damaged sentences are neither.
bool IsComment(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

// A good line: its checksum passed and it is whole.
bool ChecksumPassed(const DispatchResult& result)
{
    return result.Outcome == DispatchResult::Decoded || result.Outcome == DispatchResult::UnknownType ||
           result.Outcome == DispatchResult::OtherTalker;
}

void Add(IdentifierCounts& counts, const DispatchResult& result)
{
    switch (result.Outcome) {
    case DispatchResult::NoChecksum:
        ++counts.NoChecksum;
        break;
    case DispatchResult::BadChecksum:
        ++counts.BadChecksum;
        break;
    case DispatchResult::Damaged:
        ++counts.Damaged;
        break;
    case DispatchResult::OtherTalker:
        ++counts.OtherTalker;
        [[fallthrough]];
    case DispatchResult::UnknownType:
        ++counts.Passed;
        ++counts.Ignored;
        break;
    case DispatchResult::Decoded:
        ++counts.Passed;
        ++counts.Decoded;
        break;
    }
    if (result.Recorded)
        ++counts.Recorded;
}

IdentifierCounts Difference(const IdentifierCounts& a, const IdentifierCounts& b)
{
    return {a.Passed - b.Passed,   a.BadChecksum - b.BadChecksum, a.NoChecksum - b.NoChecksum,
            a.Decoded - b.Decoded, a.Ignored - b.Ignored,         a.OtherTalker - b.OtherTalker,
            a.Recorded - b.Recorded, a.Damaged - b.Damaged};
}

double Seconds(std::int64_t ms)
{
    return static_cast<double>(ms) / MillisecondsPerSecond;
}

} // namespace

StreamCounters::StreamCounters(IMonotonicClock& clock) : m_clock(clock)
{
    m_slots.fill(-1);
}

void StreamCounters::Start()
{
    const std::int64_t now = m_clock.Milliseconds();
    m_running = true;
    m_startMs = m_sinceMs = now;
    m_lastGoodMs = m_lastLineMs = m_lastReceivedMs = -1;
    m_longestGapMs = 0;
    m_rowCount = 0;
    m_slots.fill(-1);
    m_other = m_unreadable = m_comments = m_total = IdentifierCounts{};
    m_bytes = 0;
    m_second = SecondOf(now);
    m_history.fill(Snapshot{});
}

void StreamCounters::Resume()
{
    if (m_running)
        return;
    m_running = true;
    m_sinceMs = m_clock.Milliseconds();
}

void StreamCounters::Halt()
{
    if (!m_running)
        return;
    m_haltMs = m_clock.Milliseconds();
    m_running = false;
    m_longestGapMs = std::max(m_longestGapMs, m_haltMs - std::max(m_lastGoodMs, m_sinceMs));
}

std::int64_t StreamCounters::Now() const
{
    return m_running ? m_clock.Milliseconds() : m_haltMs;
}

void StreamCounters::Count(std::string_view line, const DispatchResult& result)
{
    const std::int64_t now = Now();
    const std::int64_t second = SecondOf(now);
    if (second > m_second)
        AdvanceTo(second);

    const bool passed = ChecksumPassed(result);
    std::size_t row = MaxIdentifiers;
    Add(*RowFor(line, passed, row), result);
    Add(m_total, result);
    if (IsComment(line))
        Add(m_comments, result);
    m_bytes += static_cast<std::int64_t>(line.size());
    m_lastLineMs = now;
    if (!passed)
        return;
    m_longestGapMs = std::max(m_longestGapMs, now - std::max(m_lastGoodMs, m_sinceMs));
    m_lastGoodMs = now;
    if (row < m_rowCount)
        m_rows[row].LastGoodMs = now;
}

void StreamCounters::Received(std::size_t characters)
{
    if (characters > 0)
        m_lastReceivedMs = Now();
}

IdentifierCounts* StreamCounters::RowFor(std::string_view line, bool passed, std::size_t& row)
{
    std::uint64_t key = 0;
    const std::size_t length = ReadIdentifier(line, key);
    if (length == 0)
        return &m_unreadable;

    constexpr int SlotBits = 7;
    static_assert(SlotCount == std::size_t{1} << SlotBits);
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - SlotBits));
    for (; m_slots[slot] >= 0; slot = (slot + 1) % SlotCount) {
        Row& existing = m_rows[static_cast<std::size_t>(m_slots[slot])];
        if (existing.Key == key) {
            row = static_cast<std::size_t>(m_slots[slot]);
            return &existing.Counts;
        }
    }
    if (!passed || m_rowCount == MaxIdentifiers)
        return &m_other;

    row = m_rowCount++;
    m_slots[slot] = static_cast<std::int8_t>(row);
    Row& added = m_rows[row];
    added = Row{};
    added.Key = key;
    added.Length = static_cast<std::uint8_t>(length);
    std::copy_n(line.begin(), length, added.Text.begin());
    return &added.Counts;
}

void StreamCounters::AdvanceTo(std::int64_t second)
{
    Snapshot now;
    now.All = m_total;
    now.Unreadable = m_unreadable;
    now.Comments = m_comments;
    for (std::size_t row = 0; row < m_rowCount; ++row)
        now.RowPassed[row] = m_rows[row].Counts.Passed;
    const std::int64_t first = std::max(m_second + 1, second - static_cast<std::int64_t>(HistoryLength) + 1);
    for (std::int64_t t = first; t <= second; ++t)
        m_history[Slot(t, HistoryLength)] = now;
    m_second = second;
}

const StreamCounters::Snapshot* StreamCounters::RecentStart(double& seconds) const
{
    const std::int64_t now = Now();
    const std::int64_t first = SecondOf(now) - RecentSeconds;
    seconds = std::max(1.0, Seconds(now - std::max(first * MillisecondsPerSecond, m_startMs)));
    // Nothing was counted since the stretch began.
    if (first > m_second)
        return nullptr;
    return &m_history[Slot(first, HistoryLength)];
}

RecentCounts StreamCounters::Recent() const
{
    RecentCounts recent;
    if (const Snapshot* start = RecentStart(recent.Seconds)) {
        recent.All = Difference(m_total, start->All);
        recent.Unreadable = Difference(m_unreadable, start->Unreadable);
        recent.Comments = Difference(m_comments, start->Comments);
    }
    return recent;
}

double StreamCounters::LinesPerSecond() const
{
    const RecentCounts recent = Recent();
    return static_cast<double>(recent.All.Lines()) / recent.Seconds;
}

double StreamCounters::RatePerSecond(std::size_t row) const
{
    double seconds = 1;
    const Snapshot* start = RecentStart(seconds);
    if (start == nullptr)
        return 0;
    return static_cast<double>(m_rows[row].Counts.Passed - start->RowPassed[row]) / seconds;
}

std::string_view StreamCounters::Identifier(std::size_t row) const
{
    return {m_rows[row].Text.data(), m_rows[row].Length};
}

double StreamCounters::SecondsSinceGood(std::size_t row) const
{
    return row < m_rowCount ? Seconds(Now() - m_rows[row].LastGoodMs) : -1;
}

double StreamCounters::SecondsSinceGoodLine() const
{
    return Seconds(Now() - std::max(m_lastGoodMs, m_sinceMs));
}

double StreamCounters::SecondsSinceAnyLine() const
{
    return Seconds(Now() - std::max(m_lastLineMs, m_sinceMs));
}

double StreamCounters::SecondsSinceAnyInput() const
{
    return Seconds(Now() - std::max({m_lastLineMs, m_lastReceivedMs, m_sinceMs}));
}

double StreamCounters::LongestGapSeconds() const
{
    return Seconds(std::max(m_longestGapMs, Now() - std::max(m_lastGoodMs, m_sinceMs)));
}

} // namespace trakora
