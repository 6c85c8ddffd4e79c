#include "dialogs/frmSplash.h"

#include "common/WindowRoutines.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTimer>

namespace trakora {

namespace {

constexpr int CloseAfterMilliseconds = 2000;

// The drawn announcement: a night sky with orbit rings, a satellite and the
// program's name above "is loading".
class SplashPicture : public QWidget {
public:
    explicit SplashPicture(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF area = rect();

        QLinearGradient sky(area.topLeft(), area.bottomLeft());
        sky.setColorAt(0.0, QColor(0x0B, 0x1D, 0x3A));
        sky.setColorAt(1.0, QColor(0x1F, 0x4E, 0x79));
        painter.fillRect(area, sky);

        const QPointF earth(area.width() * 0.80, area.height() * 1.05);
        painter.setPen(QPen(QColor(255, 255, 255, 60), 1.5));
        painter.setBrush(Qt::NoBrush);
        for (double radius : {0.45, 0.65, 0.85})
            painter.drawEllipse(earth, area.width() * radius, area.width() * radius * 0.75);

        QRadialGradient globe(earth, area.width() * 0.30);
        globe.setColorAt(0.0, QColor(0x4F, 0xA3, 0xD9));
        globe.setColorAt(1.0, QColor(0x14, 0x3D, 0x66));
        painter.setPen(Qt::NoPen);
        painter.setBrush(globe);
        painter.drawEllipse(earth, area.width() * 0.30, area.width() * 0.30);

        const QPointF satellite(area.width() * 0.82, area.height() * 0.22);
        painter.setBrush(QColor(0xF2, 0xC1, 0x4E));
        painter.drawRect(QRectF(satellite.x() - 6, satellite.y() - 6, 12, 12));
        painter.setBrush(QColor(0x9C, 0xC8, 0xF0));
        painter.drawRect(QRectF(satellite.x() - 30, satellite.y() - 4, 20, 8));
        painter.drawRect(QRectF(satellite.x() + 10, satellite.y() - 4, 20, 8));

        QFont title = font();
        title.setBold(true);
        title.setPixelSize(int(area.height() * 0.24));
        painter.setFont(title);
        painter.setPen(Qt::white);
        const QRectF titleArea(area.width() * 0.08, area.height() * 0.28, area.width() * 0.84, area.height() * 0.30);
        painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter, "Trakora");

        QFont subtitle = font();
        subtitle.setItalic(true);
        subtitle.setPixelSize(int(area.height() * 0.10));
        painter.setFont(subtitle);
        painter.setPen(QColor(0xF2, 0xC1, 0x4E));
        const QRectF subtitleArea(area.width() * 0.08, area.height() * 0.58, area.width() * 0.84, area.height() * 0.14);
        painter.drawText(subtitleArea, Qt::AlignLeft | Qt::AlignVCenter, "is loading");
    }
};

QLabel* ClickTarget(QWidget* parent, const char* name, QRect geometry)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    label->setGeometry(geometry);
    return label;
}

} // namespace

frmSplash::frmSplash(ProgramSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("frmSplash");
    setWindowTitle("Trakora");
    setAttribute(Qt::WA_DeleteOnClose);
    const QRect picture = TwipsRect(0, 0, 6000, 3375);
    setFixedSize(picture.size());

    m_image1 = new SplashPicture(this);
    m_image1->setObjectName("Image1");
    m_image1->setAccessibleName("Trakora is loading");
    m_image1->setGeometry(picture);
    // The labels lie over the two lines of text.
    const int w = picture.width();
    const int h = picture.height();
    m_label1 = ClickTarget(this, "Label1", QRect(w * 8 / 100, h * 28 / 100, w * 84 / 100, h * 30 / 100));
    m_label2 = ClickTarget(this, "Label2", QRect(w * 8 / 100, h * 58 / 100, w * 84 / 100, h * 14 / 100));
    for (QWidget* target : {m_image1, static_cast<QWidget*>(m_label1), static_cast<QWidget*>(m_label2)})
        target->installEventFilter(this);

    CenterForm(*this);
    // Messages built from now on break their lines with carriage returns,
    // until the settings are loaded at start-up.
    settings.LineBreak = "\r";
    settings.DoubleLineBreak = "\r\r";
    QCoreApplication::processEvents();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName("Timer1");
    m_timer1->setSingleShot(true);
    m_timer1->setInterval(CloseAfterMilliseconds);
    connect(m_timer1, &QTimer::timeout, this, &QWidget::close);
    m_timer1->start();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace trakora
