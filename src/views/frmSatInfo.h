#pragma once

#include "common/FixedText.h"
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
    // TimerPop's work on the model alone: what the window will show,
    // statistics included.
    void UpdateModel();
    // The controls made to show the model.
    void Paint();
    // Back to a window just opened: statistics cleared, design texts.
    void ResetModel();

private:
    enum class Tint { Design, Used, Unused };
    enum class FixShown { Design, Fix, None };

    // What a grid slot shows: its four captions, their colour and its gauge.
    struct SlotModel {
        bool Filled = false;
        std::int32_t PRN = 0;
        std::int32_t Elevation = 0;
        std::int32_t Azimuth = 0;
        std::int32_t Signal = 0;
        Tint Colour = Tint::Design;
        int GaugeMinimum = 32;
        int GaugeMaximum = 50;
        int GaugeValue = 32;
        bool GaugeVisible = true;
        bool operator==(const SlotModel&) const = default;
    };

    // Row n of either histogram column.
    struct HistogramModel {
        int Value = 0;
        std::string Percent = "0.0%";
        bool Bold = true;
        bool operator==(const HistogramModel&) const = default;
    };

    // The dilutions and error estimates, formatted when painted.
    struct Precision {
        bool Known = false;
        float HDOP = 0, HorizError = 0, VDOP = 0, VertError = 0, PDOP = 0;
        FixedText<2> HorizUnit, VertUnit;
        std::string SmallUnit;
        bool operator==(const Precision&) const = default;
    };

    // The figures the statistics show, formatted when painted.
    struct Averages {
        bool Known = false;
        double InView = 0, Tracked = 0;
        int SignalKind = 0; // 0: none used ("0.00"), 1: none in view, 2: Signal
        double Signal = 0;
        bool operator==(const Averages&) const = default;
    };

    // Everything the window shows; a steady sky changes none of it. Texts are
    // UTF-8.
    struct Model {
        std::array<SlotModel, 12> Slots{};
        Precision Dilution;
        Averages Means;
        std::string FixType = "?";
        FixShown Fix = FixShown::Design;
        std::string FixQuality = "?";
        std::int32_t InView = 0, InViewMax = 0, Tracked = 0, TrackedMax = 0;
        std::string MaxViewTime, MaxTrackedTime;
        std::int32_t LoElTracked = 90, MaskAngle = 90;
        std::array<HistogramModel, SatCountStatistics::MaxBins> View{}, Track{};
    };

    struct HistogramRow {
        QLabel* Percent = nullptr;
        SignalGauge* Bar = nullptr;
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
    void ShowFix();
    void TakeSample(std::int64_t signalTotal);
    void ShowCountAndMaximum(std::int32_t count, std::int32_t& shownCount, std::int32_t& shownMaximum,
                             std::string& time);
    void ShowHistogram(std::array<HistogramModel, SatCountStatistics::MaxBins>& rows, bool extended, int currentBin,
                       bool viewColumn);
    void AddHistogramRow(int n);
    void SyncHistogramRows();
    void FitHistogramArea();

    bool TableWanted();
    void ShowTable(bool shown);
    void ShowGrid(bool shown);
    void ShowTableRows(std::int64_t& signalTotal);

    void PaintPrecision();
    void PaintAverages();
    void PaintSlot(int slot);
    void PaintSlotColour(int slot, Tint colour);
    void DescribeSlot(int slot);
    void PaintFix();
    void PaintHistogram(std::array<HistogramRow, SatCountStatistics::MaxBins>& rows,
                        const std::array<HistogramModel, SatCountStatistics::MaxBins>& wanted,
                        std::array<HistogramModel, SatCountStatistics::MaxBins>& painted);

    // Controls of the satellite grid, slot k at [k - 1].
    std::array<SignalGauge*, 12> m_gagSatSS{};
    std::array<QLabel*, 12> m_lblPRN{};
    std::array<QLabel*, 12> m_lblElev{};
    std::array<QLabel*, 12> m_lblAz{};
    std::array<QLabel*, 12> m_lblSS{};

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

    Model m_model;   // what the window is to show
    Model m_painted; // what its controls show
    // The texts last written from the precision and the averages.
    std::string m_hdopText, m_vdopText, m_pdopText;
    std::string m_inViewAvgText = "0", m_trackedAvgText = "0", m_sigQualityText = "0";

    SatCountStatistics m_statistics;
    std::int32_t m_lowestTrackedElevation = 90;
    std::int32_t m_maskAngle = 90;
    bool m_skipNextSample = true;
};

} // namespace trakora
