#pragma once

#include "common/ProgramSettings.h"
#include "nmea/GnssState.h"
#include "nmea/GpsState.h"
#include "nmea/LogSink.h"
#include "nmea/NMEAParse.h"

#include <array>
#include <string_view>

namespace trakora {

class StreamCounters;

enum class RecordGroup { Position = 1, Waypoint = 2, Satellites = 3 };

struct SentenceType {
    std::string_view Identifier;
    RecordGroup Group;
    void (*Decoder)(GpsState&);
    // Used instead of Decoder while every talker is accepted, where there is one.
    void (*AllTalkersDecoder)(GpsState&, GnssState&) = nullptr;
};

// The twelve decoded sentence types, tested in this order.
constexpr std::size_t SentenceTypeCount = 12;
extern const std::array<SentenceType, SentenceTypeCount> SentenceTable;

// What became of one dispatched line. OtherTalker: a standard type the
// dispatcher decodes, from a talker the Talkers setting leaves out.
struct DispatchResult {
    // Damaged: a line the log could not hold as it is (see Dispatch).
    enum Kind { NoChecksum, BadChecksum, UnknownType, OtherTalker, Decoded, Damaged } Outcome = NoChecksum;
    int TableRow = -1;     // index into SentenceTable when Decoded
    bool Recorded = false; // the line was appended to the log
};

// Takes the line in parse.FullString, hands it to the raw-line sink while
// that window is shown, tests and splits it into gps.SentenceField, records
// it when its group is switched on and calls its decoder. Which talkers are
// decoded follows settings.Talkers; what only receivers of today send goes
// to `gnss`. The raw-line sink then hears what became of the line, and the
// stream counters count it.
//
// A recorded log must replay to the same state, so a line that its reader
// would give back differently is damaged: neither decoded nor recorded. That
// is a line longer than MaxLineLength, or one that passes its checksum with a
// CR or LF before the checksum (the reader would split it there). Text after
// the checksum is not part of the sentence: a line break there ends what is
// recorded.
class SentenceDispatcher {
public:
    SentenceDispatcher(NMEAParse& parse, GpsState& gps, GnssState& gnss, ProgramSettings& settings, ILogSink& log,
                       IMessageSink& messages);

    void SetRawLineSink(IRawLineSink* sink) { m_raw = sink; }
    void SetCounters(StreamCounters* counters) { m_counters = counters; }

    DispatchResult Dispatch();

    // Back to the receiver state of program start (a replay rebuilt from the
    // start of its log begins from here).
    void ForgetReceiver();
    // While suspended no line is recorded (a rebuild reads lines already recorded).
    void SuspendRecording(bool suspended) { m_recordingSuspended = suspended; }

private:
    enum class CheckOutcome { NoChecksum, Mismatch, Passed };

    DispatchResult CheckAndDecode();
    CheckOutcome CheckAndSplit(const std::string& line);
    void Record(std::string_view line, DispatchResult& result);

    NMEAParse& m_parse;
    GpsState& m_gps;
    GnssState& m_gnss;
    ProgramSettings& m_settings;
    ILogSink& m_log;
    IMessageSink& m_messages;
    IRawLineSink* m_raw = nullptr;
    StreamCounters* m_counters = nullptr;
    std::string m_line;
    std::int32_t m_previousFieldCount = 0;
    bool m_recordingSuspended = false;
};

} // namespace trakora
