// The health line: the likeliest problem of a stream, from its counts.
#include "CountingHarness.h"

#include "nmea/SerialLineCutter.h"
#include "nmea/StreamDiagnosis.h"

#include <cmath>
#include <fstream>
#include <iterator>

using namespace trakora;
using namespace trakora::testing;

namespace {

const std::string G = Sentence("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
const std::string GSV = Sentence("GPGSV,1,1,01,01,45,090,40");
const std::string GLGSV = Sentence("GLGSV,1,1,01,65,45,090,40");
const std::string GN = Sentence("GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
const std::string VTG = Sentence("GPVTG,054.7,T,034.4,M,005.5,N,010.2,K");
const std::string BAD = "$GPGGA,123519,4807.038,N*00";
const std::string BARE = "$GPGGA,123519,4807.038,N";
const std::string BLANKS = "     "; // what serial input makes of a line without "$"
const std::string NOISE("\x01\xB3\x00\xFF" "garbage", 11);

std::vector<std::string> Lines(std::initializer_list<std::pair<std::string, int>> runs)
{
    std::vector<std::string> lines;
    for (const auto& [line, count] : runs)
        lines.insert(lines.end(), static_cast<std::size_t>(count), line);
    return lines;
}

// Sentences of `count` kinds that pass the checksum.
std::vector<std::string> Kinds(int count)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(Sentence("ZZ" + std::to_string(1000 + i) + ",1"));
    return lines;
}

TEST(StreamDiagnosis, NamesTheLikeliestProblem)
{
    constexpr auto Serial = InputKind::Serial;
    constexpr auto Log = InputKind::Log;
    constexpr auto GP = TalkerFilter::GpsOnly;
    constexpr auto All = TalkerFilter::AllGnss;
    const struct {
        const char* Legend;
        std::vector<std::string> Fed; // ten lines a second from Start
        TalkerFilter Talkers;
        InputKind Input;
        int SilentAfter = 0;     // seconds without a line at the end
        bool Characters = false; // characters arrive at the very end
        bool Halted = false;
        const char* Line;
        const char* Status;
    } cases[] = {
        {"a silent receiver", {}, GP, Serial, 12, false, false, "No data for 12 s", "No data"},
        {"silent for less than 3 s", {G, GSV}, GP, Serial, 2, false, false, "No problem found", "1 line/s"},
        {"characters without line ends", {}, GP, Serial, 5, true, false,
         "Data arrives without line ends: check the baud rate", "No lines"},
        {"failing lines from a receiver", Lines({{G, 50}, {GSV, 7}, {BAD, 23}, {BARE, 10}, {BLANKS, 10}}), GP,
         Serial, 0, false, false, "43% of lines fail the checksum: check the baud rate", "Checksum errors"},
        {"failing lines in a log, beside its comments", Lines({{G, 50}, {GSV, 7}, {BAD, 23}, {"?g@rb,l3d", 20},
         {"# a comment", 5}, {"", 5}}), GP, Log, 0, false, true, "43% of lines fail the checksum", "Checksum errors"},
        {"noise from a receiver", Lines({{BLANKS, 20}}), GP, Serial, 0, false, false,
         "100% of lines fail the checksum: check the baud rate", "Checksum errors"},
        {"comments of a log are no damage", Lines({{"# a comment", 8}, {G, 20}, {GSV, 5}}), GP, Log, 0, false,
         false, "No problem found", "10 lines/s"},
        {"a log of noise", Lines({{NOISE, 30}}), GP, Log, 0, false, true,
         "No line of the log is an NMEA sentence", "No sentences"},
        {"one line cut short as input starts", Lines({{BLANKS, 1}, {G, 20}, {GSV, 3}}), GP, Serial, 0, false,
         false, "No problem found", "10 lines/s"},
        {"failures only before the last ten seconds", Lines({{BAD, 50}, {G, 100}, {GSV, 20}}), GP, Serial, 0,
         false, false, "No problem found", "10 lines/s"},
        {"no checksums at all", Lines({{BARE, 20}}), GP, Serial, 0, false, false,
         "100% of lines have no checksum and are not decoded", "No checksums"},
        {"GN positions with GPS only", Lines({{GN, 20}, {GSV, 5}}), GP, Serial, 0, false, false,
         "Receiver sends $GN sentences; Talkers is set to GPS only", "Not decoded"},
        {"GP and GN positions with GPS only", Lines({{G, 20}, {GN, 5}, {GSV, 5}}), GP, Serial, 0, false, false,
         "Receiver sends $GN sentences; Talkers is set to GPS only", "Not decoded"},
        {"GP positions, GL satellites with GPS only", Lines({{G, 20}, {GSV, 5}, {GLGSV, 5}}), GP, Serial, 0, false,
         false, "No problem found", "10 lines/s"},
        {"GN positions with all talkers", Lines({{GN, 20}, {GSV, 5}}), All, Serial, 0, false, false,
         "No problem found", "10 lines/s"},
        {"more kinds than rows", Kinds(100), GP, Serial, 0, false, false,
         "More than 64 kinds of sentence arrive; the rest are counted as other", "Unknown sentences"},
        {"nothing decodable", Lines({{VTG, 20}}), GP, Log, 0, false, true,
         "No sentence received is of a type the program decodes", "Nothing decoded"},
        {"positions without satellites, GPS only", Lines({{G, 12}}), GP, Serial, 0, false, false,
         "No $GPGSV: satellites will not show", "No satellites"},
        {"positions without satellites, all talkers", Lines({{GN, 12}}), All, Log, 0, false, false,
         "No GSV sentences: satellites will not show", "No satellites"},
        {"stopped before any line", {}, GP, Serial, 30, false, true, "No input", "Stopped"},
        {"stopped after good lines", Lines({{G, 20}, {GSV, 3}}), GP, Serial, 30, false, true, "No problem found",
         "Stopped"},
    };
    for (const auto& c : cases) {
        CountingHarness h(c.Talkers);
        h.Counters.Start();
        for (const std::string& line : c.Fed) {
            h.Feed(line);
            h.Clock.Ms += 100;
        }
        h.Clock.Ms += 1000 * c.SilentAfter - (c.Fed.empty() ? 0 : 100);
        if (c.Characters)
            h.Counters.Received(40);
        if (c.Halted)
            h.Counters.Halt();
        const StreamDiagnosis diagnosis = DiagnoseStream(h.Counters, c.Talkers, c.Input);
        EXPECT_EQ(diagnosis.HealthLine, c.Line) << c.Legend;
        EXPECT_EQ(diagnosis.StatusText, c.Status) << c.Legend;
        EXPECT_EQ(diagnosis.Problem == StreamProblem::None,
                  diagnosis.Level == StreamLevel::Good || diagnosis.Level == StreamLevel::Idle)
            << c.Legend;
    }
}

// The bytes a receiver at `receiverRate` reads from one sending at
// `senderRate`, no parity, 8 data bits, 1 stop bit: after a start bit it
// samples each bit in its middle by its own timing.
std::string ReadAtRate(std::string_view sent, double senderRate, double receiverRate)
{
    std::vector<bool> line; // the level in each bit time of the sender
    for (unsigned char byte : sent) {
        line.push_back(false);
        for (int bit = 0; bit < 8; ++bit)
            line.push_back(((byte >> bit) & 1) != 0);
        line.push_back(true);
    }
    const double bitTime = senderRate / receiverRate; // in the sender's bit times
    auto level = [&](double t) { return static_cast<std::size_t>(t) >= line.size() || line[static_cast<std::size_t>(t)]; };
    std::string received;
    for (double t = 0; t < static_cast<double>(line.size());) {
        std::size_t start = static_cast<std::size_t>(std::ceil(t));
        while (start < line.size() && line[start])
            ++start;
        if (start >= line.size())
            break;
        unsigned char byte = 0;
        for (int bit = 0; bit < 8; ++bit)
            byte |= static_cast<unsigned char>(level(static_cast<double>(start) + (bit + 1.5) * bitTime) << bit);
        received.push_back(static_cast<char>(byte));
        t = static_cast<double>(start) + 9.5 * bitTime; // the middle of the stop bit
    }
    return received;
}

TEST(StreamDiagnosis, AReceiverAtAnotherBaudRateIsToldToCheckIt)
{
    std::ifstream log(TRAKORA_TEST_DATA "/sample.TKL", std::ios::binary);
    const std::string sent(std::istreambuf_iterator<char>(log), {});
    ASSERT_GT(sent.size(), 100'000u);
    ASSERT_EQ(ReadAtRate(sent.substr(0, 2000), 4800, 4800), sent.substr(0, 2000)) << "the same rate reads true";

    for (const auto& [sender, receiver] : {std::pair(9600, 4800), std::pair(4800, 9600), std::pair(38400, 4800)}) {
        CountingHarness h;
        h.Counters.Start();
        const std::string received = ReadAtRate(sent.substr(0, 40'000), sender, receiver);
        SerialLineCutter cutter;
        std::string line;
        // A second's worth of characters at a time, as the pump reads them.
        const std::size_t perSecond = static_cast<std::size_t>(receiver / 10);
        for (std::size_t at = 0; at < received.size(); at += perSecond, h.Clock.Ms += 1000) {
            h.Counters.Received(std::min(perSecond, received.size() - at));
            cutter.Append(std::string_view(received).substr(at, perSecond));
            while (cutter.NextLine(line))
                h.Feed(line);
        }
        const StreamDiagnosis diagnosis = DiagnoseStream(h.Counters, TalkerFilter::GpsOnly, InputKind::Serial);
        EXPECT_TRUE(diagnosis.HealthLine.ends_with(": check the baud rate"))
            << sender << " read at " << receiver << ": " << diagnosis.HealthLine;
        EXPECT_LE(h.Counters.IdentifierCount(), 1u) << "noise makes hardly a row";
    }
}

} // namespace
