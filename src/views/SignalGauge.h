#pragma once

#include <QColor>
#include <QWidget>

namespace trakora {

// A bar gauge: the bar fills from the minimum towards the maximum, upwards
// when vertical and rightwards when horizontal, in the fore colour on the
// back colour. Every setter repaints only when the value really changes.
class SignalGauge : public QWidget {
public:
    explicit SignalGauge(Qt::Orientation orientation, QWidget* parent = nullptr);

    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    int Value() const { return m_value; }
    QColor ForeColor() const { return m_foreColor; }
    QColor BackColor() const { return m_backColor; }
    Qt::Orientation Orientation() const { return m_orientation; }

    void SetMinimum(int minimum);
    void SetMaximum(int maximum);
    void SetValue(int value);
    void SetForeColor(const QColor& color);
    void SetBackColor(const QColor& color);

    // Part of the gauge the bar covers, 0 to 1; a value outside the range
    // shows as an empty or a full bar.
    double FilledFraction() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation m_orientation;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    QColor m_foreColor = Qt::blue;
    QColor m_backColor = Qt::white;
};

} // namespace trakora
