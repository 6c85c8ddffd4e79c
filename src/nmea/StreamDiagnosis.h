#pragma once

#include "common/ReceiverOptions.h"

#include <string>

namespace trakora {

class StreamCounters;

// The likeliest problem of the input stream, worst first.
enum class StreamProblem {
    None,
    NoData,          // input running, nothing arrives
    NoLineEnds,      // characters arrive, but no line ends
    ChecksumErrors,  // many lines fail the checksum: wrong baud rate, bad cable
    NoChecksums,     // many readable lines carry no checksum
    NoSentences,     // a log without a single line that reads as a sentence
    OtherTalkers,    // positions, or most lines, from talkers the Talkers setting leaves out
    TooManyKinds,    // more kinds of sentence than the counters keep apart
    NothingDecoded,  // good lines, none of a type the program decodes
    NoSatellites,    // positions, but no satellites-in-view sentence
};

// How bad it is, for the colour of the status indicator.
enum class StreamLevel { Idle, Good, Warning, Bad };

struct StreamDiagnosis {
    StreamProblem Problem = StreamProblem::None;
    StreamLevel Level = StreamLevel::Idle;
    std::string HealthLine; // one plain sentence: "No data for 12 s"
    std::string StatusText; // a few words for the main window: "12 lines/s", "No data"
};

// Seconds without any line before input that runs counts as having no data.
constexpr double NoDataSeconds = 3;
// The share of failing lines, in per cent, from which the checksum is a problem.
constexpr int FailingPercent = 5;
// Decoded position sentences after which satellites in view are missed.
constexpr int PositionsBeforeSatellitesMissed = 10;

// Where the lines come from: a receiver on the serial port, or a log, whose
// blank lines and "#" comments are no damage.
enum class InputKind { Serial, Log };

// Names the likeliest problem from the counts (the share of failing lines
// over the recent stretch, the rest since Start) and the Talkers setting.
StreamDiagnosis DiagnoseStream(const StreamCounters& counters, TalkerFilter talkers, InputKind input);

} // namespace trakora
