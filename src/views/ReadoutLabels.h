#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <string>
#include <string_view>

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

// A bordered, centred value label named for screen readers, and a
// right-aligned caption label.
QLabel* AddValueLabel(QWidget* parent, const char* objectName, const char* accessibleName, double left,
                      double top, double width, double height);
QLabel* AddCaptionLabel(QWidget* parent, const char* objectName, const char* text, double left, double top,
                        double width, double height);

// A label's text as the window's model holds it: Show sets the text to be
// shown, Paint writes it to the label when it differs from what the label
// shows, so a steady receiver costs no repaint and a fast replay writes the
// label at most once a frame. Text is cut at its first NUL: a receiver field
// that no sentence has filled yet shows as nothing.
class Readout {
public:
    explicit Readout(QLabel* label) : m_label(label) {}
    void Show(std::string_view utf8);
    void Paint();
    const std::string& Text() const { return m_text; }
    QLabel* Label() const { return m_label; }

private:
    QLabel* m_label;
    std::string m_text;
    std::string m_painted;
};

// The window background that tells valid data (white) from invalid (red).
// The colour, and the matching accessible description "valid"/"invalid",
// are written by Paint, only when they change.
class ValidityBackground {
public:
    // Starts red, the colour of a window that has seen no valid data yet.
    explicit ValidityBackground(QWidget* window);
    void Show(bool valid) { m_white = valid; }
    void Paint();
    bool IsWhite() const { return m_white; }

private:
    void Write(bool white);

    QWidget* m_window;
    bool m_white = false;
    bool m_paintedWhite = false;
};

} // namespace trakora
