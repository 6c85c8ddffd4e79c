#pragma once

#include "app/RawLineBuffer.h"

#include <QAbstractListModel>
#include <QString>

#include <deque>
#include <string>

namespace trakora {

struct DispatchResult;

RawMark MarkFor(const DispatchResult& result);

// The lines of the raw NMEA list, oldest first, as received (UTF-8), each
// with its mark. Only the rows the list shows are turned into text for it.
// Appending at the end and dropping from the front are both cheap, so the
// list can hold tens of thousands of lines.
class QtRawLineModel : public QAbstractListModel {
public:
    // The line as received, without its mark.
    static constexpr int RawTextRole = Qt::UserRole;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int Count() const { return static_cast<int>(m_lines.size()); }
    // Takes the lines over.
    void Append(std::deque<RawLine>& lines);
    // Marks the newest line.
    void MarkLast(RawMark mark);
    // Drops up to n of the oldest lines.
    void RemoveOldest(int n);
    // The longest line appended so far (still held or not): the list is made
    // wide enough for it.
    QString Longest() const { return QString::fromUtf8(m_longest.data(), static_cast<qsizetype>(m_longest.size())); }

    // The symbol put before a marked line, and what it means in words.
    static QString Symbol(RawMark mark);
    static QString Meaning(RawMark mark);

private:
    std::deque<RawLine> m_lines;
    std::string m_longest;
};

} // namespace trakora
