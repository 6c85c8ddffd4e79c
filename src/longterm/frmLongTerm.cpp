#include "longterm/frmLongTerm.h"

#include "common/ProgramMessageBox.h"
#include "common/WindowRoutines.h"
#include "longterm/GpxWaypoint.h"
#include "longterm/LongTermDetailsPane.h"
#include "longterm/ScatterPlotWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>

namespace trakora {

namespace {

const QColor LightCyan(192, 255, 255);
const QColor LightRed(255, 128, 128);
const QColor LightGrey(192, 192, 192);

constexpr int CheckTops[LongTermRows] = {480, 880, 1280, 1680, 2080, 2480, 2880, 3280, 3680, 4080};
constexpr int ListTops[LongTermRows] = {450, 855, 1245, 1650, 2055, 2445, 2850, 3255, 3645, 4050};
constexpr int ValueTops[LongTermRows] = {480, 885, 1275, 1680, 2085, 2475, 2880, 3285, 3675, 4080};
// The rows and the lower area take the first 7185 twips; the details pane
// stands to their right.
constexpr int DetailsLeft = 7185;
constexpr int DetailsWidth = 4200;

QString Indexed(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel* MakeValueLabel(QWidget* parent, const QString& name, const QRect& geometry, Qt::Alignment alignment)
{
    QLabel* label = MakeLabel(parent, name, QString(), geometry, alignment | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Box);
    SetBackground(label, Qt::white);
    return label;
}

void SetTextIfChanged(QLabel* label, std::string_view text)
{
    const QString value = Q(text);
    if (label->text() != value) {
        label->setText(value);
        label->setAccessibleDescription(value);
    }
}

// Message boxes and the application's event loop.
class QtLongTermHooks : public ILongTermHooks {
public:
    explicit QtLongTermHooks(QWidget* window) : m_window(window) {}
    void Yield() override { QCoreApplication::processEvents(); }
    bool AskYesNo(std::string_view title, std::string_view question) override
    {
        return AskProgramQuestion(m_window, question, Q(title));
    }

private:
    QWidget* m_window;
};

} // namespace

frmLongTerm::frmLongTerm(ProgramContext& context, IClock& clock, ILongTermHooks* hooks, QWidget* parent)
    : TrackedWindow(context, "LongTerm", "LongTerm", &ProgramSettings::ShowingLongTerm, parent)
{
    setObjectName("frmLongTerm");
    setWindowTitle("Where Am I ?");
    if (!hooks) {
        m_ownHooks = std::make_unique<QtLongTermHooks>(this);
        hooks = m_ownHooks.get();
    }
    m_sampler = std::make_unique<LongTermSampler>(context.Gps, context.Settings, context.Store, clock,
                                                  static_cast<ILongTermView&>(*this), *hooks);
    resize(TwipsToPixelsX(DetailsLeft + DetailsWidth), TwipsToPixelsY(5985));
    BuildControls();
    RestorePosition();
    m_sampler->Load();
    // Details of the first row that holds samples.
    for (int r = LongTermRows - 1; r >= 0; --r)
        if (m_sampler->Row(r).RowSampleCount > 0)
            m_details->RowChoice()->setCurrentIndex(r);
    ShowDetails();
    ConnectControls();
    MarkOpen();
    EnableDragMove(this);
}

frmLongTerm::~frmLongTerm() = default;

void frmLongTerm::BuildControls()
{
    QFont windowFont("MS Sans Serif");
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);

    MakeLabel(this, "Label1_0", "Enabled", TwipsRect(240, 120, 885, 195));
    MakeLabel(this, "Label1_1", "  Interval    /   Type", TwipsRect(1290, 120, 1635, 195));
    MakeLabel(this, "Label1_2", "Samples", TwipsRect(3180, 120, 800, 195));
    MakeLabel(this, "Label1_3", "Latitude", TwipsRect(4440, 120, 870, 195));
    MakeLabel(this, "Label1_4", "Longitude", TwipsRect(5940, 120, 1005, 195));

    QStringList intervals;
    for (int n = 1; n <= 60; ++n)
        intervals << QString::number(n);
    const QStringList types{"Secs", "Mins", "Hours"};

    for (int r = 0; r < LongTermRows; ++r) {
        auto* check = new QCheckBox(QStringLiteral("Samp %1").arg(r + 1), this);
        check->setObjectName(Indexed("chkEnabled", r));
        check->setGeometry(TwipsRect(90, CheckTops[r], 1065, 225));
        InstallFocusHighlight(check);
        m_chkEnabled[r] = check;

        auto* interval = new QComboBox(this);
        interval->setObjectName(Indexed("cboInterval", r));
        interval->setGeometry(TwipsRect(1170, ListTops[r], 800, 315));
        interval->addItems(intervals);
        interval->setCurrentIndex(-1);
        interval->setAccessibleName(QStringLiteral("Interval of row %1").arg(r + 1));
        SetBackground(interval, LightCyan);
        m_cboInterval[r] = interval;

        auto* type = new QComboBox(this);
        type->setObjectName(Indexed("cboIntType", r));
        type->setGeometry(TwipsRect(2100, ListTops[r], 800, 315));
        type->addItems(types);
        type->setCurrentIndex(-1);
        type->setAccessibleName(QStringLiteral("Interval unit of row %1").arg(r + 1));
        SetBackground(type, LightCyan);
        m_cboIntType[r] = type;

        m_lblSamples[r] = MakeValueLabel(this, Indexed("lblSamples", r), TwipsRect(3090, ValueTops[r], 735, 285),
                                         Qt::AlignRight);
        m_lblSamples[r]->setToolTip("Sampling not started.");
        m_lblLat[r] = MakeValueLabel(this, Indexed("lblLat", r), TwipsRect(4020, ValueTops[r], 1395, 285),
                                     Qt::AlignHCenter);
        m_lblLon[r] = MakeValueLabel(this, Indexed("lblLon", r), TwipsRect(5610, ValueTops[r], 1395, 285),
                                     Qt::AlignHCenter);
    }

    MakeLabel(this, "Label1_10", "Altitude", TwipsRect(1170, 4500, 1725, 225), Qt::AlignRight | Qt::AlignVCenter);
    m_lblAltSamps = MakeValueLabel(this, "lblAltSamps", TwipsRect(3090, 4485, 735, 285), Qt::AlignRight);
    m_lblAlt = MakeValueLabel(this, "lblAlt", TwipsRect(4020, 4485, 1395, 285), Qt::AlignRight);
    m_lblAltSigma = MakeValueLabel(this, "lblAltSigma", TwipsRect(5610, 4485, 1395, 285), Qt::AlignRight);
    m_lblAltSigma->setAccessibleName("Altitude standard deviation");
    m_lblAltSigma->setToolTip("One standard deviation of the altitude samples taken since the spread was started");

    // Frames around the groups of the lower area.
    const QRect frames[] = {TwipsRect(45, 4875, 1710, 1050), TwipsRect(1770, 4875, 1545, 1050),
                            TwipsRect(3405, 4875, 2055, 1050), TwipsRect(5550, 4800, 1545, 1200),
                            TwipsRect(3030, 4440, 2430, 375)};
    for (int i = 0; i < 5; ++i) {
        auto* frame = new QFrame(this);
        frame->setObjectName(Indexed("Shape1", i));
        frame->setFrameShape(QFrame::Box);
        frame->setGeometry(frames[i]);
        frame->lower();
    }

    QLabel* caption = MakeLabel(this, "Label1_5", "Delay sampling if H.D.O.P. greater than",
                                TwipsRect(60, 4920, 1680, 585), Qt::AlignHCenter | Qt::AlignVCenter);
    caption->setWordWrap(true);
    m_txtTopDOP = new QLineEdit("2.0", this);
    m_txtTopDOP->setObjectName("txtTopDOP");
    m_txtTopDOP->setGeometry(TwipsRect(660, 5520, 495, 285));
    m_txtTopDOP->setAccessibleName("H.D.O.P. threshold");
    caption->setBuddy(m_txtTopDOP);
    InstallFocusHighlight(m_txtTopDOP);
    InstallNumericKeyFilter(m_txtTopDOP, false, true, m_context.Settings);

    MakeLabel(this, "Label1_6", "Current H.D.O.P", TwipsRect(1800, 4920, 1485, 195), Qt::AlignCenter);
    m_lblTopDOP = MakeLabel(this, "lblTopDOP", "Unknown", TwipsRect(1800, 5160, 1485, 195), Qt::AlignCenter);
    MakeLabel(this, "Label1_9", "Status", TwipsRect(1800, 5460, 1485, 195), Qt::AlignCenter);
    m_lblStatus = MakeLabel(this, "lblStatus", "Stopped", TwipsRect(1800, 5670, 1485, 195), Qt::AlignCenter);
    m_lblStatus->setAccessibleDescription("Stopped");
    SetBackground(m_lblStatus, LightRed);
    MakeLabel(this, "Label1_7", "Sampling started at", TwipsRect(3450, 4920, 1965, 255), Qt::AlignCenter);
    m_lblStartTime =
        MakeLabel(this, "lblStartTime", "Not yet started", TwipsRect(3450, 5160, 1965, 255), Qt::AlignCenter);
    MakeLabel(this, "Label1_8", "Current Time", TwipsRect(3450, 5460, 1965, 255), Qt::AlignCenter);
    m_lblNow = MakeLabel(this, "lblNow", "Not yet started", TwipsRect(3450, 5670, 1965, 255), Qt::AlignCenter);

    m_cmdStart = new QPushButton("&Start", this);
    m_cmdStart->setObjectName("cmdStart");
    m_cmdStart->setGeometry(TwipsRect(5610, 4860, 1425, 300));
    InstallFocusHighlight(m_cmdStart);
    m_cmdClose = new QPushButton("&Close", this);
    m_cmdClose->setObjectName("cmdClose");
    m_cmdClose->setGeometry(TwipsRect(5610, 5250, 1425, 300));
    InstallFocusHighlight(m_cmdClose);
    m_cmdClear = new QPushButton("Clear Stats", this);
    m_cmdClear->setObjectName("cmdClear");
    m_cmdClear->setGeometry(TwipsRect(5610, 5640, 1425, 300));

    m_details = new LongTermDetailsPane(this);
    m_details->setGeometry(TwipsRect(DetailsLeft + 45, 45, DetailsWidth - 90, 5895));
}

void frmLongTerm::ConnectControls()
{
    for (int r = 0; r < LongTermRows; ++r) {
        connect(m_chkEnabled[r], &QCheckBox::toggled, this, [this, r](bool on) { m_sampler->SetEnabled(r, on); });
        connect(m_cboInterval[r], &QComboBox::currentIndexChanged, this,
                [this, r] { m_sampler->SetInterval(r, m_cboInterval[r]->currentText().toStdString()); });
        connect(m_cboIntType[r], &QComboBox::currentIndexChanged, this,
                [this, r] { m_sampler->SetType(r, m_cboIntType[r]->currentText().toStdString()); });
    }
    connect(m_txtTopDOP, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_sampler->SetThreshold(text.toStdString()); });
    connect(m_cmdStart, &QPushButton::clicked, this, [this] { m_sampler->Start(); });
    connect(m_cmdClear, &QPushButton::clicked, this, [this] { m_sampler->ClearStats(); });
    connect(m_cmdClose, &QPushButton::clicked, this, [this] {
        m_sampler->Close();
        close();
    });
    connect(m_details->RowChoice(), &QComboBox::currentIndexChanged, this, [this] { ShowDetails(); });
    connect(m_details->PlotButton(), &QPushButton::toggled, m_details->Plot(), &QWidget::setVisible);
    connect(m_details->ExportButton(), &QPushButton::clicked, this, [this] { ChooseExportFile(); });
    connect(m_details->CopyButton(), &QPushButton::clicked, this, [this] { CopyPosition(); });
}

int frmLongTerm::DetailRow() const
{
    return std::max(0, m_details->RowChoice()->currentIndex());
}

void frmLongTerm::ShowDetails()
{
    const int row = DetailRow();
    m_details->ShowFigures(SpreadTextsOf(m_sampler->Row(row).Spread, m_context.Settings));
    m_details->EnablePointActions(m_sampler->Row(row).RowSampleCount > 0);
    m_details->Plot()->ShowRow(m_sampler->Row(row), m_details->RowChoice()->currentText());
}

bool frmLongTerm::ExportTo(const QString& path, QString& error)
{
    const std::optional<AveragedPoint> point = m_sampler->PointOf(DetailRow());
    if (!point) {
        error = "The row has no samples.";
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(GpxWaypointDocument(*point)) < 0 || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

void frmLongTerm::ChooseExportFile()
{
    const QString suggested = m_details->RowChoice()->currentText().remove(' ') + ".gpx";
    const QString path = QFileDialog::getSaveFileName(this, "Export Averaged Position", suggested,
                                                      "GPX files (*.gpx);;All files (*)");
    if (path.isEmpty())
        return;
    QString error;
    if (!ExportTo(path, error))
        ShowProgramMessage(this, QStringLiteral("Could not write %1: %2").arg(path, error).toStdString(), "Export");
}

void frmLongTerm::CopyPosition()
{
    if (const std::optional<AveragedPoint> point = m_sampler->PointOf(DetailRow()))
        QGuiApplication::clipboard()->setText(Q(PositionText(point->Latitude, point->Longitude, m_context.Settings)));
}

void frmLongTerm::TimerPop()
{
    m_sampler->TimerPop();
}

void frmLongTerm::BeforeClose()
{
    m_sampler->Close();
    m_sampler->SaveAllData();
}

void frmLongTerm::ShowStatus(std::string_view text, StatusColour colour)
{
    SetTextIfChanged(m_lblStatus, text);
    if (colour == StatusColour::Unchanged)
        return;
    const QColor& wanted = colour == StatusColour::LightRed ? LightRed : LightGrey;
    if (m_lblStatus->palette().color(QPalette::Window) != wanted)
        SetBackground(m_lblStatus, wanted);
}

void frmLongTerm::ShowNow(std::string_view text)
{
    SetTextIfChanged(m_lblNow, text);
}

void frmLongTerm::ShowTopDOP(std::string_view text)
{
    SetTextIfChanged(m_lblTopDOP, text);
}

void frmLongTerm::ShowStartTime(std::string_view text)
{
    SetTextIfChanged(m_lblStartTime, text);
}

void frmLongTerm::ShowSamples(int row, std::string_view text)
{
    SetTextIfChanged(m_lblSamples[row], text);
}

void frmLongTerm::ShowSamplesTip(int row, std::string_view tip)
{
    m_lblSamples[row]->setToolTip(Q(tip));
}

void frmLongTerm::ShowAverages(int row, std::string_view latitude, std::string_view longitude)
{
    SetTextIfChanged(m_lblLat[row], latitude);
    SetTextIfChanged(m_lblLon[row], longitude);
}

void frmLongTerm::ShowRowChoices(int row, bool enabled, std::string_view interval, std::string_view type)
{
    m_chkEnabled[row]->setChecked(enabled);
    m_cboInterval[row]->setCurrentIndex(m_cboInterval[row]->findText(Q(interval)));
    m_cboIntType[row]->setCurrentIndex(m_cboIntType[row]->findText(Q(type)));
}

void frmLongTerm::UntickRow(int row)
{
    m_chkEnabled[row]->setChecked(false);
}

void frmLongTerm::ShowAltitude(std::string_view average, std::string_view samples)
{
    SetTextIfChanged(m_lblAlt, average);
    SetTextIfChanged(m_lblAltSamps, samples);
}

void frmLongTerm::ShowThreshold(std::string_view text)
{
    m_txtTopDOP->setText(Q(text));
}

void frmLongTerm::ShowSpread(int row)
{
    if (row == DetailRow())
        ShowDetails();
}

void frmLongTerm::ShowAltitudeSpread(std::string_view sigmaUp)
{
    SetTextIfChanged(m_lblAltSigma, sigmaUp);
}

void frmLongTerm::ShowHeldCounts(const HeldCounts& counts)
{
    m_details->ShowHeld(counts);
    m_lblAltSamps->setToolTip(counts.AltitudesRejected > 0
                                  ? QStringLiteral("%1 altitudes outside -1000 to 100000 m were not summed.")
                                        .arg(counts.AltitudesRejected)
                                  : QString());
}

void frmLongTerm::DisableStart()
{
    m_cmdStart->setEnabled(false);
    m_txtTopDOP->setFocus();
}

} // namespace trakora
