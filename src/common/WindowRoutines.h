#pragma once

#include "common/ProgramSettings.h"
#include "common/SettingsStore.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <string_view>

class QWidget;
class QObject;

namespace trakora {

// Lengths are given in twips (1/1440 inch) and mapped to pixels by the
// screen's logical resolution, here and nowhere else. What the twips of a
// window measure:
// - Left and Top, stored and restored, place the outer frame's top-left
//   corner (as QWidget::move() and pos() take it).
// - Width and Height, as SaveWindowPlacement writes them and as the raw NMEA
//   window and the sky plot read them back, are the client area's.
// - Design sizes are client sizes: Position Information 3705 x 3285, Data
//   Status 3990 x 795, Satellite Information 5380 (9615 extended) x 4095,
//   the sky plot 3708 wide below its menu bar, Long Term Position 5985 high,
//   the Settings dialog 7560 x 5040, the splash 6000 x 3375. The main window
//   is 3825 wide in its client area and exactly as high as its menu bar and
//   the rows shown below it.
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(int pixels);
double PixelsToTwipsY(int pixels);
QRect TwipsRect(double left, double top, double width, double height);
int ScreenWidthTwips();
int ScreenHeightTwips();

// Writes Left, Top, Width and Height of the window, in twips, under section.
void SaveWindowPlacement(ISettingsStore& store, std::string_view section, const QWidget& window);

// The stored Left and Top in pixels; a Left beyond the screen width or a Top
// beyond the screen height becomes 0, negative values are kept.
QPoint RestoredPosition(ISettingsStore& store, std::string_view section);

// Reads a stored length in twips (def when missing) and gives pixels, at most
// the size of the desktop, so a damaged entry never asks for a huge window.
int StoredLengthPixelsX(ISettingsStore& store, std::string_view section, std::string_view key, int defTwips);
int StoredLengthPixelsY(ISettingsStore& store, std::string_view section, std::string_view key, int defTwips);

// The available area (without panels) of the screen that holds the most of
// `frame`, or of the primary screen when no screen holds any of it.
QRect AvailableArea(const QRect& frame);

// `frame` made to lie wholly inside `area`: its size capped to the area's,
// then moved by the least amount.
QRect FitRect(const QRect& frame, const QRect& area);

// Caps the window's size (frame included) to the available area of the
// screen it stands on and moves it wholly onto that area. Every window is
// fitted when it opens, after its stored placement has been applied.
void FitOnScreen(QWidget& window);
// Fits the window again once its window manager has framed it (the frame is
// not known when it opens), so that its title bar lies on the screen too.
void FitOnScreenOnceFramed(QWidget& window);
// Fits the window, and its labels to their line height, each time it is
// shown (windows that are no TrackedWindow).
void FitOnScreenWhenShown(QWidget& window);

// Focus marking: the control's "tag" property is "HI" while highlighted and
// "LOW" after release. Buttons, check boxes and option buttons grow by a
// fifth while highlighted; text boxes select their text; labels turn bold.
void HighlightControl(QWidget* control);
void UnhighlightControl(QWidget* control);
bool IsHighlighted(const QWidget* control);
void GrowControl(QWidget* control);
void ShrinkControl(QWidget* control);

// Makes `control` highlight on focus-in and unhighlight on focus-out, together
// with an optional partner (a caption label).
void InstallFocusHighlight(QWidget* control, QWidget* partner = nullptr);

// The typed key, or 0 (after one beep) when it may not be entered: only
// backspace, digits, '-' when minusAllowed and the decimal separator when
// decimalAllowed pass.
char16_t NumericKeyFilter(char16_t key, bool minusAllowed, bool decimalAllowed, const ProgramSettings& settings);

// Filters what enters `edit` (a QLineEdit) through NumericKeyFilter: every
// typed key, and every character of pasted or dropped text (a paste with one
// character the filter refuses is refused whole, with the one beep).
void InstallNumericKeyFilter(QWidget* edit, bool minusAllowed, bool decimalAllowed, const ProgramSettings& settings);

// Gives every label of the window whose height is below its font's line
// height (and frame) that height, keeping its top and going no lower than
// what holds it: a label drawn for the design font is never cut in the
// font the system substitutes. Windows run it as they open.
void FitLabelsToLineHeight(QWidget& window);

// The size hint of a control as it is while highlighted (bold), so layouts
// leave it room to turn bold in.
QSize HighlightedSizeHint(const QWidget* control);

// Centres the window on the screen unless it is maximised.
void CenterForm(QWidget& window);

// UTF-8 text of the core to the toolkit's text.
inline QString Q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

} // namespace trakora
