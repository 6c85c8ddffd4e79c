#pragma once

#include "longterm/PositionSpread.h"

#include <cstddef>
#include <vector>

namespace trakora {

// The latest samples of one row as offsets in metres from the row's spread
// reference, for the scatter plot. A ring of fixed capacity: adding is cheap
// whether or not the plot is shown, and memory is taken only once a sample
// arrives.
class SampleCloud {
public:
    static constexpr std::size_t Capacity = 2000;

    void Add(const LocalOffset& offset);
    void Clear();
    std::size_t Size() const { return m_points.size(); }
    // Sample i, the oldest first.
    LocalOffset At(std::size_t i) const;

private:
    struct Point {
        float North;
        float East;
    };
    std::vector<Point> m_points;
    std::size_t m_next = 0; // slot of the next sample once the ring is full
};

// How the scatter plot fits its samples: the half-width of the square shown
// around the mean, and a scale bar of a round length (1, 2 or 5 times a power
// of ten) that takes at most half of it. All in metres.
struct ScatterScale {
    double HalfWidth = 1;
    double ScaleBar = 0.5;
};

// Shows every sample and the CEP95 circle with a margin; at least 1 metre.
ScatterScale ScaleFor(const SampleCloud& cloud, const LocalOffset& mean, double cep95);

// The largest 1, 2 or 5 times a power of ten not above length.
double RoundLength(double length);

} // namespace trakora
