#include "nmea/StreamDiagnosis.h"

#include "nmea/StreamCounters.h"

#include <array>
#include <cmath>
#include <string_view>

namespace trakora {

namespace {

// The standard type of a six-character identifier ("GGA" of "$GNGGA").
std::string_view TypeOf(std::string_view identifier)
{
    return identifier.size() == 6 ? identifier.substr(3) : std::string_view();
}

bool IsPositionType(std::string_view type)
{
    return type == "GGA" || type == "RMC" || type == "GLL";
}

std::string WholeNumber(double value)
{
    return std::to_string(std::llround(value));
}

// A share in whole per cent that is 0 or 100 only when it is exactly that.
int Percent(std::int64_t part, std::int64_t whole)
{
    const int percent = static_cast<int>(std::lround(100.0 * static_cast<double>(part) / static_cast<double>(whole)));
    if (part > 0 && percent == 0)
        return 1;
    if (part < whole && percent == 100)
        return 99;
    return percent;
}

StreamDiagnosis Found(StreamProblem problem, StreamLevel level, std::string line, std::string status)
{
    return {problem, level, std::move(line), std::move(status)};
}

// What the rows say about talkers, positions and satellites.
struct RowSummary {
    std::int64_t PositionsDecoded = 0;
    std::int64_t PositionsOfOtherTalkers = 0; // ignored for their talker
    std::int64_t SatellitesDecoded = 0;
    std::string_view BusiestOtherTalker; // "GN"
};

RowSummary Summarise(const StreamCounters& counters)
{
    RowSummary summary;
    std::array<std::int64_t, StreamCounters::MaxIdentifiers> talkerLines{};
    std::int64_t busiest = 0;
    for (std::size_t row = 0; row < counters.IdentifierCount(); ++row) {
        const std::string_view id = counters.Identifier(row);
        const IdentifierCounts& counts = counters.Counts(row);
        const std::string_view type = TypeOf(id);
        if (IsPositionType(type)) {
            summary.PositionsDecoded += counts.Decoded;
            summary.PositionsOfOtherTalkers += counts.OtherTalker;
        }
        if (type == "GSV")
            summary.SatellitesDecoded += counts.Decoded;
        if (counts.OtherTalker == 0)
            continue;
        // Lines of the same talker add up in the row where that talker first appears.
        const std::string_view talker = id.substr(1, 2);
        std::size_t first = 0;
        while (counters.Identifier(first).substr(1, 2) != talker)
            ++first;
        talkerLines[first] += counts.OtherTalker;
        if (talkerLines[first] > busiest) {
            busiest = talkerLines[first];
            summary.BusiestOtherTalker = talker;
        }
    }
    return summary;
}

std::string RateText(double linesPerSecond)
{
    const long long rounded = std::llround(linesPerSecond);
    return std::to_string(rounded) + (rounded == 1 ? " line/s" : " lines/s");
}

} // namespace

StreamDiagnosis DiagnoseStream(const StreamCounters& counters, TalkerFilter talkers, InputKind input)
{
    const bool running = counters.Running();
    if (running && counters.SecondsSinceAnyInput() >= NoDataSeconds)
        return Found(StreamProblem::NoData, StreamLevel::Bad,
                     "No data for " + WholeNumber(std::floor(counters.SecondsSinceAnyInput())) + " s", "No data");
    if (running && counters.SecondsSinceAnyLine() >= NoDataSeconds)
        return Found(StreamProblem::NoLineEnds, StreamLevel::Bad,
                     "Data arrives without line ends: check the baud rate", "No lines");

    // The recent stretch tells how the stream is now; when it holds nothing
    // (stopped a while after the last line) the counts since Start do.
    const RecentCounts recent = counters.Recent();
    const bool recentLines = recent.All.Lines() > 0;
    IdentifierCounts lines = recentLines ? recent.All : counters.Total();
    const IdentifierCounts& unreadable = recentLines ? recent.Unreadable : counters.Unreadable();
    const std::int64_t readableWithoutChecksum = lines.NoChecksum - unreadable.NoChecksum;
    if (input == InputKind::Log) {
        const IdentifierCounts& comments = recentLines ? recent.Comments : counters.Comments();
        if (counters.Total().Lines() > 0 && counters.Total() == counters.Unreadable())
            return Found(StreamProblem::NoSentences, StreamLevel::Bad,
                         "No line of the log is an NMEA sentence", "No sentences");
        lines.BadChecksum -= comments.BadChecksum;
        lines.NoChecksum -= comments.NoChecksum;
        lines.Passed -= comments.Passed;
        lines.Damaged -= comments.Damaged;
    }
    const std::int64_t failing = lines.BadChecksum + lines.NoChecksum + lines.Damaged;
    constexpr std::int64_t FewestFailing = 3; // a line cut short as input starts is no problem
    if (failing >= FewestFailing && failing * 100 >= FailingPercent * lines.Lines()) {
        const std::string percent = std::to_string(Percent(failing, lines.Lines())) + "%";
        if (10 * readableWithoutChecksum >= 9 * failing)
            return Found(StreamProblem::NoChecksums, StreamLevel::Bad,
                         percent + " of lines have no checksum and are not decoded", "No checksums");
        return Found(StreamProblem::ChecksumErrors, StreamLevel::Bad,
                     percent + (input == InputKind::Serial ? " of lines fail the checksum: check the baud rate"
                                                           : " of lines fail the checksum"),
                     "Checksum errors");
    }

    const IdentifierCounts& total = counters.Total();
    const RowSummary rows = Summarise(counters);
    // Other talkers' satellites beside GPS positions are the usual output of
    // an older receiver; positions or most lines left out are not.
    if (talkers == TalkerFilter::GpsOnly && total.OtherTalker > 0 &&
        (rows.PositionsOfOtherTalkers > 0 || total.OtherTalker > total.Decoded))
        return Found(StreamProblem::OtherTalkers, StreamLevel::Warning,
                     "Receiver sends $" + std::string(rows.BusiestOtherTalker) +
                         " sentences; Talkers is set to GPS only",
                     "Not decoded");
    if (counters.Other().Passed > 0)
        return Found(StreamProblem::TooManyKinds, StreamLevel::Warning,
                     "More than " + std::to_string(StreamCounters::MaxIdentifiers) +
                         " kinds of sentence arrive; the rest are counted as other",
                     "Unknown sentences");
    constexpr std::int64_t GoodLinesBeforeNothingDecoded = 10;
    if (total.Decoded == 0 && total.Passed >= GoodLinesBeforeNothingDecoded)
        return Found(StreamProblem::NothingDecoded, StreamLevel::Warning,
                     "No sentence received is of a type the program decodes", "Nothing decoded");
    if (rows.PositionsDecoded >= PositionsBeforeSatellitesMissed && rows.SatellitesDecoded == 0)
        return Found(StreamProblem::NoSatellites, StreamLevel::Warning,
                     talkers == TalkerFilter::GpsOnly ? "No $GPGSV: satellites will not show"
                                                      : "No GSV sentences: satellites will not show",
                     "No satellites");

    if (running)
        return Found(StreamProblem::None, StreamLevel::Good, "No problem found",
                     RateText(counters.LinesPerSecond()));
    return Found(StreamProblem::None, StreamLevel::Idle, total.Lines() == 0 ? "No input" : "No problem found",
                 "Stopped");
}

} // namespace trakora
