#pragma once

#include "common/SatelliteRows.h"
#include "views/SatelliteAccessible.h"

#include <QWidget>

#include <array>

namespace trakora {

// One row of the satellite table: display name, elevation, azimuth, best
// SNR and a horizontal signal gauge. A satellite not used in the fix is
// drawn grey and in italics. Only the cells whose value changed are
// repainted; a screen reader hears the row as one sentence, and the tooltip
// and accessible description list the SNR of each signal.
class SatelliteRowWidget : public QWidget, public ShowsSatellite {
    Q_OBJECT

public:
    enum Cell { NameCell, ElevationCell, AzimuthCell, SignalCell, GaugeCell, CellCount };

    explicit SatelliteRowWidget(QWidget* parent = nullptr);

    // Positions of the cells across `width` pixels (the header uses them too).
    static std::array<QRect, CellCount> CellRects(int width, int height);

    void SetRow(const SatelliteRow& row);
    const SatelliteRow& Row() const { return m_row; }
    const SatelliteRow& ShownSatellite() const override { return m_row; }
    QAccessible::Role SatelliteRole() const override { return QAccessible::Row; }

    // The gauge's share filled, 0 to 1: the SNR on a scale of 0 to 50 dB-Hz.
    double GaugeFraction() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QString CellText(int cell) const;

    SatelliteRow m_row;
    bool m_filled = false;
    QFont m_usedFont;
    QFont m_unusedFont;
};

} // namespace trakora
