#include "common/TrackedWindow.h"

#include "common/LoadProgramSettings.h"
#include "common/WindowRoutines.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>

namespace trakora {

TrackedWindow::TrackedWindow(ProgramContext& context, std::string section, std::string showingKey,
                             std::int32_t ProgramSettings::*showingFlag, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_section(std::move(section)),
      m_showingKey(std::move(showingKey)), m_showingFlag(showingFlag)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void TrackedWindow::MarkOpen()
{
    m_forThisRunOnly = m_context.Settings.OpeningForThisRun != 0;
    if (!m_forThisRunOnly)
        m_context.Store.Save("Showing", m_showingKey, FlagText(true));
    m_context.Settings.*m_showingFlag = FlagSet;
}

void TrackedWindow::RestorePosition()
{
    const char* const missing = "\n"; // a value the program never writes
    m_hasStoredPlace = m_context.Store.Get(m_section, "Left", missing) != missing &&
                       m_context.Store.Get(m_section, "Top", missing) != missing;
    move(RestoredPosition(m_context.Store, m_section));
}

bool TrackedWindow::ReceiverHasReported() const
{
    const GpsState& gps = m_context.Gps;
    return gps.UtcTime[0] != '\0' || gps.RMCStatus[0] != '\0' || gps.GLLStatus[0] != '\0' ||
           gps.FixQuality[0] != '\0' || gps.SatsInView != 0;
}

QSize TrackedWindow::AvailableClientSize() const
{
    const QRect frame = frameGeometry();
    return AvailableArea(frame).size() - (frame.size() - size());
}

void TrackedWindow::showEvent(QShowEvent* event)
{
    // As it opens, before the window system shows it: a stored place from
    // another screen or scale factor, or a damaged one, never leaves the
    // window off the screen. Later shows (a frame taken away or given back)
    // keep the place the window has.
    if (!m_opened) {
        FitLabelsToLineHeight(*this);
        FitOnScreen(*this);
        FitOnScreenOnceFramed(*this);
    }
    m_opened = true;
    QWidget::showEvent(event);
}

void TrackedWindow::SavePlacement()
{
    if (!isMinimized())
        SaveWindowPlacement(m_context.Store, m_section, *this);
}

void TrackedWindow::EnableDragMove(QWidget* surface)
{
    surface->installEventFilter(this);
}

void TrackedWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isVisible())
        SavePlacement();
    QWidget::changeEvent(event);
}

void TrackedWindow::closeEvent(QCloseEvent* event)
{
    BeforeClose();
    if (!m_context.Settings.AppClosing) {
        if (!m_forThisRunOnly)
            m_context.Store.Save("Showing", m_showingKey, FlagText(false));
        m_context.Settings.*m_showingFlag = FlagClear;
    }
    SavePlacement();
    // Closed by the user: what the window saved is written now. At exit the
    // program writes everything once.
    if (!m_context.Settings.AppClosing)
        m_context.Store.Flush();
    event->accept();
}

bool TrackedWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        m_dragOrigin = mouse->globalPosition().toPoint();
        m_dragActive = true;
        break;
    }
    case QEvent::MouseMove:
        if (m_dragActive) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint now = mouse->globalPosition().toPoint();
            move(pos() + (now - m_dragOrigin));
            m_dragOrigin = now;
        }
        break;
    case QEvent::MouseButtonRelease:
        m_dragActive = false;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace trakora
