#include "app/frmNMEA_Raw.h"

#include "common/LeadingNumber.h"
#include "common/LoadProgramSettings.h"
#include "common/WindowRoutines.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>

namespace trakora {

namespace {

constexpr const char* RawSection = "NMEA_Raw";
constexpr int MinimumHeightTwips = 1215;

const char* const LimitItems[] = {"500",   "1000",  "2000",  "4000",  "6000",  "8000",
                                  "10000", "12000", "14000", "16000", "18000", "20000",
                                  "22000", "24000", "26000", "28000", "30000", "32000"};

// True when the text starts (after blanks) with a digit, so it names a limit.
bool NamesANumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() && trimmed.front().isDigit();
}

} // namespace

frmNMEA_Raw::frmNMEA_Raw(ProgramContext& context, QWidget* parent)
    : TrackedWindow(context, RawSection, "NMEA_Raw", &ProgramSettings::ShowingNMEARaw, parent)
{
    setObjectName(QStringLiteral("frmNMEA_Raw"));
    setWindowTitle(QStringLiteral("NMEA Input from GPS"));

    m_txtNMEA = new QListView(this);
    m_txtNMEA->setObjectName(QStringLiteral("txtNMEA"));
    m_txtNMEA->setModel(&m_lines);
    m_txtNMEA->setUniformItemSizes(true);
    m_txtNMEA->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_txtNMEA->setAutoScroll(false);
    m_txtNMEA->setAccessibleName(QStringLiteral("Received NMEA lines"));

    m_optAutoScroll = new QRadioButton(QStringLiteral("&Scroll window"), this);
    m_optAutoScroll->setObjectName(QStringLiteral("optAutoScroll"));
    m_optFixed = new QRadioButton(QStringLiteral("&Don't scroll until necessary"), this);
    m_optFixed->setObjectName(QStringLiteral("optFixed"));
    m_lblKeep = new QLabel(QStringLiteral("Show &Last"), this);
    m_lblKeep->setObjectName(QStringLiteral("lblKeep"));
    m_cboMaxNMEA = new QComboBox(this);
    m_cboMaxNMEA->setObjectName(QStringLiteral("cboMaxNMEA"));
    m_cboMaxNMEA->setEditable(true);
    m_cboMaxNMEA->setInsertPolicy(QComboBox::NoInsert);
    m_cboMaxNMEA->setAccessibleName(QStringLiteral("Show Last"));
    m_lblKeep->setBuddy(m_cboMaxNMEA);

    InstallFocusHighlight(m_optAutoScroll);
    InstallFocusHighlight(m_optFixed);
    EnableDragMove(this);
    EnableDragMove(m_txtNMEA->viewport());

    connect(m_optAutoScroll, &QRadioButton::clicked, this, [this] { ChooseScroll(true); });
    connect(m_optFixed, &QRadioButton::clicked, this, [this] { ChooseScroll(false); });

    // Loading: the stored choices, the open-window entry, the placement.
    if (m_context.Settings.RawAutoScroll)
        m_optAutoScroll->setChecked(true);
    else
        m_optFixed->setChecked(true);
    ChooseScroll(m_context.Settings.RawAutoScroll != 0);
    MarkOpen();
    RestorePosition();
    resize(StoredLengthPixelsX(m_context.Store, RawSection, "Width", 7000),
           StoredLengthPixelsY(m_context.Store, RawSection, "Height", 5000));
    for (const char* item : LimitItems)
        m_cboMaxNMEA->addItem(QString::fromLatin1(item));
    SelectStoredLimit();
    connect(m_cboMaxNMEA, &QComboBox::editTextChanged, this, &frmNMEA_Raw::LimitTextChanged);
    connect(m_cboMaxNMEA, &QComboBox::activated, this, &frmNMEA_Raw::LimitChosen);
    LayOut();
    m_loading = false;
}

void frmNMEA_Raw::AddRawLine(std::string_view line)
{
    m_pending.Add(line, m_limit, m_lines.Count());
}

void frmNMEA_Raw::Paint()
{
    if (m_pending.Empty())
        return;
    RawLineBuffer::Batch batch = m_pending.Take(m_lines.Count());
    // The list is laid out once for the whole batch.
    m_txtNMEA->setUpdatesEnabled(false);
    m_lines.RemoveOldest(batch.DropOldest);
    m_lines.Append(batch.Lines);
    m_txtNMEA->setUpdatesEnabled(true);
    if (m_context.Settings.RawAutoScroll)
        SelectNewest();
}

void frmNMEA_Raw::ClearLines()
{
    m_pending.Clear();
    m_lines.RemoveOldest(m_lines.Count());
}

// Selecting and scrolling lay out the whole list, so they wait until the
// pending events run: one selection serves every line added in between.
void frmNMEA_Raw::SelectNewest()
{
    if (m_selectPending)
        return;
    m_selectPending = true;
    QTimer::singleShot(0, this, [this] {
        m_selectPending = false;
        if (!m_context.Settings.RawAutoScroll || m_lines.Count() == 0)
            return;
        m_txtNMEA->selectionModel()->setCurrentIndex(m_lines.index(m_lines.Count() - 1),
                                                     QItemSelectionModel::ClearAndSelect);
        m_txtNMEA->scrollToBottom();
    });
}

void frmNMEA_Raw::ChooseScroll(bool autoScroll)
{
    m_context.Store.Save(RawSection, "Scroll", FlagText(autoScroll));
    m_context.Settings.RawAutoScroll = autoScroll ? FlagSet : FlagClear;
}

void frmNMEA_Raw::LimitTextChanged(const QString& text)
{
    if (NamesANumber(text))
        m_limit = LeadingWholeNumber(text.toStdString());
}

void frmNMEA_Raw::LimitChosen(int index)
{
    const QString item = m_cboMaxNMEA->itemText(index);
    if (item != m_cboMaxNMEA->currentText())
        return; // typed text that matches no item stays for this run only
    m_limit = LeadingWholeNumber(item.toStdString());
    m_context.Store.Save(RawSection, "MaxNMEA", item.toStdString());
}

void frmNMEA_Raw::SelectStoredLimit()
{
    const std::string stored = m_context.Store.Get(RawSection, "MaxNMEA", std::to_string(DefaultLimit));
    const int wanted = LeadingWholeNumber(stored);
    int index = m_cboMaxNMEA->findText(QString::number(wanted));
    if (index < 0) // a damaged entry: the default limit
        index = m_cboMaxNMEA->findText(QString::number(DefaultLimit));
    m_cboMaxNMEA->setCurrentIndex(index);
    m_limit = m_cboMaxNMEA->currentText().toInt();
}

void frmNMEA_Raw::resizeEvent(QResizeEvent* event)
{
    TrackedWindow::resizeEvent(event);
    if (isMinimized())
        return;
    const int minimumHeight = TwipsToPixelsY(MinimumHeightTwips);
    if (height() < minimumHeight) {
        resize(width(), minimumHeight);
        return;
    }
    LayOut();
    if (!m_loading)
        SaveWindowPlacement(m_context.Store, RawSection, *this);
}

void frmNMEA_Raw::LayOut()
{
    const int clientWidth = width();
    const int clientHeight = height();
    const QSize option1 = m_optAutoScroll->sizeHint();
    const QSize option2 = m_optFixed->sizeHint();
    const int optionHeight = option1.height();

    m_txtNMEA->setGeometry(0, 0, clientWidth, std::max(0, clientHeight - optionHeight - TwipsToPixelsY(100)));
    const int optionTop = clientHeight - optionHeight - TwipsToPixelsY(30);
    m_optAutoScroll->setGeometry(0, optionTop, option1.width(), optionHeight);
    m_optFixed->setGeometry(option1.width(), optionTop, option2.width(), optionHeight);
    const QSize label = m_lblKeep->sizeHint();
    const int labelLeft = m_optFixed->x() + m_optFixed->width() + TwipsToPixelsX(30);
    m_lblKeep->setGeometry(labelLeft, optionTop, label.width(), optionHeight);
    const QSize combo = m_cboMaxNMEA->sizeHint();
    m_cboMaxNMEA->setGeometry(labelLeft + label.width() + TwipsToPixelsX(20),
                              clientHeight - optionHeight - TwipsToPixelsY(70), combo.width(), combo.height());
}

} // namespace trakora
