#include "app/QtRawLineModel.h"

#include "nmea/SentenceDispatcher.h"

#include <QColor>

#include <algorithm>

namespace trakora {

RawMark MarkFor(const DispatchResult& result)
{
    switch (result.Outcome) {
    case DispatchResult::NoChecksum:
        return RawMark::NoChecksum;
    case DispatchResult::BadChecksum:
        return RawMark::BadChecksum;
    case DispatchResult::Damaged:
        return RawMark::Damaged;
    case DispatchResult::UnknownType:
        return RawMark::Ignored;
    case DispatchResult::OtherTalker:
        return RawMark::OtherTalker;
    case DispatchResult::Decoded:
        break;
    }
    return RawMark::None;
}

// Latin-1 symbols, which every font has: a symbol the list's font lacks
// sends the text layout to search the fallback fonts on every paint.
QString QtRawLineModel::Symbol(RawMark mark)
{
    switch (mark) {
    case RawMark::BadChecksum:
    case RawMark::NoChecksum:
    case RawMark::Damaged:
        return QStringLiteral("\u00D7"); // multiplication sign
    case RawMark::Ignored:
    case RawMark::OtherTalker:
        return QStringLiteral("\u00AC"); // not sign
    case RawMark::None:
        break;
    }
    return {};
}

QString QtRawLineModel::Meaning(RawMark mark)
{
    switch (mark) {
    case RawMark::BadChecksum:
        return QStringLiteral("Checksum wrong");
    case RawMark::NoChecksum:
        return QStringLiteral("No checksum");
    case RawMark::Damaged:
        return QStringLiteral("Damaged: a line break inside, or too long");
    case RawMark::Ignored:
        return QStringLiteral("Ignored: a type that is not decoded");
    case RawMark::OtherTalker:
        return QStringLiteral("Ignored: a talker the Talkers setting leaves out");
    case RawMark::None:
        break;
    }
    return {};
}

int QtRawLineModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant QtRawLineModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return {};
    const RawLine& line = m_lines[static_cast<std::size_t>(index.row())];
    const bool marked = line.Mark != RawMark::None;
    const auto text = [&line] { return QString::fromUtf8(line.Text.data(), static_cast<qsizetype>(line.Text.size())); };
    switch (role) {
    case Qt::DisplayRole:
        return marked ? Symbol(line.Mark) + QLatin1Char(' ') + text() : text();
    case RawTextRole:
        return text();
    case Qt::AccessibleTextRole:
        return marked ? Meaning(line.Mark) + QStringLiteral(": ") + text() : text();
    case Qt::ToolTipRole:
        return marked ? Meaning(line.Mark) : QVariant();
    case Qt::ForegroundRole:
        if (line.Mark == RawMark::BadChecksum || line.Mark == RawMark::NoChecksum || line.Mark == RawMark::Damaged)
            return QColor(0xb7, 0x1c, 0x1c);
        if (marked)
            return QColor(0x6d, 0x6d, 0x6d);
        return {};
    default:
        return {};
    }
}

void QtRawLineModel::Append(std::deque<RawLine>& lines)
{
    if (lines.empty())
        return;
    const int row = Count();
    beginInsertRows(QModelIndex(), row, row + static_cast<int>(lines.size()) - 1);
    for (RawLine& line : lines) {
        if (line.Text.size() > m_longest.size())
            m_longest = line.Text;
        m_lines.push_back(std::move(line));
    }
    endInsertRows();
    lines.clear();
}

void QtRawLineModel::MarkLast(RawMark mark)
{
    if (m_lines.empty() || m_lines.back().Mark == mark)
        return;
    m_lines.back().Mark = mark;
    const QModelIndex last = index(Count() - 1);
    emit dataChanged(last, last);
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
