#pragma once

#include "common/SatelliteRows.h"

#include <QWidget>

namespace trakora {

// One satellite on the sky plot: its system's mark, filled when the
// satellite is used in the fix, and its display name beside it. The mark's
// centre is the satellite's place; the widget lets the plot show through.
class SkyMarker : public QWidget {
    Q_OBJECT

public:
    explicit SkyMarker(QWidget* parent = nullptr);

    // Repaints only when what the marker shows changes; the accessible name
    // follows the satellite's figures.
    void SetSatellite(const SatelliteRow& row);
    SatelliteId Satellite() const { return m_id; }
    bool Filled() const { return m_used; }

    // Where the mark's centre lies in the widget.
    QPoint Anchor() const { return {m_markSize / 2, height() / 2}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SatelliteId m_id;
    bool m_used = false;
    bool m_shown = false;
    int m_markSize = 0;
    std::string m_description;
};

} // namespace trakora
