#pragma once

#include "common/SatelliteRows.h"

#include <QAccessibleWidget>

namespace trakora {

// A widget that shows one satellite.
class ShowsSatellite {
public:
    virtual ~ShowsSatellite() = default;
    virtual const SatelliteRow& ShownSatellite() const = 0;
    virtual QAccessible::Role SatelliteRole() const = 0;
};

// Lets every ShowsSatellite widget speak through SatelliteAccessible; once
// per program, whoever calls first.
void InstallSatelliteAccessibility();

// What a screen reader hears of a satellite shown by a widget (a row of the
// satellite table, a mark on the sky plot): its name is the satellite in
// words, its description the SNR of each signal. Both are put into words
// only when asked for, so the figures changing every second cost nothing.
class SatelliteAccessible : public QAccessibleWidget {
public:
    SatelliteAccessible(QWidget* widget, const SatelliteRow& row, QAccessible::Role role);
    QString text(QAccessible::Text t) const override;

private:
    const SatelliteRow& m_row;
};

// The words of a satellite widget, as a screen reader gets them.
QString SatelliteName(const SatelliteRow& row);
QString SatelliteSignals(const SatelliteRow& row);

} // namespace trakora
