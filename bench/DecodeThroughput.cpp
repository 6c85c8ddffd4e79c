// Throughput of check, split and decode over generated 24-hour logs, with
// GPS talkers only and with all talkers, with and without the stream
// counters the program keeps, over bad input (a flood of identifiers, line
// noise), and the heap allocations a warmed-up dispatcher makes per line.
#include "AllocationCounter.h"
#include "common/LoadProgramSettings.h"
#include "nmea/LogFile.h"
#include "nmea/SentenceDispatcher.h"
#include "nmea/StreamCounters.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace trakora {
namespace {

enum LogKind { GpsReceiver, GnssReceiver };

// The logs are made on first use, so nothing large is kept in the source
// tree: a GPS receiver of old, and one of today (--gnss: GN position
// sentences, a GSA per system, GSV groups of four systems with signal IDs).
const std::vector<std::string>& DayLines(LogKind kind)
{
    static std::vector<std::string> cache[2];
    std::vector<std::string>& lines = cache[kind];
    if (!lines.empty())
        return lines;
    const std::string path = kind == GpsReceiver ? TRAKORA_BENCH_LOG : TRAKORA_BENCH_GNSS_LOG;
    if (!std::filesystem::exists(path)) {
        const std::string command = std::string("python3 '" TRAKORA_GEN_NMEA "' --seconds 86400 --seed 1") +
                                    (kind == GnssReceiver ? " --gnss" : "") + " > '" + path + "'";
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "cannot generate %s\n", path.c_str());
            std::exit(1);
        }
    }
    LineFileReader reader;
    if (!reader.Open(path).Ok) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::exit(1);
    }
    std::string line;
    while (reader.ReadLine(line))
        lines.push_back(line);
    return lines;
}

class NoMessages : public IMessageSink {
public:
    void ShowMessage(std::string_view) override {}
};

// Lines a receiver should never send: 10,000 identifiers of good sentences
// each ten times, or 8-bit noise with NULs and no "$".
enum BadKind { Flood, Noise };

std::string WithChecksum(const std::string& body)
{
    unsigned sum = 0;
    for (char c : body)
        sum ^= static_cast<unsigned char>(c);
    char suffix[4];
    std::snprintf(suffix, sizeof suffix, "*%02X", sum);
    return "$" + body + suffix;
}

const std::vector<std::string>& BadLines(BadKind kind)
{
    static std::vector<std::string> cache[2];
    std::vector<std::string>& lines = cache[kind];
    if (!lines.empty())
        return lines;
    std::mt19937 random(7);
    for (int i = 0; i < 100'000; ++i) {
        if (kind == Flood) {
            lines.push_back(WithChecksum("X" + std::to_string(10'000 + i % 10'000) + ",1,2,3"));
        } else {
            std::string noise(20 + random() % 60, '\0');
            for (char& c : noise) {
                const auto byte = static_cast<char>(random() % 256);
                c = byte == '$' ? '\0' : byte;
            }
            lines.push_back(noise);
        }
    }
    return lines;
}

// The program's records as they are at start, with recording off; with
// `counted`, the stream counters are fed as in the program.
struct Decoding {
    MemorySettingsStore store;
    ProgramSettings settings;
    std::unique_ptr<GpsState> gps = std::make_unique<GpsState>();
    std::unique_ptr<GnssState> gnss = std::make_unique<GnssState>();
    NMEAParse parse;
    LogFile log;
    NoMessages messages;
    SentenceDispatcher dispatcher{parse, *gps, *gnss, settings, log, messages};
    SteadyClock clock;
    StreamCounters counters{clock};

    Decoding(TalkerFilter talkers, bool counted)
    {
        LoadProgramSettings(settings, *gps, store);
        settings.Talkers = talkers;
        if (counted) {
            dispatcher.SetCounters(&counters);
            counters.Start();
        }
    }

    void Dispatch(const std::string& line)
    {
        parse.FullString.assign(line);
        benchmark::DoNotOptimize(dispatcher.Dispatch());
    }
};

// Arguments: the log (GpsReceiver, GnssReceiver), the talkers (0 GPS only,
// 1 all) and whether the lines are counted.
TalkerFilter TalkersOf(const benchmark::State& state)
{
    return state.range(1) != 0 ? TalkerFilter::AllGnss : TalkerFilter::GpsOnly;
}

void BM_DecodeDay(benchmark::State& state)
{
    const std::vector<std::string>& lines = DayLines(static_cast<LogKind>(state.range(0)));
    Decoding decoding(TalkersOf(state), state.range(2) != 0);
    for (auto _ : state) {
        for (const std::string& line : lines)
            decoding.Dispatch(line);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
    state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_DecodeDay)
    ->ArgNames({"gnss_log", "all_talkers", "counted"})
    ->Args({GpsReceiver, 0, 0})
    ->Args({GpsReceiver, 0, 1})
    ->Args({GpsReceiver, 1, 1})
    ->Args({GnssReceiver, 0, 1})
    ->Args({GnssReceiver, 1, 0})
    ->Args({GnssReceiver, 1, 1})
    ->Unit(benchmark::kMillisecond);

void BM_DecodeBadInput(benchmark::State& state)
{
    const std::vector<std::string>& lines = BadLines(static_cast<BadKind>(state.range(0)));
    Decoding decoding(TalkerFilter::AllGnss, state.range(1) != 0);
    for (auto _ : state) {
        for (const std::string& line : lines)
            decoding.Dispatch(line);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
    state.counters["rows"] = static_cast<double>(decoding.counters.IdentifierCount());
}
BENCHMARK(BM_DecodeBadInput)
    ->ArgNames({"noise", "counted"})
    ->Args({Flood, 0})
    ->Args({Flood, 1})
    ->Args({Noise, 0})
    ->Args({Noise, 1})
    ->Unit(benchmark::kMillisecond);

void BM_AllocationsPerLine(benchmark::State& state)
{
    constexpr std::size_t WarmUp = 1000;
    constexpr std::size_t Counted = 100000;
    const std::vector<std::string>& lines = DayLines(static_cast<LogKind>(state.range(0)));
    std::size_t allocations = 0;
    for (auto _ : state) {
        Decoding decoding(TalkersOf(state), true);
        for (std::size_t i = 0; i < WarmUp; ++i)
            decoding.Dispatch(lines[i % lines.size()]);
        const std::size_t before = AllocationCount();
        for (std::size_t i = WarmUp; i < WarmUp + Counted; ++i)
            decoding.Dispatch(lines[i % lines.size()]);
        allocations = AllocationCount() - before;
    }
    state.counters["allocations"] = static_cast<double>(allocations);
    state.counters["allocations_per_line"] = static_cast<double>(allocations) / Counted;
}
BENCHMARK(BM_AllocationsPerLine)
    ->ArgNames({"gnss_log", "all_talkers"})
    ->Args({GpsReceiver, 0})
    ->Args({GnssReceiver, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace trakora

BENCHMARK_MAIN();
