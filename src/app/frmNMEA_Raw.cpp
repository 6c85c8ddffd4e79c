#include "app/frmNMEA_Raw.h"

#include "common/LeadingNumber.h"
#include "common/LoadProgramSettings.h"
#include "common/WindowRoutines.h"

#include "app/QtRawLineFilter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <QSortFilterProxyModel>
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

// The list gives every line the size of one (uniform sizes keep a long list
// cheap); that size is the longest line's, so no line is cut short or
// elided: a long one is reached by scrolling sideways.
class LongestLineDelegate : public QStyledItemDelegate {
public:
    LongestLineDelegate(const QtRawLineModel& lines, QObject* parent) : QStyledItemDelegate(parent), m_lines(lines) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem longest = option;
        initStyleOption(&longest, index);
        if (m_lines.Longest().size() > longest.text.size())
            longest.text = m_lines.Longest();
        const QWidget* view = option.widget;
        const QStyle* style = view ? view->style() : QApplication::style();
        return style->sizeFromContents(QStyle::CT_ItemViewItem, &longest, QSize(), view);
    }

private:
    const QtRawLineModel& m_lines;
};

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
    // Fixed pitch: the longest line in characters is the widest.
    m_txtNMEA->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_txtNMEA->setItemDelegate(new LongestLineDelegate(m_lines, m_txtNMEA));
    m_txtNMEA->setTextElideMode(Qt::ElideNone);
    m_txtNMEA->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_txtNMEA->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_txtNMEA->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_txtNMEA->setAutoScroll(false);
    m_txtNMEA->setAccessibleName(QStringLiteral("Received NMEA lines"));
    m_filtered = new QSortFilterProxyModel(this);
    m_filtered->setFilterRole(QtRawLineModel::RawTextRole);
    BuildTools();

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

void frmNMEA_Raw::BuildTools()
{
    m_tools = new QWidget(this);
    m_tools->setObjectName(QStringLiteral("tools"));
    m_cmdPause = new QPushButton(QStringLiteral("&Pause"), m_tools);
    m_cmdPause->setObjectName(QStringLiteral("cmdPause"));
    m_lblPaused = new QLabel(m_tools);
    m_lblPaused->setObjectName(QStringLiteral("lblPaused"));
    // Room for the usual count, so the filter does not jump as pausing starts and ends.
    m_lblPaused->setMinimumWidth(m_lblPaused->fontMetrics().horizontalAdvance(QStringLiteral("paused, 00000 new")));
    m_lblFilter = new QLabel(QStringLiteral("&Filter"), m_tools);
    m_lblFilter->setObjectName(QStringLiteral("lblFilter"));
    m_txtFilter = new QLineEdit(m_tools);
    m_txtFilter->setObjectName(QStringLiteral("txtFilter"));
    m_txtFilter->setClearButtonEnabled(true);
    m_txtFilter->setPlaceholderText(QStringLiteral("text or /regular expression/"));
    m_txtFilter->setAccessibleName(QStringLiteral("Filter"));
    m_lblFilter->setBuddy(m_txtFilter);
    m_lblFilterStatus = new QLabel(m_tools);
    m_lblFilterStatus->setObjectName(QStringLiteral("lblFilterStatus"));
    m_cmdCopy = new QPushButton(QStringLiteral("&Copy"), m_tools);
    m_cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    m_cmdCopy->setToolTip(QStringLiteral("Copy the selected lines as received (Ctrl+C)"));

    auto* row = new QHBoxLayout(m_tools);
    row->setContentsMargins(2, 2, 2, 2);
    row->addWidget(m_cmdPause);
    row->addWidget(m_lblPaused);
    row->addSpacing(TwipsToPixelsX(120));
    row->addWidget(m_lblFilter);
    row->addWidget(m_txtFilter, 1);
    row->addWidget(m_lblFilterStatus);
    row->addWidget(m_cmdCopy);

    auto* copy = new QAction(QStringLiteral("Copy"), m_txtNMEA);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    m_txtNMEA->addAction(copy);
    connect(copy, &QAction::triggered, this, &frmNMEA_Raw::CopySelection);
    connect(m_cmdCopy, &QPushButton::clicked, this, &frmNMEA_Raw::CopySelection);
    connect(m_cmdPause, &QPushButton::clicked, this, [this] { SetPaused(!m_paused); });
    connect(m_txtFilter, &QLineEdit::textChanged, this, &frmNMEA_Raw::FilterChanged);
}

void frmNMEA_Raw::AddRawLine(std::string_view line)
{
    m_checkPending = true;
    if (!m_paused) {
        m_pending.Add(line, m_limit, m_lines.Count());
        return;
    }
    // Held back up to the limit, the oldest going first.
    m_held.push_back({std::string(line), RawMark::None});
    while (!m_held.empty() && static_cast<int>(m_held.size()) > std::max(m_limit, 1))
        m_held.pop_front();
    ++m_arrivedWhilePaused;
    if (!m_pausedCountPending) {
        m_pausedCountPending = true;
        QTimer::singleShot(0, this, [this] {
            m_pausedCountPending = false;
            ShowPausedCount();
        });
    }
}

void frmNMEA_Raw::LineChecked(const DispatchResult& result)
{
    if (!m_checkPending)
        return; // a line added before this window opened
    m_checkPending = false;
    const RawMark mark = MarkFor(result);
    if (mark == RawMark::None)
        return;
    if (m_paused) {
        if (!m_held.empty())
            m_held.back().Mark = mark;
    } else if (!m_pending.MarkLast(mark)) {
        m_lines.MarkLast(mark);
    }
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

// On resume the held lines join the list in order, trimmed as if they had
// come one by one; lines arriving meanwhile (trimming lets events run) queue
// behind them.
void frmNMEA_Raw::SetPaused(bool paused)
{
    if (paused == m_paused)
        return;
    if (paused) {
        m_paused = true;
        m_arrivedWhilePaused = 0;
    } else {
        for (const RawLine& next : m_held)
            m_pending.Add(next.Text, m_limit, m_lines.Count(), next.Mark);
        m_held.clear();
        m_paused = false;
        Paint();
    }
    m_cmdPause->setText(m_paused ? QStringLiteral("&Resume") : QStringLiteral("&Pause"));
    ShowPausedCount();
}

void frmNMEA_Raw::ShowPausedCount()
{
    QString text;
    if (m_paused) {
        text = QStringLiteral("paused, %1 new").arg(m_arrivedWhilePaused);
        if (m_arrivedWhilePaused > static_cast<long long>(m_held.size()))
            text += QStringLiteral(" (%1 kept)").arg(m_held.size());
    }
    m_lblPaused->setText(text);
}

void frmNMEA_Raw::FilterChanged(const QString& text)
{
    const RawLineFilter filter = ParseRawLineFilter(text);
    QPalette palette = m_txtFilter->palette();
    palette.setColor(QPalette::Text, filter.Valid ? QApplication::palette().color(QPalette::Text)
                                                  : QColor(0xb7, 0x1c, 0x1c));
    m_txtFilter->setPalette(palette);
    m_lblFilterStatus->setText(filter.Valid ? QString() : QStringLiteral("Invalid pattern: ") + filter.Error);
    m_txtFilter->setToolTip(m_lblFilterStatus->text());

    // Without a filter the list shows the lines themselves, and the filter
    // does not even follow them: a line costs what it always did.
    const bool filtering = filter.Active && filter.Valid;
    m_filtered->setSourceModel(filtering ? &m_lines : nullptr);
    if (filtering)
        m_filtered->setFilterRegularExpression(filter.Pattern);
    QAbstractItemModel* shown = filtering ? static_cast<QAbstractItemModel*>(m_filtered) : &m_lines;
    if (m_txtNMEA->model() != shown) {
        QItemSelectionModel* previous = m_txtNMEA->selectionModel();
        m_txtNMEA->setModel(shown);
        delete previous; // a view keeps the selection model of each model it was given
    }
    if (m_context.Settings.RawAutoScroll)
        SelectNewest();
}

QString frmNMEA_Raw::SelectedText() const
{
    QModelIndexList selected = m_txtNMEA->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QString text;
    for (const QModelIndex& index : selected)
        text += index.data(QtRawLineModel::RawTextRole).toString() + QLatin1Char('\n');
    return text;
}

void frmNMEA_Raw::CopySelection() const
{
    const QString text = SelectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void frmNMEA_Raw::ClearLines()
{
    m_pending.Clear();
    m_held.clear();
    m_arrivedWhilePaused = 0;
    m_lines.RemoveOldest(m_lines.Count());
    ShowPausedCount();
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
        QAbstractItemModel* shown = m_txtNMEA->model();
        if (shown->rowCount() == 0)
            return;
        m_txtNMEA->selectionModel()->setCurrentIndex(shown->index(shown->rowCount() - 1, 0),
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
    const int clientHeight = height();
    const int optionHeight = m_optAutoScroll->sizeHint().height();
    // The tools take a row above the list.
    const int toolsHeight = m_tools->sizeHint().height();
    m_tools->setGeometry(0, 0, width(), toolsHeight);
    m_txtNMEA->setGeometry(0, toolsHeight, width(),
                           std::max(0, clientHeight - toolsHeight - optionHeight - TwipsToPixelsY(100)));

    // The controls under the list, left to right, each after a gap in twips.
    // Those that turn bold on focus get the room they take then, so they
    // never run into the next; the window is never narrower than the row.
    const int optionTop = clientHeight - optionHeight - TwipsToPixelsY(30);
    const struct {
        QWidget* Control;
        bool TurnsBold;
        int GapTwips;
        int Top;
        int Height;
    } row[] = {
        {m_optAutoScroll, true, 0, optionTop, optionHeight},
        {m_optFixed, true, 0, optionTop, optionHeight},
        {m_lblKeep, false, 30, optionTop, optionHeight},
        {m_cboMaxNMEA, false, 20, clientHeight - optionHeight - TwipsToPixelsY(70), m_cboMaxNMEA->sizeHint().height()},
    };
    int left = 0;
    for (const auto& place : row) {
        left += TwipsToPixelsX(place.GapTwips);
        const int controlWidth = (place.TurnsBold ? HighlightedSizeHint(place.Control) : place.Control->sizeHint()).width();
        place.Control->setGeometry(left, place.Top, controlWidth, place.Height);
        if (place.TurnsBold && IsHighlighted(place.Control))
            GrowControl(place.Control); // a fifth higher while highlighted
        left += controlWidth;
    }
    setMinimumWidth(left);
}

} // namespace trakora
