#pragma once

#include "common/ProgramSettings.h"
#include "nmea/GpsState.h"
#include "nmea/LogSink.h"
#include "nmea/NMEAParse.h"
#include "nmea/SentenceDispatcher.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trakora::testing {

// "$" + body + "*hh" with the checksum a receiver would send.
inline std::string Sentence(std::string_view body)
{
    unsigned sum = 0;
    for (char c : body)
        sum ^= static_cast<unsigned char>(c);
    char suffix[4];
    std::snprintf(suffix, sizeof suffix, "*%02X", sum);
    return "$" + std::string(body) + suffix;
}

class MemoryLog : public ILogSink {
public:
    bool IsOpen() const override { return Open; }
    bool WriteLine(std::string_view line) override
    {
        if (!Open || FailWrites)
            return false;
        Lines.emplace_back(line);
        return true;
    }
    std::string LastError() const override { return "Error 28 - No space left on device"; }

    bool Open = true, FailWrites = false;
    std::vector<std::string> Lines;
};

class RawLines : public IRawLineSink {
public:
    void AddRawLine(std::string_view line) override { Lines.emplace_back(line); }
    std::vector<std::string> Lines;
};

class Messages : public IMessageSink {
public:
    void ShowMessage(std::string_view text) override { Shown.emplace_back(text); }
    std::vector<std::string> Shown;
};

// The dispatcher with everything it talks to, as the program wires it.
struct Harness {
    // GPS talkers only, unless a test asks for all.
    explicit Harness(TalkerFilter talkers = TalkerFilter::GpsOnly)
        : Gps(std::make_unique<GpsState>()), Gnss(std::make_unique<GnssState>()),
          Dispatcher(Parse, *Gps, *Gnss, Settings, Log, Shown)
    {
        Settings.Talkers = talkers;
        Dispatcher.SetRawLineSink(&Raw);
    }

    DispatchResult Feed(std::string_view line)
    {
        Parse.FullString.assign(line);
        return Dispatcher.Dispatch();
    }

    // Feeds a body with a correct checksum.
    DispatchResult FeedBody(std::string_view body) { return Feed(Sentence(body)); }

    NMEAParse Parse;
    std::unique_ptr<GpsState> Gps;
    std::unique_ptr<GnssState> Gnss;
    ProgramSettings Settings;
    MemoryLog Log;
    RawLines Raw;
    Messages Shown;
    SentenceDispatcher Dispatcher;
};

// True when `actual` equals `expected` in every field but the split sentence,
// which each line replaces anyway.
inline bool SameStateBesidesSentence(const GpsState& expected, const GpsState& actual)
{
    auto copy = std::make_unique<GpsState>(expected);
    copy->SentenceField = actual.SentenceField;
    copy->SentenceFieldCount = actual.SentenceFieldCount;
    return *copy == actual;
}

// Feeds `body` and checks that it changed exactly what `change` sets on a copy
// of the state before.
inline void ExpectChange(Harness& h, const std::string& body, const std::function<void(GpsState&)>& change)
{
    auto expected = std::make_unique<GpsState>(*h.Gps);
    h.FeedBody(body);
    change(*expected);
    EXPECT_TRUE(SameStateBesidesSentence(*expected, *h.Gps)) << body;
}

} // namespace trakora::testing
