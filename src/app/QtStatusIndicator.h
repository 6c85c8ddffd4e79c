#pragma once

#include "nmea/StreamDiagnosis.h"

#include <QWidget>

class QLabel;

namespace trakora {

// The input's status at a glance: a coloured dot and a few words ("12
// lines/s", "No data", "Checksum errors"); the words carry the meaning, the
// colour repeats it. The tooltip holds the health line.
class QtStatusIndicator : public QWidget {
public:
    explicit QtStatusIndicator(QWidget* parent = nullptr);

    void Show(const StreamDiagnosis& diagnosis);

    StreamLevel Level() const { return m_level; }
    QString Text() const;

    static QColor LevelColor(StreamLevel level);

private:
    class Dot;

    Dot* m_shpStatus;
    QLabel* m_lblStatus;
    StreamLevel m_level = StreamLevel::Idle;
};

} // namespace trakora
