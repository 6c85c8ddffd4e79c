#pragma once

#include "common/TrackedWindow.h"
#include "views/SatCountStatistics.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>

class QCheckBox;
class QFrame;
class QLabel;

namespace trakora {

class SignalGauge;

// "Satellite Information": the twelve GSV slots with their signal gauges, the
// dilutions of precision, fix quality and type, and statistics of the counts
// of satellites in view and in use gathered while the window is open.
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

    enum class FixShown { Design, GPS, DGPS, None };

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
    void ShowHistogram(std::array<HistogramRow, SatCountStatistics::Bins>& rows, bool extended,
                       int currentBin, bool viewColumn);

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

    std::array<HistogramRow, SatCountStatistics::Bins> m_viewRows{};
    std::array<HistogramRow, SatCountStatistics::Bins> m_trackRows{};

    // Texts and numbers as last written to their controls.
    std::string m_shownHDOP;
    std::string m_shownVDOP;
    std::string m_shownPDOP;
    std::string m_shownFixType = "?";
    FixShown m_shownFix = FixShown::Design;
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
