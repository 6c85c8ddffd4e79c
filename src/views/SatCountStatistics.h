#pragma once

#include <array>
#include <cstdint>

namespace trakora {

// Counts of satellites in view and in use, sampled while the Satellite
// Information window is open: a histogram of each count (0 to 12) and the
// running sums behind the averages.
class SatCountStatistics {
public:
    static constexpr int Bins = 13;

    // The histogram bin of a count. A receiver may report more than 12
    // satellites in view, and a damaged sentence a negative count; both land
    // in the nearest bin so nothing reads or writes outside the table.
    static int Bin(std::int32_t count);

    void Clear();
    void AddSample(std::int32_t inView, std::int32_t used);

    std::int32_t SampleCount() const { return m_sampleCount; }
    std::int32_t InViewCount(int bin) const { return m_inViewCounts[bin]; }
    std::int32_t TrackedCount(int bin) const { return m_trackedCounts[bin]; }

    // Share of the samples in a bin, in percent (0 before the first sample).
    double InViewPercent(int bin) const { return Percent(m_inViewCounts[bin]); }
    double TrackedPercent(int bin) const { return Percent(m_trackedCounts[bin]); }

    double InViewAverage() const { return Average(m_inViewSum); }
    double TrackedAverage() const { return Average(m_trackedSum); }

private:
    double Percent(std::int32_t count) const;
    double Average(float sum) const;

    std::array<std::int32_t, Bins> m_inViewCounts{};
    std::array<std::int32_t, Bins> m_trackedCounts{};
    std::int32_t m_sampleCount = 0;
    float m_inViewSum = 0;
    float m_trackedSum = 0;
};

} // namespace trakora
