#include "views/SatelliteTablePanel.h"

#include "common/WindowRoutines.h"
#include "views/SatelliteRowWidget.h"

#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

namespace trakora {

namespace {

constexpr int RowHeightTwips = 225;
constexpr int SummaryHeightTwips = 240;

int RowHeight()
{
    return TwipsToPixelsY(RowHeightTwips);
}

// The column headings, placed over the cells of the rows.
class TableHeading : public QWidget {
public:
    explicit TableHeading(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        static const char* const Titles[] = {"Sat", "Elev.", "Az.", "S/S", "Signal"};
        QPainter painter(this);
        const auto cells = SatelliteRowWidget::CellRects(width(), height());
        for (int c = 0; c < SatelliteRowWidget::CellCount; ++c)
            painter.drawText(cells[static_cast<std::size_t>(c)], Qt::AlignCenter, QLatin1String(Titles[c]));
        painter.fillRect(QRect(0, height() - 1, width(), 1), QColor(160, 160, 160));
    }
};

} // namespace

SatelliteTablePanel::SatelliteTablePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SatelliteTable"));
    m_heading = new TableHeading(this);
    m_heading->setObjectName(QStringLiteral("SatelliteTableHeading"));

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("SatelliteRows"));
    m_scroll->setAccessibleName(QStringLiteral("Satellites in view"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Scrolled a row at a time, so a row is never cut in half by a click on the arrows.
    m_scroll->verticalScrollBar()->setSingleStep(RowHeight());
    m_content = new QWidget;
    m_scroll->setWidget(m_content);
    // The window's colour shows around the rows.
    m_scroll->viewport()->setAutoFillBackground(false);
    m_content->setAutoFillBackground(false);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSatSummary"));
    m_summary->setAccessibleName(QStringLiteral("Satellites by system, in view and used"));
    m_summary->setToolTip(QStringLiteral("Satellites of each system: in view / used in the fix"));
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    const int rowHeight = RowHeight();
    const int width = TwipsToPixelsX(TableWidthTwips);
    m_heading->setGeometry(0, 0, width, rowHeight);
    m_scroll->setGeometry(0, rowHeight, width, rowHeight * VisibleRows);
    m_summary->setGeometry(0, rowHeight * (VisibleRows + 1), width, TwipsToPixelsY(SummaryHeightTwips));
    m_content->resize(width, 0);
    resize(width, PanelHeight());
}

int SatelliteTablePanel::PanelHeight()
{
    return RowHeight() * (VisibleRows + 1) + TwipsToPixelsY(SummaryHeightTwips);
}

SatelliteRowWidget* SatelliteTablePanel::RowAt(int i)
{
    while (static_cast<int>(m_rows.size()) <= i) {
        auto* row = new SatelliteRowWidget(m_content);
        row->setObjectName(QStringLiteral("SatelliteRow_%1").arg(m_rows.size() + 1));
        row->setGeometry(0, RowHeight() * static_cast<int>(m_rows.size()), m_content->width(), RowHeight());
        m_rows.push_back(row);
    }
    return m_rows[static_cast<std::size_t>(i)];
}

void SatelliteTablePanel::Show(const SatelliteRows& rows)
{
    const int count = rows.Count();
    if (count != m_shownRows) {
        // The vertical scroll bar, when it comes, takes its width from the rows.
        const bool scrolls = count > VisibleRows;
        const int width = m_scroll->width() - (scrolls ? m_scroll->verticalScrollBar()->sizeHint().width() : 0);
        m_content->resize(width, RowHeight() * count);
        for (int i = 0; i < count; ++i) {
            SatelliteRowWidget* row = RowAt(i);
            if (row->width() != width)
                row->resize(width, RowHeight());
            if (row->isHidden())
                row->show();
        }
        for (int i = count; i < static_cast<int>(m_rows.size()); ++i)
            m_rows[static_cast<std::size_t>(i)]->hide();
        m_shownRows = count;
    }
    for (int i = 0; i < count; ++i)
        m_rows[static_cast<std::size_t>(i)]->SetRow(rows.Row(i));

    std::string summary = rows.SummaryText();
    if (summary != m_shownSummary) {
        m_shownSummary = std::move(summary);
        m_summary->setText(QString::fromStdString(m_shownSummary));
    }
}

} // namespace trakora
