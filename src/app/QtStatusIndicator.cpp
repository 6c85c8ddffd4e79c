#include "app/QtStatusIndicator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace trakora {

class QtStatusIndicator::Dot : public QWidget {
public:
    explicit Dot(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

    void SetColor(const QColor& color)
    {
        if (color == m_color)
            return;
        m_color = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.setBrush(m_color);
        const int side = std::min(width(), height()) - 2;
        painter.drawEllipse(QRect((width() - side) / 2, (height() - side) / 2, side, side));
    }

private:
    QColor m_color = QtStatusIndicator::LevelColor(StreamLevel::Idle);
};

QtStatusIndicator::QtStatusIndicator(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StatusIndicator"));
    m_shpStatus = new Dot(this);
    m_shpStatus->setObjectName(QStringLiteral("shpStatus"));
    m_lblStatus = new QLabel(QStringLiteral("Stopped"), this);
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    const int side = m_lblStatus->fontMetrics().height() * 3 / 4;
    m_shpStatus->setFixedSize(side, side);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 1, 4, 1);
    row->setSpacing(4);
    row->addWidget(m_shpStatus);
    row->addWidget(m_lblStatus, 1);
    setAccessibleName(QStringLiteral("Input status"));
    setAccessibleDescription(m_lblStatus->text());
}

void QtStatusIndicator::Show(const StreamDiagnosis& diagnosis)
{
    const QString text = QString::fromStdString(diagnosis.StatusText);
    const QString detail = QString::fromStdString(diagnosis.HealthLine);
    m_level = diagnosis.Level;
    m_shpStatus->SetColor(LevelColor(diagnosis.Level));
    if (m_lblStatus->text() != text) {
        m_lblStatus->setText(text);
        setAccessibleDescription(text);
    }
    if (toolTip() != detail)
        setToolTip(detail);
}

QString QtStatusIndicator::Text() const
{
    return m_lblStatus->text();
}

QColor QtStatusIndicator::LevelColor(StreamLevel level)
{
    switch (level) {
    case StreamLevel::Idle:
        return QColor(0x9e, 0x9e, 0x9e);
    case StreamLevel::Good:
        return QColor(0x2e, 0x9d, 0x3a);
    case StreamLevel::Warning:
        return QColor(0xf0, 0xb0, 0x00);
    case StreamLevel::Bad:
        return QColor(0xd3, 0x2f, 0x2f);
    }
    return Qt::gray;
}

} // namespace trakora
