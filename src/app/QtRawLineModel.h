#pragma once

#include <QAbstractListModel>
#include <QString>

#include <deque>
#include <string>

namespace trakora {

// The lines of the raw NMEA list, oldest first, as received (UTF-8). Only
// the rows the list shows are turned into text for it. Appending at the end
// and dropping from the front are both cheap, so the list can hold tens of
// thousands of lines.
class QtRawLineModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int Count() const { return static_cast<int>(m_lines.size()); }
    // Takes the lines over.
    void Append(std::deque<std::string>& lines);
    // Drops up to n of the oldest lines.
    void RemoveOldest(int n);

private:
    std::deque<std::string> m_lines;
};

} // namespace trakora
