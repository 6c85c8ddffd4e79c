#include "longterm/SampleCloud.h"

#include <algorithm>
#include <cmath>

namespace trakora {

void SampleCloud::Add(const LocalOffset& offset)
{
    const Point point{static_cast<float>(offset.North), static_cast<float>(offset.East)};
    if (m_points.size() < Capacity) {
        m_points.push_back(point);
        return;
    }
    m_points[m_next] = point;
    m_next = (m_next + 1) % Capacity;
}

void SampleCloud::Clear()
{
    m_points.clear();
    m_next = 0;
}

LocalOffset SampleCloud::At(std::size_t i) const
{
    const Point& point = m_points[(m_next + i) % m_points.size()];
    return {point.North, point.East};
}

double RoundLength(double length)
{
    if (!(length > 0) || !std::isfinite(length))
        return 0;
    double power = std::pow(10.0, std::floor(std::log10(length)));
    // log10 may round across a power of ten.
    if (power * 10 <= length)
        power *= 10;
    else if (power > length)
        power /= 10;
    for (double step : {5.0, 2.0, 1.0})
        if (step * power <= length)
            return step * power;
    return power;
}

ScatterScale ScaleFor(const SampleCloud& cloud, const LocalOffset& mean, double cep95)
{
    double reach = std::isfinite(cep95) ? cep95 : 0;
    for (std::size_t i = 0; i < cloud.Size(); ++i) {
        const LocalOffset p = cloud.At(i);
        reach = std::max({reach, std::fabs(p.North - mean.North), std::fabs(p.East - mean.East)});
    }
    ScatterScale scale;
    scale.HalfWidth = std::max(1.0, reach * 1.1);
    scale.ScaleBar = RoundLength(scale.HalfWidth / 2);
    return scale;
}

} // namespace trakora
