#pragma once

#include <QWidget>

namespace trakora {

// A hollow black circle filling the widget, like a drawn shape that takes no
// mouse input.
class CircleShape : public QWidget {
public:
    explicit CircleShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace trakora
