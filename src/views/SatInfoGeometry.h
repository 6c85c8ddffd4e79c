#pragma once

#include "nmea/GpsState.h"

#include <QColor>

#include <array>

// Design geometry of the Satellite Information window, in twips, and the
// colours and ranges of its gauges.
namespace trakora::SatInfoGeometry {

constexpr std::array<int, SatSlots> GaugeLefts{585, 975, 1365, 1755, 2145, 2535, 2925, 3315, 3720, 4110, 4500, 4890};
constexpr int GaugeWidth = 300;
constexpr int GaugeHeight = 1125;

// Slot 1's labels are wider than the others.
constexpr int SlotLeft(int slot) { return slot == 1 ? 530 : 930 + 390 * (slot - 2); }
constexpr int SlotWidth(int slot) { return slot == 1 ? 405 : 390; }
constexpr int PRNTop = 1110;
constexpr int ElevTop = 1320;
constexpr int AzTop = 1530;
constexpr int SSTop = 1740;
constexpr int CellHeight = 210;
// The twelve columns end above this line; the table of every satellite
// takes their place, and what lies below moves down to make room for it.
constexpr int GridBottom = 1980;
constexpr int TableLeft = 60;
constexpr int TableTop = 30;
constexpr int TableGap = 30;

constexpr int RowHeadingLeft = 72;
constexpr int RowHeadingWidth = 435;
constexpr std::array<int, 4> RowHeadingTops{1110, 1320, 1536, 1764};

constexpr int LineLeft = 330;
constexpr int LineRight = 5250;
constexpr std::array<int, 4> LineTops{75, 384, 696, 1008};

constexpr int HistogramLeft = 5370;
constexpr int HistogramTop = 420;
constexpr int HistogramPitch = 270;
constexpr int HistogramRowHeight = 225;

constexpr int SmallShapeLeft = 5340;
constexpr int SmallShapeWidth = 1785;
constexpr int BigShapeLeft = 7560;
constexpr int BigShapeWidth = 1815;
constexpr int ShapeHeight = 4035;

// The narrow window ends just past the left edge of the in-view frame, the
// wide one a little beyond the tracked frame.
constexpr int NormalWidth = SmallShapeLeft + 40;
constexpr int ExtendedWidth = BigShapeLeft + BigShapeWidth + 240;
constexpr int ClientHeight = ShapeHeight + 60;

// A new satellite's gauge spans this range until its signals widen it.
constexpr int SignalFloor = 32;
constexpr int SignalCeiling = 50;

inline const QColor UsedGaugeColor{0, 0, 192};
inline const QColor UnusedGaugeColor{192, 192, 192};
// The grey of a satellite not used in the fix: on the white cells it reads
// at a contrast above 4.5:1, where the toolkit's disabled grey does not.
inline const QColor UnusedTextColor{109, 109, 109};
inline const QColor CellColor{255, 255, 255};
inline const QColor NoFixColor{255, 0, 0};
inline const QColor FixColor{255, 255, 255};

} // namespace trakora::SatInfoGeometry
