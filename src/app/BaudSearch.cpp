#include "app/BaudSearch.h"

#include <algorithm>

namespace trakora {

void BaudSearch::Begin(std::int32_t first)
{
    const bool known = std::find(SerialBaudRates.begin(), SerialBaudRates.end(), first) != SerialBaudRates.end();
    m_rate = known ? first : SerialBaudRates.front();
    m_runs = 0;
    m_searching = true;
}

std::int32_t BaudSearch::AfterRun(bool checkedLineSeen)
{
    if (!m_searching)
        return 0;
    if (checkedLineSeen) {
        m_searching = false;
        return 0;
    }
    if (++m_runs < RunsPerRate)
        return 0;
    m_runs = 0;
    const auto at = std::find(SerialBaudRates.begin(), SerialBaudRates.end(), m_rate);
    const auto next = (at == SerialBaudRates.end() || at + 1 == SerialBaudRates.end()) ? SerialBaudRates.begin() : at + 1;
    m_rate = *next;
    return m_rate;
}

} // namespace trakora
