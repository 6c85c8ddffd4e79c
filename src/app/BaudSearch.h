#pragma once

#include "common/ReceiverOptions.h"

#include <cstdint>

namespace trakora {

// Finds the rate a receiver talks at when the baud setting is Auto: each rate
// of SerialBaudRates in turn is given a few pump runs (about three seconds of
// input) to deliver one line that passes its checksum; the first that does
// is kept.
class BaudSearch {
public:
    static constexpr int RunsPerRate = 4;

    // Starts the search at `first` (a rate found before, or 4800).
    void Begin(std::int32_t first);
    void Cancel() { m_searching = false; }
    bool Searching() const { return m_searching; }
    std::int32_t Rate() const { return m_rate; }

    // After each pump run: whether a line passed its checksum in it. Returns
    // the rate to switch the port to, or 0 to stay at the current one.
    std::int32_t AfterRun(bool checkedLineSeen);

private:
    bool m_searching = false;
    std::int32_t m_rate = DefaultBaud;
    int m_runs = 0;
};

} // namespace trakora
