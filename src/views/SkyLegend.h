#pragma once

#include "nmea/GnssSystem.h"

#include <QWidget>

namespace trakora {

// A small key to the sky plot: the mark of each system shown, with its name.
class SkyLegend : public QWidget {
    Q_OBJECT

public:
    explicit SkyLegend(QWidget* parent = nullptr);

    // Sizes itself to the systems listed; repaints only when they change.
    void SetSystems(GnssSystemSet systems);
    GnssSystemSet Systems() const { return m_systems; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int LineHeight() const;

    GnssSystemSet m_systems = 0;
};

} // namespace trakora
