#pragma once

#include "NmeaTestHarness.h"

#include "nmea/StreamCounters.h"

namespace trakora::testing {

struct ScriptedMilliseconds : IMonotonicClock {
    std::int64_t Milliseconds() override { return Ms; }
    std::int64_t Ms = 5'000'000;
};

// The dispatcher feeding the stream counters, on a scripted clock.
struct CountingHarness : Harness {
    explicit CountingHarness(TalkerFilter talkers = TalkerFilter::GpsOnly) : Harness(talkers)
    {
        Dispatcher.SetCounters(&Counters);
    }
    // The row of an identifier, or null.
    const IdentifierCounts* Row(std::string_view identifier) const
    {
        for (std::size_t row = 0; row < Counters.IdentifierCount(); ++row)
            if (Counters.Identifier(row) == identifier)
                return &Counters.Counts(row);
        return nullptr;
    }

    ScriptedMilliseconds Clock;
    StreamCounters Counters{Clock};
};

} // namespace trakora::testing
