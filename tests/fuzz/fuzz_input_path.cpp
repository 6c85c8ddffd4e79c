// The input path from raw bytes: cut into lines once as a serial port's
// stream (in reads of 1 to 97 bytes) and once as a log file, each line
// dispatched with every group recorded, for GPS talkers only or all (the
// first byte choosing both). After every line
// the state is sane and the stream counters hold every line in one row,
// within their bounds; at the end every recorded line ends with CR LF, passes
// its checksum and decodes again, and replaying each recording through the
// log reader gives the state it was recorded from.
#include "FuzzSupport.h"

#include "common/ProgramSettings.h"
#include "nmea/LogFile.h"
#include "nmea/NMEAParse.h"
#include "nmea/SentenceDispatcher.h"
#include "nmea/SerialLineCutter.h"
#include "nmea/StreamCounters.h"
#include "nmea/StreamDiagnosis.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

using namespace trakora;
using trakora::fuzz::Require;

namespace {

struct NoMessages : IMessageSink {
    void ShowMessage(std::string_view) override { Require(false, "recording to the scratch folder never fails"); }
};

// A clock that moves on by an odd step at every line, so lines fall into
// seconds unevenly and whole seconds pass without any.
struct SteppingClock : IMonotonicClock {
    std::int64_t Milliseconds() override { return Ms += 377; }
    std::int64_t Ms = 0;
};

bool ReadableIdentifier(std::string_view id)
{
    if (id.size() < 3 || id.size() > StreamCounters::MaxIdentifierLength || id[0] != '$')
        return false;
    for (char c : id.substr(1))
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

void RequireCountsAddUp(const StreamCounters& counters, long long lines)
{
    IdentifierCounts sum = counters.Other();
    const auto add = [&sum](const IdentifierCounts& c) {
        sum.Passed += c.Passed, sum.BadChecksum += c.BadChecksum, sum.NoChecksum += c.NoChecksum;
        sum.Decoded += c.Decoded, sum.Ignored += c.Ignored, sum.OtherTalker += c.OtherTalker;
        sum.Recorded += c.Recorded, sum.Damaged += c.Damaged;
    };
    add(counters.Unreadable());
    Require(counters.IdentifierCount() <= StreamCounters::MaxIdentifiers, "at most the rows the counters keep");
    for (std::size_t row = 0; row < counters.IdentifierCount(); ++row) {
        Require(ReadableIdentifier(counters.Identifier(row)), "a row only for a readable identifier");
        Require(counters.Counts(row).Passed > 0, "a row only for an identifier that passed");
        add(counters.Counts(row));
    }
    Require(sum == counters.Total() && counters.Total().Lines() == lines, "every line in one row only");
    const RecentCounts recent = counters.Recent();
    Require(recent.All.Lines() >= 0 && recent.All.Lines() <= lines && recent.Seconds >= 1, "recent counts in range");
}

// The dispatcher and its state, recording every group to `recordTo` unless empty.
struct Decoding {
    Decoding(const std::string& recordTo, TalkerFilter talkers)
    {
        Settings.Talkers = talkers;
        Dispatcher.SetCounters(&Counters);
        Counters.Start();
        if (recordTo.empty())
            return;
        std::ofstream(recordTo, std::ios::trunc);
        Require(Log.OpenAppend(recordTo).Ok, "the recording opens");
        Settings.WriteData = Settings.SavePositionInfo = Settings.SaveWaypointInfo = Settings.SavePRNInfo = 1;
    }

    DispatchResult Dispatch(std::string_view line)
    {
        Parse.FullString.assign(line);
        const DispatchResult result = Dispatcher.Dispatch();
        Require(result.Outcome != DispatchResult::Decoded || result.Recorded || !Log.IsOpen(),
                "every decoded line is recorded");
        Recorded += result.Recorded;
        RequireCountsAddUp(Counters, ++Lines);
        Require(!DiagnoseStream(Counters, Settings.Talkers, InputKind::Serial).HealthLine.empty() &&
                    !DiagnoseStream(Counters, Settings.Talkers, InputKind::Log).StatusText.empty(),
                "the stream's health is always told");
        fuzz::RequireSane(*Gps);
        fuzz::RequireSane(*Gnss);
        return result;
    }

    NMEAParse Parse;
    std::unique_ptr<GpsState> Gps = std::make_unique<GpsState>();
    std::unique_ptr<GnssState> Gnss = std::make_unique<GnssState>();
    ProgramSettings Settings;
    LogFile Log;
    NoMessages Messages;
    SentenceDispatcher Dispatcher{Parse, *Gps, *Gnss, Settings, Log, Messages};
    SteppingClock Clock;
    StreamCounters Counters{Clock};
    long long Recorded = 0;
    long long Lines = 0;
};

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool SameStateBesidesSentence(const GpsState& a, const GpsState& b)
{
    auto copy = std::make_unique<GpsState>(a);
    copy->SentenceField = b.SentenceField;
    copy->SentenceFieldCount = b.SentenceFieldCount;
    return *copy == b;
}

void RequireReplaysAlike(const std::string& path, Decoding& live)
{
    live.Log.Close();
    const std::string bytes = FileText(path);
    long long lines = 0;
    for (std::size_t start = 0; start < bytes.size(); ++lines) {
        const std::size_t end = bytes.find("\r\n", start);
        Require(end != std::string::npos, "every recorded line ends with CR LF");
        Require(bytes.find_first_of("\r\n", start) == end, "no recorded line holds a CR or LF");
        start = end + 2;
    }
    Require(lines == live.Recorded, "the recording holds every recorded line");

    Decoding replay("", live.Settings.Talkers);
    LineFileReader reader;
    Require(reader.Open(path).Ok, "the recording can be read");
    for (std::string line; reader.ReadLine(line);)
        Require(replay.Dispatch(line).Outcome == DispatchResult::Decoded, "every recorded line decodes again");
    Require(SameStateBesidesSentence(*live.Gps, *replay.Gps), "the recording replays to the same state");
    Require(fuzz::Shown(*live.Gnss) == fuzz::Shown(*replay.Gnss), "the recording replays to the same satellites");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string dir = fuzz::ScratchDir().string();
    const TalkerFilter talkers = size > 0 && (data[0] & 0x80) ? TalkerFilter::GpsOnly : TalkerFilter::AllGnss;

    {
        Decoding serial(dir + "/serial.TKL", talkers);
        SerialLineCutter cutter;
        const std::size_t read = size == 0 ? 1 : 1 + data[0] % 97;
        std::string line;
        for (std::size_t at = 0; at < size; at += read) {
            cutter.Append(bytes.substr(at, read));
            while (cutter.NextLine(line))
                serial.Dispatch(line);
        }
        RequireReplaysAlike(dir + "/serial.TKL", serial);
    }
    {
        const std::string input = dir + "/input.TKL";
        std::ofstream(input, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(size));
        Decoding file(dir + "/file.TKL", talkers);
        LineFileReader reader;
        Require(reader.Open(input).Ok, "the input can be read");
        for (std::string line; reader.ReadLine(line);) {
            Require(line.size() <= MaxLineLength + 1, "no line read is longer than the cut");
            file.Dispatch(line);
        }
        RequireReplaysAlike(dir + "/file.TKL", file);
    }
    return 0;
}
