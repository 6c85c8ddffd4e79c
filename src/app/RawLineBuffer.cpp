#include "app/RawLineBuffer.h"

#include "common/LeadingNumber.h"

#include <algorithm>

namespace trakora {

// 15 % of the list, but 200 lines where that would be over 500.
int RawLineBuffer::TrimAmount(int count)
{
    const int n = static_cast<int>(RoundHalfEven(count * 0.15));
    return n > 500 ? 200 : n;
}

void RawLineBuffer::Add(std::string_view line, int limit, int shown, RawMark mark)
{
    if (m_count < 0)
        m_count = shown;
    if (m_count > limit)
        m_count -= TrimAmount(m_count);
    ++m_count;
    m_pending.push_back({std::string(line), mark});
    while (static_cast<int>(m_pending.size()) > m_count)
        m_pending.pop_front();
}

RawLineBuffer::Batch RawLineBuffer::Take(int shown)
{
    Batch batch;
    if (m_count >= 0)
        batch.DropOldest = std::max(0, shown - (m_count - static_cast<int>(m_pending.size())));
    batch.Lines.swap(m_pending);
    m_count = -1;
    return batch;
}

bool RawLineBuffer::MarkLast(RawMark mark)
{
    if (m_pending.empty())
        return false;
    m_pending.back().Mark = mark;
    return true;
}

void RawLineBuffer::Clear()
{
    m_pending.clear();
    m_count = -1;
}

} // namespace trakora
