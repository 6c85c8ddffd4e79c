// Throughput of check, split and decode over generated 24-hour logs, with
// GPS talkers only and with all talkers, and the heap allocations a
// warmed-up dispatcher makes per line.
#include "AllocationCounter.h"
#include "common/LoadProgramSettings.h"
#include "nmea/LogFile.h"
#include "nmea/SentenceDispatcher.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
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

// The program's records as they are at start, with recording off.
struct Decoding {
    MemorySettingsStore store;
    ProgramSettings settings;
    std::unique_ptr<GpsState> gps = std::make_unique<GpsState>();
    std::unique_ptr<GnssState> gnss = std::make_unique<GnssState>();
    NMEAParse parse;
    LogFile log;
    NoMessages messages;
    SentenceDispatcher dispatcher{parse, *gps, *gnss, settings, log, messages};

    explicit Decoding(TalkerFilter talkers)
    {
        LoadProgramSettings(settings, *gps, store);
        settings.Talkers = talkers;
    }

    void Dispatch(const std::string& line)
    {
        parse.FullString.assign(line);
        benchmark::DoNotOptimize(dispatcher.Dispatch());
    }
};

// Arguments: the log (GpsReceiver, GnssReceiver) and the talkers (0 GPS only, 1 all).
TalkerFilter TalkersOf(const benchmark::State& state)
{
    return state.range(1) != 0 ? TalkerFilter::AllGnss : TalkerFilter::GpsOnly;
}

void BM_DecodeDay(benchmark::State& state)
{
    const std::vector<std::string>& lines = DayLines(static_cast<LogKind>(state.range(0)));
    Decoding decoding(TalkersOf(state));
    for (auto _ : state) {
        for (const std::string& line : lines)
            decoding.Dispatch(line);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
    state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_DecodeDay)
    ->ArgNames({"gnss_log", "all_talkers"})
    ->Args({GpsReceiver, 0})
    ->Args({GpsReceiver, 1})
    ->Args({GnssReceiver, 0})
    ->Args({GnssReceiver, 1})
    ->Unit(benchmark::kMillisecond);

void BM_AllocationsPerLine(benchmark::State& state)
{
    constexpr std::size_t WarmUp = 1000;
    constexpr std::size_t Counted = 100000;
    const std::vector<std::string>& lines = DayLines(static_cast<LogKind>(state.range(0)));
    std::size_t allocations = 0;
    for (auto _ : state) {
        Decoding decoding(TalkersOf(state));
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
