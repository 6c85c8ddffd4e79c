#pragma once

#include <cstdint>

namespace trakora {

// Milliseconds from an arbitrary start that never go backwards, for measuring
// how long things take; replaced by a scripted clock in tests.
class IMonotonicClock {
public:
    virtual ~IMonotonicClock() = default;
    virtual std::int64_t Milliseconds() = 0;
};

// The system's monotonic clock, read at its coarse resolution (a few
// milliseconds), which costs a few nanoseconds a read.
class SteadyClock : public IMonotonicClock {
public:
    std::int64_t Milliseconds() override;
};

} // namespace trakora
