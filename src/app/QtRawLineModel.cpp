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
    return m_lines[static_cast<std::size_t>(index.row())];
}

void QtRawLineModel::Append(const QString& line)
{
    const int row = Count();
    beginInsertRows(QModelIndex(), row, row);
    m_lines.push_back(line);
    if (line.size() > m_longest.size())
        m_longest = line;
    endInsertRows();
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
