#pragma once

#include <array>
#include <cstdint>

namespace trakora {

// Counts of satellites in view and in use, sampled while the Satellite
// Information window is open: a histogram of each count and the running
// sums behind the averages.
//
// The histograms have bins 0 to 12. Growing, they get as many bins as the
// largest count sampled needs, up to MaxBins; otherwise a larger count lands
// in bin 12.
class SatCountStatistics {
public:
    static constexpr int DesignBins = 13;
    static constexpr int MaxBins = 65; // a count for every satellite the table holds

    // Whether the bins follow the largest count (every talker) or stop at 12.
    void SetGrowing(bool growing);
    bool Growing() const { return m_growing; }

    // Bins in use: 13, or more while growing and a larger count has been sampled.
    int Bins() const { return m_bins; }

    // The histogram bin of a count. A damaged sentence may bring a negative
    // count and a receiver more satellites than there are bins; both land in
    // the nearest bin, so nothing reads or writes outside the table.
    int Bin(std::int32_t count) const;

    void Clear();
    void AddSample(std::int32_t inView, std::int32_t used);

    std::int32_t SampleCount() const { return m_sampleCount; }
    std::int32_t InViewCount(int bin) const { return m_inViewCounts[static_cast<std::size_t>(bin)]; }
    std::int32_t TrackedCount(int bin) const { return m_trackedCounts[static_cast<std::size_t>(bin)]; }

    // Share of the samples in a bin, in percent (0 before the first sample).
    double InViewPercent(int bin) const { return Percent(InViewCount(bin)); }
    double TrackedPercent(int bin) const { return Percent(TrackedCount(bin)); }

    double InViewAverage() const { return Average(m_inViewSum); }
    double TrackedAverage() const { return Average(m_trackedSum); }

private:
    double Percent(std::int32_t count) const;
    double Average(float sum) const;
    int Limit() const { return m_growing ? MaxBins : DesignBins; }

    std::array<std::int32_t, MaxBins> m_inViewCounts{};
    std::array<std::int32_t, MaxBins> m_trackedCounts{};
    std::int32_t m_sampleCount = 0;
    float m_inViewSum = 0;
    float m_trackedSum = 0;
    int m_bins = DesignBins;
    bool m_growing = false;
};

} // namespace trakora
