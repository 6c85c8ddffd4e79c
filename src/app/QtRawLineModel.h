#pragma once

#include <QAbstractListModel>
#include <QString>

#include <deque>

namespace trakora {

// The lines of the raw NMEA list, oldest first. Appending at the end and
// dropping from the front are both cheap, so the list can hold tens of
// thousands of lines.
class QtRawLineModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int Count() const { return static_cast<int>(m_lines.size()); }
    void Append(const QString& line);
    // Drops up to n of the oldest lines.
    void RemoveOldest(int n);
    // The longest line appended so far (still held or not): the list is made
    // wide enough for it.
    const QString& Longest() const { return m_longest; }

private:
    std::deque<QString> m_lines;
    QString m_longest;
};

} // namespace trakora
