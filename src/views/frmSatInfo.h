#pragma once

#include "common/SatCountStatistics.h"
#include "common/SatelliteRows.h"
#include "common/TrackedWindow.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QScrollArea;

namespace trakora {

class SatelliteTablePanel;
class SignalGauge;

// "Satellite Information": the twelve GSV slots with their signal gauges, the
// dilutions of precision, fix quality and type, and statistics of the counts
// of satellites in view and in use gathered while the window is open.
//
// With every talker decoded, a sky of more than twelve satellites or of more
// than one system is shown as a table of every satellite instead of the
// twelve columns (the window grows taller, not wider), and the histograms
// grow a bin for every count seen.
class frmSatInfo : public TrackedWindow {
    Q_OBJECT

public:
    explicit frmSatInfo(ProgramContext& context, QWidget* parent = nullptr);

    // Called by the input pump; draws only complete satellite groups.
    void TimerPop();

private:
    enum class Tint { Design, Used, Unused };

    // What a grid slot currently shows, so that a steady sky rewrites nothing.
    struct SlotShown {
        bool Filled = false;
        std::int32_t PRN = 0;
        std::int32_t Elevation = 0;
        std::int32_t Azimuth = 0;
        std::int32_t Signal = 0;
        Tint Colour = Tint::Design;
    };

    enum class FixShown { Design, Fix, None };

    // Histogram row n of either column.
    struct HistogramRow {
        QLabel* Percent = nullptr;
        SignalGauge* Bar = nullptr;
        bool Bold = true;
    };

    void BuildGrid();
    void BuildFixBlock();
    void BuildStatistics();
    void BuildExtended();
    QLabel* AddLabel(const QString& name, const QString& text, const QRect& geometry, Qt::Alignment alignment = Qt::AlignLeft);
    QLabel* AddHeading(const QString& text, int leftTwips, int topTwips);
    QFrame* AddFrame(const QString& name, const QRect& geometry);

    void SetUpForm();
    void ShowHideExtended();
    void ExtendedToggled(bool checked);

    // Live: does nothing while input is stopped. AtOpen: shows the last
    // satellites whether input runs or not, and takes no sample.
    enum class RefreshKind { Live, AtOpen };
    void RefreshSatInfo(RefreshKind kind = RefreshKind::Live);
    void ShowPrecision();
    void ShowFilledSlot(int slot, std::int64_t& signalTotal);
    void ShowEmptySlot(int slot);
    void ShowSlotColour(int slot, Tint colour);
    void DescribeSlot(int slot);
    void ShowFix();
    void TakeSample(std::int64_t signalTotal);
    void ShowCountAndMaximum(std::int32_t count, std::int32_t& shownCount, std::int32_t& shownMaximum,
                             QLabel* current, QLabel* maximum, QLabel* time);
    void ShowHistogram(std::array<HistogramRow, SatCountStatistics::MaxBins>& rows, bool extended,
                       int currentBin, bool viewColumn);
    void AddHistogramRow(int n);
    void SyncHistogramRows();
    void FitHistogramArea();

    bool TableWanted();
    void ShowTable(bool shown);
    void ShowGrid(bool shown);
    void ShowTableRows(std::int64_t& signalTotal);
    void ShowFixQuality();

    // Controls of the satellite grid, slot k at [k - 1].
    std::array<SignalGauge*, 12> m_gagSatSS{};
    std::array<QLabel*, 12> m_lblPRN{};
    std::array<QLabel*, 12> m_lblElev{};
    std::array<QLabel*, 12> m_lblAz{};
    std::array<QLabel*, 12> m_lblSS{};
    std::array<SlotShown, 12> m_slotShown{};

    QLabel* m_lblHDOP = nullptr;
    QLabel* m_lblVDOP = nullptr;
    QLabel* m_lblPDOP = nullptr;
    QLabel* m_lblFixQuality = nullptr;
    QLabel* m_lblxDFix = nullptr;
    QCheckBox* m_chkExtended = nullptr;

    QLabel* m_lblSatsInView = nullptr;
    QLabel* m_lblSatsInViewMax = nullptr;
    QLabel* m_lblSatsInViewAvg = nullptr;
    QLabel* m_lblMaxViewTime = nullptr;
    QLabel* m_lblSatsTracked = nullptr;
    QLabel* m_lblSatsTrackedMax = nullptr;
    QLabel* m_lblSatsTrackedAvg = nullptr;
    QLabel* m_lblMaxTrackedTime = nullptr;
    QLabel* m_lblSigQuality = nullptr;
    QLabel* m_lblLoElTracked = nullptr;
    QLabel* m_lblMaskAngle = nullptr;

    // The histogram rows scroll when there are more than the window's height holds.
    QScrollArea* m_histogram = nullptr;
    std::array<HistogramRow, SatCountStatistics::MaxBins> m_viewRows{};
    std::array<HistogramRow, SatCountStatistics::MaxBins> m_trackRows{};
    int m_histogramRows = 0;
    int m_viewBinInSight = -1;

    SatelliteTablePanel* m_table = nullptr;
    SatelliteRows m_rows;
    bool m_tableShown = false;
    int m_tableExtraHeight = 0; // pixels the table adds to the window's height
    std::vector<QWidget*> m_gridControls;  // the twelve columns with their headings and lines
    std::vector<QWidget*> m_lowerControls; // what lies below them on the left

    // Texts and numbers as last written to their controls.
    std::string m_shownHDOP;
    std::string m_shownVDOP;
    std::string m_shownPDOP;
    std::string m_shownFixType = "?";
    FixShown m_shownFix = FixShown::Design;
    std::string m_shownFixQuality = "?";
    bool m_backgroundWhite = false;
    std::int32_t m_shownInView = 0;
    std::int32_t m_shownInViewMax = 0;
    std::int32_t m_shownTracked = 0;
    std::int32_t m_shownTrackedMax = 0;
    std::int32_t m_shownLoElTracked = 90;
    std::int32_t m_shownMaskAngle = 90;
    std::string m_shownInViewAvg = "0";
    std::string m_shownTrackedAvg = "0";
    std::string m_shownSigQuality = "0";

    SatCountStatistics m_statistics;
    std::int32_t m_lowestTrackedElevation = 90;
    std::int32_t m_maskAngle = 90;
    bool m_skipNextSample = true;
};

} // namespace trakora
