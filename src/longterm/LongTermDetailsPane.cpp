#include "longterm/LongTermDetailsPane.h"

#include "common/WindowRoutines.h"
#include "longterm/LongTermSampler.h"
#include "longterm/ScatterPlotWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace trakora {

namespace {

// Twips from the pane's own corner: three columns of figures, each a caption
// over a value.
constexpr int ColumnLefts[] = {105, 1455, 2805};
constexpr int ColumnWidth = 1290;
constexpr int CaptionTops[] = {420, 990, 1560};

const char* const CepTip =
    "Circular approximations from \xCF\x83 north (\xCF\x83N) and \xCF\x83 east (\xCF\x83" "E):\n"
    "CEP50 = 0.5887 (\xCF\x83N + \xCF\x83" "E), CEP95 = 2.4477 \xE2\x88\x9A((\xCF\x83N\xC2\xB2 + \xCF\x83" "E\xC2\xB2) / 2).\n"
    "Within a few per cent while the smaller \xCF\x83 is at least half the larger.";
const char* const HeldTip =
    "New positions held back since the window opened, each counted once at the first gate that held it.";

QLabel* Figure(QWidget* pane, int column, int line, const char* caption, const char* name, const char* tip)
{
    auto* captionLabel = new QLabel(QString::fromUtf8(caption), pane);
    captionLabel->setGeometry(TwipsRect(ColumnLefts[column], CaptionTops[line], ColumnWidth, 195));
    auto* value = new QLabel(pane);
    value->setObjectName(name);
    value->setGeometry(TwipsRect(ColumnLefts[column], CaptionTops[line] + 210, ColumnWidth, 285));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setFrameShape(QFrame::Box);
    value->setAutoFillBackground(true);
    QPalette palette = value->palette();
    palette.setColor(QPalette::Window, Qt::white);
    value->setPalette(palette);
    value->setAccessibleName(QString::fromUtf8(caption));
    captionLabel->setBuddy(value);
    if (tip) {
        captionLabel->setToolTip(QString::fromUtf8(tip));
        value->setToolTip(QString::fromUtf8(tip));
    }
    return value;
}

QPushButton* Button(QWidget* pane, const char* text, const char* name, int column)
{
    auto* button = new QPushButton(QString::fromUtf8(text), pane);
    button->setObjectName(name);
    button->setGeometry(TwipsRect(ColumnLefts[column], 5580, ColumnWidth, 300));
    InstallFocusHighlight(button);
    return button;
}

void SetText(QLabel* label, const std::string& text)
{
    const QString value = Q(text);
    if (label->text() != value) {
        label->setText(value);
        label->setAccessibleDescription(value);
    }
}

} // namespace

LongTermDetailsPane::LongTermDetailsPane(QWidget* parent) : QFrame(parent)
{
    setObjectName("fraDetails");
    setFrameShape(QFrame::Box);

    auto* caption = new QLabel("Details of", this);
    caption->setGeometry(TwipsRect(105, 120, 900, 225));
    m_cboDetailRow = new QComboBox(this);
    m_cboDetailRow->setObjectName("cboDetailRow");
    m_cboDetailRow->setGeometry(TwipsRect(1050, 75, 1500, 315));
    for (int r = 0; r < LongTermRows; ++r)
        m_cboDetailRow->addItem(QStringLiteral("Samp %1").arg(r + 1));
    m_cboDetailRow->setAccessibleName("Row shown in the details");
    caption->setBuddy(m_cboDetailRow);

    m_lblSigmaNorth = Figure(this, 0, 0, "\xCF\x83 north", "lblSigmaNorth", "One standard deviation north-south");
    m_lblSigmaEast = Figure(this, 1, 0, "\xCF\x83 east", "lblSigmaEast", "One standard deviation east-west");
    m_lblSpreadSamples = Figure(this, 2, 0, "Samples in \xCF\x83", "lblSpreadSamples",
                                "Samples taken since the spread was started; a store from an earlier "
                                "version has none of its older samples in it");
    m_lblCEP50 = Figure(this, 0, 1, "CEP50", "lblCEP50", CepTip);
    m_lblCEP95 = Figure(this, 1, 1, "CEP95", "lblCEP95", CepTip);
    m_lblTwoDRMS = Figure(this, 2, 1, "2DRMS", "lblTwoDRMS", "2DRMS = 2 \xE2\x88\x9A(\xCF\x83N\xC2\xB2 + \xCF\x83" "E\xC2\xB2)");
    m_lblHeldQuality = Figure(this, 0, 2, "Held: quality", "lblHeldQuality", HeldTip);
    m_lblHeldDOP = Figure(this, 1, 2, "Held: D.O.P.", "lblHeldDOP", HeldTip);
    m_lblHeldNot3D = Figure(this, 2, 2, "Held: not 3D", "lblHeldNot3D", HeldTip);

    m_picScatter = new ScatterPlotWidget(this);
    m_picScatter->setObjectName("picScatter");
    m_picScatter->setGeometry(TwipsRect(105, 2160, 3990, 3300));
    m_picScatter->hide();

    m_cmdPlot = Button(this, "&Plot", "cmdPlot", 0);
    m_cmdPlot->setCheckable(true);
    m_cmdPlot->setToolTip("Show or hide the latest samples of the row around their mean");
    m_cmdExport = Button(this, "&Export\xE2\x80\xA6", "cmdExport", 1);
    m_cmdExport->setToolTip("Save the row's averaged position as a GPX waypoint");
    m_cmdCopy = Button(this, "Cop&y", "cmdCopy", 2);
    m_cmdCopy->setToolTip("Copy the row's averaged position in the chosen degree format");
}

void LongTermDetailsPane::ShowFigures(const SpreadTexts& texts)
{
    SetText(m_lblSigmaNorth, texts.SigmaNorth);
    SetText(m_lblSigmaEast, texts.SigmaEast);
    SetText(m_lblSpreadSamples, texts.Samples);
    SetText(m_lblCEP50, texts.Cep50);
    SetText(m_lblCEP95, texts.Cep95);
    SetText(m_lblTwoDRMS, texts.TwoDrms);
}

void LongTermDetailsPane::ShowHeld(const HeldCounts& counts)
{
    SetText(m_lblHeldQuality, std::to_string(counts.Quality));
    SetText(m_lblHeldDOP, std::to_string(counts.Dop));
    SetText(m_lblHeldNot3D, std::to_string(counts.NotThreeD));
}

void LongTermDetailsPane::EnablePointActions(bool enabled)
{
    m_cmdExport->setEnabled(enabled);
    m_cmdCopy->setEnabled(enabled);
}

} // namespace trakora
