#include "views/CircleShape.h"

#include <QPainter>

namespace trakora {

CircleShape::CircleShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CircleShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(rect().adjusted(0, 0, -1, -1));
}

} // namespace trakora
