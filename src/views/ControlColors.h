#pragma once

#include <QColor>
#include <QWidget>

namespace trakora {

// Text colour of a label or check box.
inline void SetForeColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    control->setPalette(palette);
}

// Background of a window or of a control that fills its own background.
inline void SetBackColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    control->setPalette(palette);
}

} // namespace trakora
