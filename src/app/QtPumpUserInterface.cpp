#include "app/QtPumpUserInterface.h"

#include "common/WindowRoutines.h"

#include <QApplication>
#include <QMessageBox>

namespace trakora {

void QtMessageBox::ShowMessage(std::string_view text)
{
    QMessageBox::information(m_parent ? m_parent() : nullptr, QApplication::applicationName(), Q(text),
                             QMessageBox::Ok);
}

void QtPumpUserInterface::Yield()
{
    if (m_sinceYield.isValid() && m_sinceYield.elapsed() < MinimumYieldInterval)
        return;
    QApplication::processEvents();
    m_sinceYield.start();
}

void QtPumpUserInterface::OpenSettingsDialog()
{
    if (m_openSettings)
        m_openSettings();
}

} // namespace trakora
