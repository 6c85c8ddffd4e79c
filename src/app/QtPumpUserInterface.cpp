#include "app/QtPumpUserInterface.h"

#include "common/ProgramMessageBox.h"

#include <QApplication>

namespace trakora {

void QtMessageBox::ShowMessage(std::string_view text)
{
    ShowProgramMessage(m_parent ? m_parent() : nullptr, text);
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
