#include "app/QtRawLineModel.h"

#include <algorithm>

namespace trakora {

int QtRawLineModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant QtRawLineModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    const std::string& line = m_lines[static_cast<std::size_t>(index.row())];
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

void QtRawLineModel::Append(std::deque<std::string>& lines)
{
    if (lines.empty())
        return;
    const int row = Count();
    beginInsertRows(QModelIndex(), row, row + static_cast<int>(lines.size()) - 1);
    for (std::string& line : lines)
        m_lines.push_back(std::move(line));
    endInsertRows();
    lines.clear();
}

void QtRawLineModel::RemoveOldest(int n)
{
    n = std::min(n, Count());
    if (n <= 0)
        return;
    beginRemoveRows(QModelIndex(), 0, n - 1);
    m_lines.erase(m_lines.begin(), m_lines.begin() + n);
    endRemoveRows();
}

} // namespace trakora
