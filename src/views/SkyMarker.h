#pragma once

#include "common/SatelliteRows.h"
#include "views/SatelliteAccessible.h"

#include <QWidget>

namespace trakora {

// One satellite on the sky plot: its system's mark, filled when the
// satellite is used in the fix, and its display name beside it. The mark's
// centre is the satellite's place; the widget lets the plot show through.
class SkyMarker : public QWidget, public ShowsSatellite {
    Q_OBJECT

public:
    explicit SkyMarker(QWidget* parent = nullptr);

    // Repaints only when the satellite or its use in the fix changes.
    void SetSatellite(const SatelliteRow& row);
    SatelliteId Satellite() const { return m_row.Id; }
    bool Filled() const { return m_row.Used; }
    const SatelliteRow& ShownSatellite() const override { return m_row; }
    QAccessible::Role SatelliteRole() const override { return QAccessible::Graphic; }

    // Where the mark's centre lies in the widget.
    QPoint Anchor() const { return {m_markSize / 2, height() / 2}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SatelliteRow m_row;
    bool m_shown = false;
    int m_markSize = 0;
};

} // namespace trakora
