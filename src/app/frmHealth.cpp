#include "app/frmHealth.h"

#include "app/QtStatusIndicator.h"
#include "common/WindowRoutines.h"
#include "nmea/StreamCounters.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace trakora {

namespace {

constexpr const char* HealthSection = "Health";
constexpr int DefaultWidthTwips = 7500;
constexpr int DefaultHeightTwips = 4500;

QString Count(std::int64_t value)
{
    return QString::number(value);
}

QString RateText(double perSecond)
{
    return QString::number(perSecond, 'f', 1);
}

QString AgeText(double seconds)
{
    return seconds < 0 ? QString() : QStringLiteral("%1 s").arg(static_cast<long long>(std::floor(seconds)));
}

// Darker than the status dot, so the text stays readable on white.
QColor TextColor(StreamLevel level)
{
    return level == StreamLevel::Idle ? QColor(Qt::black) : QtStatusIndicator::LevelColor(level).darker(150);
}

} // namespace

frmHealth::frmHealth(ProgramContext& context, const StreamCounters& counters, IMonotonicClock& clock,
                     QWidget* parent)
    : TrackedWindow(context, HealthSection, "Health", &ProgramSettings::ShowingHealth, parent),
      m_counters(counters), m_clock(clock)
{
    setObjectName(QStringLiteral("frmHealth"));
    setWindowTitle(QStringLiteral("Receiver Health"));

    m_lblHealth = new QLabel(this);
    m_lblHealth->setObjectName(QStringLiteral("lblHealth"));
    QFont bold = m_lblHealth->font();
    bold.setBold(true);
    m_lblHealth->setFont(bold);
    m_lblHealth->setWordWrap(true);
    m_lblHealth->setAccessibleName(QStringLiteral("Likeliest problem"));

    m_grdHealth = new QTableWidget(0, ColumnCount, this);
    m_grdHealth->setObjectName(QStringLiteral("grdHealth"));
    m_grdHealth->setHorizontalHeaderLabels({QStringLiteral("Identifier"), QStringLiteral("Passed"),
                                            QStringLiteral("Bad checksum"), QStringLiteral("No checksum"),
                                            QStringLiteral("Ignored"), QStringLiteral("Rate/s"),
                                            QStringLiteral("Last")});
    m_grdHealth->horizontalHeaderItem(Rate)->setToolTip(QStringLiteral("Good lines per second over the last 10 s"));
    m_grdHealth->horizontalHeaderItem(Age)->setToolTip(QStringLiteral("Time since the last good line"));
    m_grdHealth->verticalHeader()->setVisible(false);
    m_grdHealth->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grdHealth->verticalHeader()->setDefaultSectionSize(m_grdHealth->fontMetrics().height() + 6);
    m_grdHealth->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grdHealth->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdHealth->setSelectionMode(QAbstractItemView::NoSelection);
    m_grdHealth->setAccessibleName(QStringLiteral("Lines by sentence identifier"));

    m_lblTotals = new QLabel(this);
    m_lblTotals->setObjectName(QStringLiteral("lblTotals"));
    m_lblTotals->setWordWrap(true);
    m_lblTotals->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblHealth);
    layout->addWidget(m_grdHealth, 1);
    layout->addWidget(m_lblTotals);

    EnableDragMove(this);
    MarkOpen();
    RestorePosition();
    resize(StoredLengthPixelsX(m_context.Store, HealthSection, "Width", DefaultWidthTwips),
           StoredLengthPixelsY(m_context.Store, HealthSection, "Height", DefaultHeightTwips));
    Refresh();
    m_loading = false;
}

void frmHealth::TimerPop()
{
    if (m_clock.Milliseconds() / 1000 != m_refreshedSecond)
        Refresh();
}

void frmHealth::Refresh()
{
    m_refreshedSecond = m_clock.Milliseconds() / 1000;
    m_diagnosis = DiagnoseStream(m_counters, m_context.Settings.Talkers,
                                 m_context.Settings.FileInput ? InputKind::Log : InputKind::Serial);
    const QString line = QString::fromStdString(m_diagnosis.HealthLine);
    if (m_lblHealth->text() != line)
        m_lblHealth->setText(line);
    QPalette palette = m_lblHealth->palette();
    palette.setColor(QPalette::WindowText, TextColor(m_diagnosis.Level));
    m_lblHealth->setPalette(palette);
    ShowRows();
    ShowTotals();
}

// One row per identifier in alphabetical order, then the lines counted
// together, then all lines.
void frmHealth::ShowRows()
{
    std::vector<std::size_t> order(m_counters.IdentifierCount());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [this](std::size_t a, std::size_t b) { return m_counters.Identifier(a) < m_counters.Identifier(b); });

    const bool other = m_counters.Other().Lines() > 0;
    const bool unreadable = m_counters.Unreadable().Lines() > 0;
    const bool any = m_counters.Total().Lines() > 0;
    m_grdHealth->setRowCount(static_cast<int>(order.size()) + other + unreadable + any);
    int row = 0;
    for (std::size_t index : order) {
        const std::string_view id = m_counters.Identifier(index);
        SetRow(row++, QString::fromLatin1(id.data(), static_cast<int>(id.size())), m_counters.Counts(index),
               RateText(m_counters.RatePerSecond(index)), AgeText(m_counters.SecondsSinceGood(index)));
    }
    if (other)
        SetRow(row++, QStringLiteral("other"), m_counters.Other(), QString(), QString());
    if (unreadable)
        SetRow(row++, QStringLiteral("unreadable"), m_counters.Unreadable(), QString(), QString());
    if (any) {
        const RecentCounts recent = m_counters.Recent();
        SetRow(row, QStringLiteral("All"), m_counters.Total(),
               RateText(static_cast<double>(recent.All.Passed) / recent.Seconds),
               m_counters.Total().Passed > 0 ? AgeText(m_counters.SecondsSinceGoodLine()) : QString());
    }
}

void frmHealth::SetRow(int row, const QString& identifier, const IdentifierCounts& counts, const QString& rate,
                       const QString& age)
{
    SetCell(row, Identifier, identifier);
    SetCell(row, Passed, Count(counts.Passed));
    SetCell(row, BadChecksum, Count(counts.BadChecksum));
    SetCell(row, NoChecksum, Count(counts.NoChecksum));
    SetCell(row, Ignored, Count(counts.Ignored));
    SetCell(row, Rate, rate);
    SetCell(row, Age, age);
}

void frmHealth::SetCell(int row, int column, const QString& text)
{
    QTableWidgetItem* cell = m_grdHealth->item(row, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem(text);
        cell->setTextAlignment(column == Identifier ? Qt::AlignLeft | Qt::AlignVCenter
                                                    : Qt::AlignRight | Qt::AlignVCenter);
        m_grdHealth->setItem(row, column, cell);
    } else if (cell->text() != text) {
        cell->setText(text);
    }
}

void frmHealth::ShowTotals()
{
    const IdentifierCounts& total = m_counters.Total();
    QString text = QStringLiteral("%1 lines, %2 bytes, %3 lines/s")
                       .arg(total.Lines())
                       .arg(m_counters.Bytes())
                       .arg(std::llround(m_counters.LinesPerSecond()));
    if (total.Damaged > 0)
        text += QStringLiteral("; %1 damaged (a line break inside, or too long)").arg(total.Damaged);
    if (total.Passed > 0)
        text += QStringLiteral("; last good line %1 ago").arg(AgeText(m_counters.SecondsSinceGoodLine()));
    text += QStringLiteral("; longest gap %1").arg(AgeText(m_counters.LongestGapSeconds()));
    if (m_lblTotals->text() != text)
        m_lblTotals->setText(text);
}

void frmHealth::resizeEvent(QResizeEvent* event)
{
    TrackedWindow::resizeEvent(event);
    if (!m_loading)
        SavePlacement();
}

} // namespace trakora
