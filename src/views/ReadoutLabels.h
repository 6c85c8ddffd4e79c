#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QWidget;

namespace trakora {

struct ProgramSettings;

// The user's decimal separator as one character of the number texts ('.'
// when the separator is not a single-byte character).
char DisplayDecimalPoint(const ProgramSettings& settings);

// The program's dialog font ("MS Sans Serif", with the usual sans fallbacks).
QFont DialogFont(double points, bool bold = true);
// A fixed-pitch font ("Courier New", falling back to any monospace family).
QFont FixedPitchFont(double points, bool bold = true);

// Adds a transparent label at a position given in twips.
QLabel* AddTwipsLabel(QWidget* parent, const char* objectName, const QString& text, double left,
                      double top, double width, double height, Qt::Alignment alignment,
                      bool bordered = false);
// The same for a label made by the caller (of a derived kind).
QLabel* PlaceTwipsLabel(QLabel* label, const char* objectName, const QString& text, double left,
                        double top, double width, double height, Qt::Alignment alignment,
                        bool bordered = false);

// A bordered, centred value label named for screen readers (a Readout adds
// its value to the name), and a right-aligned caption label.
QLabel* AddValueLabel(QWidget* parent, const char* objectName, const char* accessibleName, double left,
                      double top, double width, double height);
QLabel* AddCaptionLabel(QWidget* parent, const char* objectName, const char* text, double left, double top,
                        double width, double height);

// A label's text as the window's model holds it: Show sets the text to be
// shown, Paint writes it to the label when it differs from what the label
// shows, so a steady receiver costs no repaint and a fast replay writes the
// label at most once a frame. Text is cut at its first NUL: a receiver field
// that no sentence has filled yet shows as nothing. The label's accessible
// name is what it is named at the start followed by the value shown
// ("Latitude 17° 44' 52.08\"S"), so a screen reader reads the value.
class Readout {
public:
    explicit Readout(QLabel* label);
    void Show(std::string_view utf8);
    void Paint();
    const std::string& Text() const { return m_text; }
    QLabel* Label() const { return m_label; }

private:
    QLabel* m_label;
    QString m_name;
    std::string m_text;
    std::string m_painted;
};

// The window background that tells valid data (white) from invalid (red).
// The same is told in words to screen readers: the accessible description
// of the window and of the given labels is "valid data" or "invalid data".
// Both are written by Paint, only when they change.
class ValidityBackground {
public:
    // Starts red, the colour of a window that has seen no valid data yet.
    ValidityBackground(QWidget* window, std::initializer_list<const Readout*> described);
    void Show(bool valid) { m_white = valid; }
    void Paint();
    bool IsWhite() const { return m_white; }

private:
    void Write(bool white);

    QWidget* m_window;
    std::vector<QLabel*> m_described;
    bool m_white = false;
    bool m_paintedWhite = false;
};

} // namespace trakora
