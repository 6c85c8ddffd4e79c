#pragma once

#include <QAbstractListModel>
#include <QString>

#include <deque>

namespace trakora {

struct DispatchResult;

// What the dispatcher made of a line that was not decoded. The mark is shown
// as a symbol before the line and a colour, never stored with the line.
enum class RawMark : quint8 { None, BadChecksum, NoChecksum, Damaged, Ignored, OtherTalker };

RawMark MarkFor(const DispatchResult& result);

// The lines of the raw NMEA list, oldest first, each with its mark.
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
    void Append(const QString& line, RawMark mark = RawMark::None);
    // Marks the newest line.
    void MarkLast(RawMark mark);
    // Drops up to n of the oldest lines.
    void RemoveOldest(int n);
    // The longest line appended so far (still held or not): the list is made
    // wide enough for it.
    const QString& Longest() const { return m_longest; }

    // The symbol put before a marked line, and what it means in words.
    static QString Symbol(RawMark mark);
    static QString Meaning(RawMark mark);

private:
    struct Line {
        QString Text;
        RawMark Mark = RawMark::None;
    };
    std::deque<Line> m_lines;
    QString m_longest;
};

} // namespace trakora
