#pragma once

#include "common/SatelliteRows.h"

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QScrollArea;

namespace trakora {

class SatelliteRowWidget;

// The satellite table of a sky with more satellites or systems than twelve
// columns show: a heading, one row per satellite (twelve in sight, the rest
// scrolled to) and the per-system summary beneath.
class SatelliteTablePanel : public QWidget {
public:
    static constexpr int VisibleRows = 12;
    static constexpr int TableWidthTwips = 5220;

    explicit SatelliteTablePanel(QWidget* parent = nullptr);

    // Height of the whole panel, in pixels.
    static int PanelHeight();

    // Shows the rows and the summary; rows and labels are touched only where they changed.
    void Show(const SatelliteRows& rows);

    int RowCount() const { return m_shownRows; }
    SatelliteRowWidget* RowWidget(int i) const { return m_rows[static_cast<std::size_t>(i)]; }

private:
    SatelliteRowWidget* RowAt(int i);

    QWidget* m_heading = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    QLabel* m_summary = nullptr;
    std::vector<SatelliteRowWidget*> m_rows;
    int m_shownRows = 0;
    std::string m_shownSummary;
};

} // namespace trakora
