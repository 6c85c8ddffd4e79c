#pragma once

#include "common/SatelliteRows.h"
#include "common/TrackedWindow.h"

#include <QPoint>
#include <QSize>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;

namespace trakora {

class CircleShape;
class SkyLegend;
class SkyMarker;
class SkyPlotCanvas;

// The sky as seen from the receiver: zenith at the centre, north up, one
// numbered label per satellite, track dots for the satellites used in the fix
// and a marker for the celestial pole. The window keeps its plot square and
// can wear a round outline.
//
// With every talker decoded, a sky of more than twelve satellites or of more
// than one system shows every satellite by its system's mark and display
// name instead, with a legend and a choice of the systems shown (the
// "Systems" menu, also in the context menu).
class frmSatPositions : public TrackedWindow {
public:
    explicit frmSatPositions(ProgramContext& context, QWidget* parent = nullptr);

    // Redraws from the receiver state once a satellites-in-view group is complete.
    void TimerPop();
    // TimerPop's work on the model alone: the satellites' places and the
    // track dots (drawn into the plot's picture, which is the track's record).
    void UpdateModel();
    // The labels and the pole marker placed as the model says.
    void Paint();
    // Back to a window just opened: no dots, no labels.
    void ResetModel();

    void ChangeCircularity();
    void MakeItCircular();
    void MakeItSquare();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct PlottedSat {
        std::int32_t Prn = 0;
        std::int32_t Elevation = 0;
        std::int32_t Azimuth = 0;
        bool Used = false;
        bool operator==(const PlottedSat&) const = default;
    };

    struct PoleFix {
        double Latitude = 0;
        bool South = false;
        bool Known = false;
    };

    struct DrawnDot {
        QPoint At;
        int Width = 0;
    };

    void BuildMenus();
    void BuildMarks();
    QLabel* MakeSatLabel(std::int32_t prn, bool tracked);
    QLabel* SatLabel(std::int32_t prn, bool tracked);
    void ForgetIdleExtraLabels();

    void Layout();
    int MenuBarHeight(int width) const;
    int FittingWidth(int wanted) const;
    void SetOutline(bool circular, QSize outer);
    void KeepOnScreen();

    void PlotSats();
    void TakeSky();
    void PlaceLabels(const std::vector<PlottedSat>& sky);
    void PlacePoleMarker(const PoleFix& pole);
    void DrawTrackDots();
    void DescribeSky();
    void ChooseDotSize(int size);

    // Every satellite of every system.
    void BuildSystemsMenu();
    bool SystemsViewWanted();
    void ShowSystemsView(bool shown);
    // The rows and track dots of every system; the markers follow at the next Paint.
    void TakeAllSystems();
    void PlaceMarkers();
    SkyMarker* MarkerFor(SatelliteId id);
    void DrawSystemTrackDots();
    void DescribeSystemsSky();
    void PlaceLegend();
    void ShowLegend(bool shown);
    void ShowSystem(GnssSystem system, bool shown);
    bool Drawn(const SatelliteRow& row) const;

    bool m_inLoad = true;
    bool m_inResize = false;
    int m_lastWidth = -1;
    int m_plotRadius = 0;
    int m_dotSize = 3;
    bool m_circular = false;

    QMenuBar* m_menuBar = nullptr;
    QMenu* m_dotSizeMenu = nullptr;
    std::array<QAction*, 21> m_dotActions{};
    QAction* m_circularAction = nullptr;

    SkyPlotCanvas* m_canvas = nullptr;
    CircleShape* m_me = nullptr;
    QLabel* m_north = nullptr;
    QLabel* m_south = nullptr;
    std::array<QLabel*, 32> m_tracked{};
    std::array<QLabel*, 32> m_notTracked{};
    // Labels for PRNs beyond 32 (GLONASS, SBAS, ...), made when first seen;
    // beyond MaxExtraPrns of them, those not on the plot are let go.
    static constexpr std::size_t MaxExtraPrns = 64;
    std::map<std::int32_t, std::array<QLabel*, 2>> m_extraLabels;

    std::vector<QLabel*> m_shownLabels;
    std::vector<std::pair<QLabel*, QPoint>> m_wantedLabels;
    std::vector<PlottedSat> m_sky;
    std::vector<PlottedSat> m_lastSky;
    PoleFix m_pole;
    bool m_skyChanged = false;
    std::array<DrawnDot, 12> m_lastDots{};

    bool m_systemsView = false;
    SatelliteRows m_rows;
    // Markers are handed from satellites that leave to those that come, so
    // there are never more than the most satellites drawn at once.
    std::vector<SkyMarker*> m_markers;
    std::array<SkyMarker*, SatelliteKeys> m_markerOf{};
    std::array<DrawnDot, SatelliteKeys> m_lastSystemDots{};
    std::string m_skySummary;
    SkyLegend* m_legend = nullptr;
    bool m_legendWanted = true;
    GnssSystemSet m_hiddenSystems = 0;
    QMenu* m_systemsMenu = nullptr;
    QAction* m_legendAction = nullptr;
    std::array<QAction*, GnssSystemCount> m_systemActions{};
};

} // namespace trakora
