#include "nmea/SentenceDispatcher.h"

#include "nmea/Decoders.h"
#include "nmea/GnssDecoders.h"
#include "nmea/StreamCounters.h"
#include "nmea/TalkerMatch.h"

#include <algorithm>

namespace trakora {

const std::array<SentenceType, SentenceTypeCount> SentenceTable = {{
    {"$GPRMC", RecordGroup::Waypoint, &DecodeRMC, &DecodeRMCAllTalkers},
    {"$GPRMB", RecordGroup::Waypoint, &DecodeRMB},
    {"$GPGLL", RecordGroup::Position, &DecodeGLL, &DecodeGLLAllTalkers},
    {"$PGRMZ", RecordGroup::Position, &DecodePGRMZ},
    {"$PGRMM", RecordGroup::Position, &DecodePGRMM},
    {"$GPBOD", RecordGroup::Waypoint, &DecodeBOD},
    {"$GPRTE", RecordGroup::Waypoint, &DecodeRTE},
    {"$GPWPL", RecordGroup::Waypoint, &DecodeWPL},
    {"$GPGGA", RecordGroup::Position, &DecodeGGA, &DecodeGGAAllTalkers},
    {"$GPGSA", RecordGroup::Satellites, &DecodeGSA, &DecodeGSAAllTalkers},
    {"$GPGSV", RecordGroup::Satellites, &DecodeGSV, &DecodeGSVAllTalkers},
    {"$PGRME", RecordGroup::Position, &DecodePGRME},
}};

namespace {

constexpr std::string_view SkipIt = "SkipIt";

// Exclusive-or of every character between the first one and the first "*".
unsigned ComputeChecksum(std::string_view line, std::size_t star)
{
    unsigned sum = 0;
    for (std::size_t i = 1; i < star; ++i)
        sum ^= static_cast<unsigned char>(line[i]);
    return sum;
}

// The received checksum is compared with exactly two upper-case digits.
bool ReceivedMatches(std::string_view received, unsigned sum)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    char expected[2] = {Hex[(sum >> 4) & 0xF], Hex[sum & 0xF]};
    char got[2] = {' ', ' '};
    for (std::size_t i = 0; i < received.size() && i < 2; ++i)
        got[i] = received[i];
    return got[0] == expected[0] && got[1] == expected[1];
}

// The "*" that the received checksum follows: the first one of the last
// field (an earlier field may hold a "*" too).
std::size_t ReceivedChecksumStar(std::string_view line, std::int32_t fieldCount)
{
    std::size_t lastField = 0;
    for (std::int32_t k = 1; k < fieldCount; ++k)
        lastField = line.find(',', lastField) + 1;
    return line.find('*', lastField);
}

std::int32_t GroupSwitch(const ProgramSettings& settings, RecordGroup group)
{
    switch (group) {
    case RecordGroup::Position:
        return settings.SavePositionInfo;
    case RecordGroup::Waypoint:
        return settings.SaveWaypointInfo;
    case RecordGroup::Satellites:
        return settings.SavePRNInfo;
    }
    return 0;
}

} // namespace

SentenceDispatcher::SentenceDispatcher(NMEAParse& parse, GpsState& gps, GnssState& gnss, ProgramSettings& settings,
                                       ILogSink& log, IMessageSink& messages)
    : m_parse(parse), m_gps(gps), m_gnss(gnss), m_settings(settings), m_log(log), m_messages(messages),
      m_previousFieldCount(std::clamp(gps.SentenceFieldCount, 0, MaxSentenceFields))
{
    // Room for the longest ordinary sentence (82 characters), so lines of the
    // usual length never make these strings grow.
    constexpr std::size_t TypicalLongestLine = 128;
    m_line.reserve(TypicalLongestLine);
    m_parse.FullString.reserve(TypicalLongestLine);
}

DispatchResult SentenceDispatcher::Dispatch()
{
    m_line.assign(m_parse.FullString);
    const bool shown = m_settings.ShowingNMEARaw != 0 && m_raw != nullptr;
    if (shown)
        m_raw->AddRawLine(m_line);

    const DispatchResult result = CheckAndDecode();
    // The window may have closed while it let events run.
    if (shown && m_raw != nullptr)
        m_raw->LineChecked(result);
    if (m_counters != nullptr)
        m_counters->Count(m_line, result);
    return result;
}

DispatchResult SentenceDispatcher::CheckAndDecode()
{
    DispatchResult result;
    if (m_line.size() > MaxLineLength) {
        result.Outcome = DispatchResult::Damaged;
        return result;
    }

    const CheckOutcome check = CheckAndSplit(m_line);
    if (check == CheckOutcome::NoChecksum) {
        result.Outcome = DispatchResult::NoChecksum;
        return result;
    }
    if (check == CheckOutcome::Mismatch) {
        result.Outcome = DispatchResult::BadChecksum;
        return result;
    }
    const std::size_t lineBreak = m_line.find_first_of("\r\n");
    if (lineBreak != std::string::npos && lineBreak < ReceivedChecksumStar(m_line, m_gps.SentenceFieldCount)) {
        m_gps.SentenceField[0].assign(SkipIt);
        result.Outcome = DispatchResult::Damaged;
        return result;
    }

    const int row = MatchSentenceRow(m_gps.SentenceField[0], m_settings.Talkers);
    if (row < 0) {
        result.Outcome = m_settings.Talkers == TalkerFilter::GpsOnly &&
                                 MatchSentenceRow(m_gps.SentenceField[0], TalkerFilter::AllGnss) >= 0
                             ? DispatchResult::OtherTalker
                             : DispatchResult::UnknownType;
        return result;
    }
    const SentenceType& type = SentenceTable[static_cast<std::size_t>(row)];
    result.Outcome = DispatchResult::Decoded;
    result.TableRow = row;
    // Recorded before decoding, so the line is kept whatever the decoder makes of it.
    if (!m_recordingSuspended && (m_settings.WriteData & GroupSwitch(m_settings, type.Group)) != 0)
        Record(std::string_view(m_line).substr(0, lineBreak), result);
    if (m_settings.Talkers == TalkerFilter::AllGnss && type.AllTalkersDecoder != nullptr)
        type.AllTalkersDecoder(m_gps, m_gnss);
    else
        type.Decoder(m_gps);
    return result;
}

void SentenceDispatcher::ForgetReceiver()
{
    m_gps = GpsState{};
    m_gps.RouteComplete = true;
    m_gps.SatViewComplete = true;
    m_gnss = GnssState{};
    m_previousFieldCount = 0;
}

SentenceDispatcher::CheckOutcome SentenceDispatcher::CheckAndSplit(const std::string& line)
{
    const std::size_t star = line.find('*');
    if (star == std::string::npos)
        return CheckOutcome::NoChecksum;
    const unsigned sum = ComputeChecksum(line, star);

    // Splitting at "," straight into the sentence table gives what a Parse
    // and a copy would: the Parse at "*" below replaces everything a Parse
    // at "," would have left in the parser.
    const std::int32_t count =
        SplitFields(line, ',', m_gps.SentenceField.data(), MaxSentenceFields);
    for (std::int32_t k = count; k < m_previousFieldCount; ++k)
        m_gps.SentenceField[k].clear();
    m_previousFieldCount = count;
    m_gps.SentenceFieldCount = count;

    // The last field loses its "*hh" suffix; FullString keeps that field.
    m_parse.FullString.assign(m_gps.SentenceField[count - 1]);
    m_parse.ParseChar = '*';
    m_parse.Parse();
    m_gps.SentenceField[count - 1].assign(m_parse.ParsedField(1));

    // A lone "*" has no character to sum: its empty received checksum fails below.
    if (!ReceivedMatches(m_parse.ParsedField(2), sum)) {
        m_gps.SentenceField[0].assign(SkipIt);
        return CheckOutcome::Mismatch;
    }
    return CheckOutcome::Passed;
}

void SentenceDispatcher::Record(std::string_view line, DispatchResult& result)
{
    if (m_log.WriteLine(line)) {
        result.Recorded = true;
        return;
    }
    // Input goes on; recording stays off until the user turns it on again.
    m_settings.WriteData = 0;
    const std::string name = m_settings.OutputFileName.empty() ? std::string("(no name)")
                                                               : m_settings.OutputFileName;
    m_messages.ShowMessage("Error writing to output file: " + name + m_settings.DoubleLineBreak +
                           m_log.LastError() + m_settings.DoubleLineBreak +
                           "Recording has been turned off.");
}

} // namespace trakora
