#include "views/SatCountStatistics.h"

#include <algorithm>

namespace trakora {

int SatCountStatistics::Bin(std::int32_t count)
{
    return static_cast<int>(std::clamp<std::int32_t>(count, 0, Bins - 1));
}

void SatCountStatistics::Clear()
{
    m_inViewCounts.fill(0);
    m_trackedCounts.fill(0);
    m_sampleCount = 0;
    m_inViewSum = 0;
    m_trackedSum = 0;
}

void SatCountStatistics::AddSample(std::int32_t inView, std::int32_t used)
{
    ++m_sampleCount;
    ++m_inViewCounts[Bin(inView)];
    ++m_trackedCounts[Bin(used)];
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
