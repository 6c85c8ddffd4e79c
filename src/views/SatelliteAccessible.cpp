#include "views/SatelliteAccessible.h"

#include <QWidget>

namespace trakora {

namespace {

QAccessibleInterface* SatelliteFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* shows = dynamic_cast<const ShowsSatellite*>(object);
    if (widget == nullptr || shows == nullptr)
        return nullptr;
    return new SatelliteAccessible(widget, shows->ShownSatellite(), shows->SatelliteRole());
}

} // namespace

void InstallSatelliteAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(SatelliteFactory);
        return true;
    }();
    (void)installed;
}

SatelliteAccessible::SatelliteAccessible(QWidget* widget, const SatelliteRow& row, QAccessible::Role role)
    : QAccessibleWidget(widget, role), m_row(row)
{
}

QString SatelliteAccessible::text(QAccessible::Text t) const
{
    // A widget not yet given a satellite has no words of its own.
    if (m_row.Id.Valid()) {
        if (t == QAccessible::Name)
            return SatelliteName(m_row);
        if (t == QAccessible::Description)
            return SatelliteSignals(m_row);
    }
    return QAccessibleWidget::text(t);
}

QString SatelliteName(const SatelliteRow& row)
{
    return QString::fromStdString(DescribeSatellite(row));
}

QString SatelliteSignals(const SatelliteRow& row)
{
    return QString::fromStdString(SignalList(row));
}

} // namespace trakora
