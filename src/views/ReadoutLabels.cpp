#include "views/ReadoutLabels.h"

#include "common/ProgramSettings.h"
#include "common/WindowRoutines.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace trakora {

char DisplayDecimalPoint(const ProgramSettings& settings)
{
    const std::int16_t c = settings.DecimalPointChar;
    return c > 0 && c < 128 ? static_cast<char>(c) : '.';
}

QFont DialogFont(double points, bool bold)
{
    QFont font;
    // Narrow sans faces first: the layout was drawn for the narrow dialog
    // font, in which the wider DejaVu Sans cuts off the longer captions.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont FixedPitchFont(double points, bool bold)
{
    QFont font;
    // The look-alikes of Courier New first, then any monospace face.
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS"),
                      QStringLiteral("Nimbus Mono L"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Where none of them is installed the matching may settle on a
    // proportional face: the system's own monospace family then.
    if (!QFontInfo(font).fixedPitch())
        font.setFamilies({QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    return font;
}

QLabel* AddTwipsLabel(QWidget* parent, const char* objectName, const QString& text, double left,
                      double top, double width, double height, Qt::Alignment alignment, bool bordered)
{
    return PlaceTwipsLabel(new QLabel(parent), objectName, text, left, top, width, height, alignment, bordered);
}

QLabel* PlaceTwipsLabel(QLabel* label, const char* objectName, const QString& text, double left,
                        double top, double width, double height, Qt::Alignment alignment, bool bordered)
{
    label->setText(text);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(TwipsRect(left, top, width, height));
    label->setAlignment(alignment);
    label->setAutoFillBackground(false);
    if (bordered) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    return label;
}

QLabel* AddValueLabel(QWidget* parent, const char* objectName, const char* accessibleName, double left,
                      double top, double width, double height)
{
    QLabel* label =
        AddTwipsLabel(parent, objectName, QString(), left, top, width, height, Qt::AlignCenter, true);
    label->setAccessibleName(QString::fromUtf8(accessibleName));
    return label;
}

QLabel* AddCaptionLabel(QWidget* parent, const char* objectName, const char* text, double left, double top,
                        double width, double height)
{
    return AddTwipsLabel(parent, objectName, QString::fromUtf8(text), left, top, width, height,
                         Qt::AlignRight | Qt::AlignTop);
}

Readout::Readout(QLabel* label) : m_label(label), m_name(label->accessibleName()) {}

void Readout::Show(std::string_view utf8)
{
    const std::size_t nul = utf8.find('\0');
    if (nul != std::string_view::npos)
        utf8 = utf8.substr(0, nul);
    if (utf8 != m_text)
        m_text.assign(utf8);
}

void Readout::Paint()
{
    if (m_text == m_painted)
        return;
    m_painted = m_text;
    const QString text = Q(m_painted);
    m_label->setText(text);
    const QString value = text.trimmed();
    m_label->setAccessibleName(value.isEmpty() ? m_name : m_name + QLatin1Char(' ') + value);
}

ValidityBackground::ValidityBackground(QWidget* window, std::initializer_list<const Readout*> described)
    : m_window(window)
{
    for (const Readout* readout : described)
        m_described.push_back(readout->Label());
    m_window->setAutoFillBackground(true);
    Write(false);
}

void ValidityBackground::Paint()
{
    if (m_white != m_paintedWhite)
        Write(m_white);
}

void ValidityBackground::Write(bool white)
{
    m_paintedWhite = white;
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Window, white ? QColor(255, 255, 255) : QColor(255, 0, 0));
    m_window->setPalette(palette);
    const QString state = white ? QStringLiteral("valid data") : QStringLiteral("invalid data");
    m_window->setAccessibleDescription(state);
    for (QLabel* label : m_described)
        label->setAccessibleDescription(state);
}

} // namespace trakora
