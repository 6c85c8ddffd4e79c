#pragma once

#include "ReplayOptions.h"
#include "ReplayStats.h"

#include "common/ProgramSettings.h"
#include "common/SettingsStore.h"
#include "nmea/GnssState.h"
#include "nmea/GpsState.h"
#include "nmea/LogFile.h"
#include "nmea/NMEAParse.h"
#include "nmea/SentenceDispatcher.h"
#include "nmea/SerialLineCutter.h"

#include <cstdio>
#include <memory>
#include <string>

namespace trakora {

// Exit statuses of the tool.
enum ReplayExit { ExitDone = 0, ExitWriteFailed = 1, ExitBadInputOrOption = 2 };

// Runs the input through the program's dispatcher and decoders, set up as the
// program is at start, and writes the JSON results to `out`.
class Replayer : private IMessageSink, private IMonotonicClock {
public:
    Replayer(const ReplayOptions& options, std::FILE* out, std::FILE* err);
    int Run();

private:
    bool CheckInputsReadable();
    bool ReplayLines(const std::string& input);
    bool ReplaySerial(const std::string& input, SerialLineCutter& cutter);
    void DispatchLine(const std::string& line);
    Json CurrentState() const;
    void WriteJsonLine(const Json& value);
    void NoteSkippedTalkers();
    void ShowMessage(std::string_view text) override;
    // The tool reports counts only, none of the figures that need a clock.
    std::int64_t Milliseconds() override { return 0; }
    bool Fail(const std::string& input, const std::string& reason);

    const ReplayOptions& m_options;
    std::FILE* m_out;
    std::FILE* m_err;

    MemorySettingsStore m_store;
    ProgramSettings m_settings;
    std::unique_ptr<GpsState> m_gps; // large: kept off the stack
    std::unique_ptr<GnssState> m_gnss;
    NMEAParse m_parse;
    LogFile m_log;
    std::unique_ptr<SentenceDispatcher> m_dispatcher;
    ReplayStats m_stats;
    StreamCounters m_counters;
    bool m_recordingFailed = false;
    long long m_otherTalkerLines = 0; // standard sentences of talkers other than GP, left out
};

} // namespace trakora
