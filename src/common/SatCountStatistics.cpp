#include "common/SatCountStatistics.h"

#include <algorithm>
#include <utility>

namespace trakora {

void SatCountStatistics::SetGrowing(bool growing)
{
    if (growing == m_growing)
        return;
    m_growing = growing;
    // Counts kept in bins beyond 12 go back into bin 12 when growth stops.
    if (!growing) {
        for (int n = DesignBins; n < m_bins; ++n) {
            const auto from = static_cast<std::size_t>(n);
            m_inViewCounts[DesignBins - 1] += std::exchange(m_inViewCounts[from], 0);
            m_trackedCounts[DesignBins - 1] += std::exchange(m_trackedCounts[from], 0);
        }
        m_bins = DesignBins;
    }
}

int SatCountStatistics::Bin(std::int32_t count) const
{
    return static_cast<int>(std::clamp<std::int32_t>(count, 0, Limit() - 1));
}

void SatCountStatistics::Clear()
{
    m_inViewCounts.fill(0);
    m_trackedCounts.fill(0);
    m_sampleCount = 0;
    m_inViewSum = 0;
    m_trackedSum = 0;
    m_bins = DesignBins;
}

void SatCountStatistics::AddSample(std::int32_t inView, std::int32_t used)
{
    const int viewBin = Bin(inView);
    const int usedBin = Bin(used);
    ++m_sampleCount;
    ++m_inViewCounts[static_cast<std::size_t>(viewBin)];
    ++m_trackedCounts[static_cast<std::size_t>(usedBin)];
    m_bins = std::max({m_bins, viewBin + 1, usedBin + 1});
    m_inViewSum += static_cast<float>(inView);
    m_trackedSum += static_cast<float>(used);
}

double SatCountStatistics::Percent(std::int32_t count) const
{
    return m_sampleCount > 0 ? static_cast<double>(count) / m_sampleCount * 100.0 : 0.0;
}

double SatCountStatistics::Average(float sum) const
{
    return m_sampleCount > 0 ? static_cast<double>(sum) / m_sampleCount : 0.0;
}

} // namespace trakora
