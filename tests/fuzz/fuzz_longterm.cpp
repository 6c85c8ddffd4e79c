// The long-term averaging driven by decoded sentences, a clock and a store
// in memory. Each input line is a sentence, dispatched as a replay does, a
// sampling pass following every $GPGGA one second later; or a command:
//   #tick N             N seconds on, then a pass
//   #start, #save, #clear y|n, #reload (the window closed and opened again)
//   #enable R 0|1, #interval R N (none or 1..60, as the window's list),
//   #type R N (none, Secs, Mins, Hours), #threshold TEXT
//   #format N (degree format), #unit XX (small unit)
//   #store SECTION KEY VALUE (an entry as a damaged file may hold it, read
//   by the window opened again without saving)
// Rows 0 to 2 start enabled (1 Secs, 1 Mins, 1 Hours) and sampling is
// started. Nothing the averaging works out may show a NUL, no average may
// show 60 minutes and no count may turn negative.
#include "FuzzSupport.h"

#include "common/ProgramSettings.h"
#include "common/SettingsStore.h"
#include "longterm/LongTermSampler.h"
#include "nmea/NMEAParse.h"
#include "nmea/SentenceDispatcher.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

using namespace trakora;
using trakora::fuzz::Require;

namespace {

struct Clock : IClock {
    LocalTime Now() override { return Time; }
    LocalTime Time = ToLocalTime(CivilDateTime{2024, 5, 1, 12, 0, 0});
};

struct NoNulView : ILongTermView {
    static void Shown(std::string_view text) { Require(text.find('\0') == std::string_view::npos, "no NUL shown"); }
    void ShowStatus(std::string_view text, StatusColour) override { Shown(text); }
    void ShowNow(std::string_view text) override { Shown(text); }
    void ShowTopDOP(std::string_view text) override { Shown(text); }
    void ShowStartTime(std::string_view text) override { Shown(text); }
    void ShowSamples(int, std::string_view text) override { Shown(text); }
    void ShowSamplesTip(int, std::string_view tip) override { Shown(tip); }
    void ShowAverages(int, std::string_view lat, std::string_view lon) override
    {
        for (std::string_view average : {lat, lon}) {
            Shown(average);
            Require(average.find("\xC2\xB0 60") == std::string_view::npos, "no average shows 60 minutes");
        }
    }
    void ShowRowChoices(int, bool, std::string_view interval, std::string_view type) override { Shown(interval), Shown(type); }
    void UntickRow(int) override {}
    void ShowAltitude(std::string_view average, std::string_view samples) override { Shown(average), Shown(samples); }
    void ShowThreshold(std::string_view) override {} // the user's own text, as typed or stored
    void ShowSpread(int) override {}
    void ShowAltitudeSpread(std::string_view sigmaUp) override { Shown(sigmaUp); }
    void ShowHeldCounts(const HeldCounts&) override {}
    void DisableStart() override {}
};

struct Hooks : ILongTermHooks {
    void Yield() override {}
    bool AskYesNo(std::string_view, std::string_view) override { return Answer; }
    bool Answer = false;
};

struct NoMessages : IMessageSink {
    void ShowMessage(std::string_view) override {}
};

// Recording stays off (WriteData 0).
struct NoLog : ILogSink {
    bool IsOpen() const override { return false; }
    bool WriteLine(std::string_view) override { return false; }
    std::string LastError() const override { return {}; }
};

struct Rig {
    Rig()
    {
        const char* types[] = {"Secs", "Mins", "Hours"};
        for (int r = 0; r < 3; ++r) {
            Store.Save("LTEnab", std::to_string(r), "1");
            Store.Save("LTTime", std::to_string(r), "1");
            Store.Save("LTInt", std::to_string(r), types[r]);
        }
        Reopen(false);
        Sampler->Start();
    }

    // The window opened again; a closing window saves its sums first.
    void Reopen(bool save)
    {
        if (Sampler) {
            Sampler->Close();
            if (save)
                Sampler->SaveAllData();
        }
        Sampler = std::make_unique<LongTermSampler>(*Gps, Settings, Store, Time, View, Answers);
        Sampler->Load();
    }

    void Pass()
    {
        Sampler->TimerPop();
        Require(Sampler->AltSampleCount() >= 0, "the altitude sample count never turns negative");
        for (int r = 0; r < LongTermRows; ++r)
            Require(Sampler->Row(r).RowSampleCount >= 0, "no row's sample count turns negative");
    }

    void Command(std::string_view line)
    {
        std::istringstream words{std::string(line)};
        std::string command, first, rest;
        words >> command >> first;
        std::getline(words >> std::ws, rest);
        const int row = static_cast<int>(std::strtoul(first.c_str(), nullptr, 10) % LongTermRows);
        if (command == "#tick") {
            Time.Time += std::strtoll(first.c_str(), nullptr, 10) % 100000000;
            Pass();
        } else if (command == "#start") {
            Sampler->Start();
        } else if (command == "#save") {
            Sampler->SaveAllData();
        } else if (command == "#clear") {
            Answers.Answer = first == "y";
            Sampler->ClearStats();
        } else if (command == "#reload") {
            Reopen(true);
        } else if (command == "#enable") {
            Sampler->SetEnabled(row, rest == "1");
        } else if (command == "#interval") { // the window's list: none or 1 to 60
            const unsigned long n = std::strtoul(rest.c_str(), nullptr, 10) % 61;
            Sampler->SetInterval(row, n == 0 ? std::string() : std::to_string(n));
        } else if (command == "#type") {
            static const char* const types[] = {"", "Secs", "Mins", "Hours"};
            Sampler->SetType(row, types[std::strtoul(rest.c_str(), nullptr, 10) % 4]);
        } else if (command == "#threshold") {
            Sampler->SetThreshold(first);
        } else if (command == "#format") {
            Settings.DegreeFormat = std::atoi(first.c_str());
        } else if (command == "#unit") {
            Settings.SmallUnit = first;
        } else if (command == "#store") {
            const std::size_t blank = rest.find(' ');
            Store.Save(first, rest.substr(0, blank), blank == std::string::npos ? "" : rest.substr(blank + 1));
            Reopen(false);
        }
    }

    std::unique_ptr<GpsState> Gps = std::make_unique<GpsState>();
    std::unique_ptr<GnssState> Gnss = std::make_unique<GnssState>();
    ProgramSettings Settings;
    NMEAParse Parse;
    NoMessages Messages;
    NoLog Log;
    SentenceDispatcher Dispatcher{Parse, *Gps, *Gnss, Settings, Log, Messages};
    MemorySettingsStore Store;
    Clock Time;
    NoNulView View;
    Hooks Answers;
    std::unique_ptr<LongTermSampler> Sampler;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    Rig rig;
    for (std::size_t start = 0; start < input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        std::string_view line = input.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.substr(0, 1) == "#") {
            rig.Command(line);
            continue;
        }
        rig.Parse.FullString.assign(line);
        rig.Dispatcher.Dispatch();
        if (rig.Gps->SentenceField[0] == "$GPGGA") {
            rig.Time.Time += 1;
            rig.Pass();
        }
    }
    return 0;
}
