#include "common/WindowRoutines.h"

#include "common/LeadingNumber.h"
#include "common/NumberFormat.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QValidator>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace trakora {

namespace {

double DpiX()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double DpiY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

QRect ScreenRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
}

// The room of all screens together, for capping stored lengths before the
// window's own screen is known.
QSize DesktopSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableVirtualSize() : ScreenRect().size();
}

std::string TwipsText(double twips)
{
    return ShortestFloatText(static_cast<float>(twips));
}

void SetBold(QWidget* control, bool bold)
{
    QFont font = control->font();
    font.setBold(bold);
    control->setFont(font);
}

const char* const TagProperty = "tag";

QString Tag(const QWidget* control)
{
    return control->property(TagProperty).toString();
}

class FocusHighlighter : public QObject {
public:
    FocusHighlighter(QWidget* control, QWidget* partner) : QObject(control), m_partner(partner) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* control = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::FocusIn) {
            HighlightControl(control);
            if (m_partner)
                HighlightControl(m_partner);
        } else if (event->type() == QEvent::FocusOut) {
            UnhighlightControl(control);
            if (m_partner)
                UnhighlightControl(m_partner);
        }
        return false;
    }

private:
    QWidget* m_partner;
};

// Fits its window when shown: by then the window has its frame, at least
// where the window system tells its size before mapping.
class ShowFitter : public QObject {
public:
    explicit ShowFitter(QWidget* window) : QObject(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto& window = *static_cast<QWidget*>(watched);
            FitLabelsToLineHeight(window);
            FitOnScreen(window);
            FitOnScreenOnceFramed(window);
        }
        return false;
    }
};

class NumericKeyFilterObject : public QObject {
public:
    NumericKeyFilterObject(QWidget* edit, bool minus, bool decimal, const ProgramSettings& settings)
        : QObject(edit), m_minus(minus), m_decimal(decimal), m_settings(settings)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // Only keys that type a character are filtered; cursor and editing
        // keys work as usual.
        const QString text = key->text();
        if (text.isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        const char16_t typed = text.at(0).unicode();
        if (typed == 127 || (typed < 32 && typed != 8))
            return false;
        return NumericKeyFilter(typed, m_minus, m_decimal, m_settings) == 0;
    }

private:
    bool m_minus;
    bool m_decimal;
    const ProgramSettings& m_settings;
};

// Text that arrives other than by a typed key (pasted, dropped) passes the
// same filter character by character; the line edit undoes a refused change.
class NumericTextValidator : public QValidator {
public:
    NumericTextValidator(QObject* parent, bool minus, bool decimal, const ProgramSettings& settings)
        : QValidator(parent), m_minus(minus), m_decimal(decimal), m_settings(settings)
    {
    }

    State validate(QString& input, int&) const override
    {
        for (QChar c : input)
            if (NumericKeyFilter(c.unicode(), m_minus, m_decimal, m_settings) == 0)
                return Invalid;
        return Acceptable;
    }

private:
    bool m_minus;
    bool m_decimal;
    const ProgramSettings& m_settings;
};

// A caption as drawn: "&&" is an ampersand, a single '&' marks the access key.
QString DrawnText(QString caption)
{
    caption.replace(QLatin1String("&&"), QString(QChar(1)));
    caption.remove(QLatin1Char('&'));
    return caption.replace(QChar(1), QLatin1Char('&'));
}

} // namespace

int TwipsToPixelsX(double twips)
{
    return static_cast<int>(std::lround(twips * DpiX() / 1440.0));
}

int TwipsToPixelsY(double twips)
{
    return static_cast<int>(std::lround(twips * DpiY() / 1440.0));
}

double PixelsToTwipsX(int pixels)
{
    return pixels * 1440.0 / DpiX();
}

double PixelsToTwipsY(int pixels)
{
    return pixels * 1440.0 / DpiY();
}

QRect TwipsRect(double left, double top, double width, double height)
{
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height));
}

int ScreenWidthTwips()
{
    return static_cast<int>(std::lround(PixelsToTwipsX(ScreenRect().width())));
}

int ScreenHeightTwips()
{
    return static_cast<int>(std::lround(PixelsToTwipsY(ScreenRect().height())));
}

void SaveWindowPlacement(ISettingsStore& store, std::string_view section, const QWidget& window)
{
    store.Save(section, "Left", TwipsText(PixelsToTwipsX(window.x())));
    store.Save(section, "Top", TwipsText(PixelsToTwipsY(window.y())));
    store.Save(section, "Width", TwipsText(PixelsToTwipsX(window.width())));
    store.Save(section, "Height", TwipsText(PixelsToTwipsY(window.height())));
}

QPoint RestoredPosition(ISettingsStore& store, std::string_view section)
{
    std::int32_t left = LeadingWholeNumber(store.Get(section, "Left", "0"));
    std::int32_t top = LeadingWholeNumber(store.Get(section, "Top", "0"));
    if (left > ScreenWidthTwips())
        left = 0;
    if (top > ScreenHeightTwips())
        top = 0;
    return QPoint(TwipsToPixelsX(left), TwipsToPixelsY(top));
}

int StoredLengthPixelsX(ISettingsStore& store, std::string_view section, std::string_view key, int defTwips)
{
    const int pixels = TwipsToPixelsX(LeadingWholeNumber(store.Get(section, key, std::to_string(defTwips))));
    return std::min(pixels, DesktopSize().width());
}

int StoredLengthPixelsY(ISettingsStore& store, std::string_view section, std::string_view key, int defTwips)
{
    const int pixels = TwipsToPixelsY(LeadingWholeNumber(store.Get(section, key, std::to_string(defTwips))));
    return std::min(pixels, DesktopSize().height());
}

QRect AvailableArea(const QRect& frame)
{
    const QScreen* best = QGuiApplication::primaryScreen();
    long long bestShare = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shared = screen->geometry().intersected(frame);
        const long long share = shared.isEmpty() ? 0 : 1LL * shared.width() * shared.height();
        if (share > bestShare)
            best = screen, bestShare = share;
    }
    return best ? best->availableGeometry() : ScreenRect();
}

QRect FitRect(const QRect& frame, const QRect& area)
{
    const QSize size = frame.size().boundedTo(area.size());
    // In 64 bits: the sums of a damaged placement may pass the range of int.
    const auto place = [](long long at, int length, int start, int room) {
        return static_cast<int>(std::clamp<long long>(at, start, 1LL * start + room - length));
    };
    return QRect(place(frame.x(), size.width(), area.x(), area.width()),
                 place(frame.y(), size.height(), area.y(), area.height()), size.width(), size.height());
}

void FitOnScreen(QWidget& window)
{
    if (window.isMaximized() || window.isFullScreen())
        return;
    const QRect frame = window.frameGeometry();
    const QRect fitted = FitRect(frame, AvailableArea(frame));
    if (fitted.size() != frame.size()) {
        // The frame keeps its width; the client gives up what does not fit,
        // a window of fixed size included.
        const QSize client = window.size() - (frame.size() - fitted.size());
        window.setMinimumSize(window.minimumSize().boundedTo(client));
        window.resize(client);
    }
    if (fitted.topLeft() != frame.topLeft())
        window.move(fitted.topLeft());
}

void FitOnScreenOnceFramed(QWidget& window)
{
    if (window.frameGeometry() != window.geometry())
        return;
    // The window manager frames a window a moment after it is mapped and may
    // keep the client where it stood, pushing the title bar off the screen;
    // no event says when. Without a window manager no frame ever comes.
    constexpr int Interval = 25, Tries = 20; // milliseconds, for half a second
    auto* watch = new QTimer(&window);
    watch->setInterval(Interval);
    QObject::connect(watch, &QTimer::timeout, &window, [&window, watch, tries = 0]() mutable {
        const bool framed = window.frameGeometry() != window.geometry();
        if (framed)
            FitOnScreen(window);
        if (framed || ++tries == Tries)
            watch->stop(), watch->deleteLater();
    });
    watch->start();
}

void FitOnScreenWhenShown(QWidget& window)
{
    window.installEventFilter(new ShowFitter(&window));
}

void GrowControl(QWidget* control)
{
    const int height = control->height();
    const int n = static_cast<int>(RoundHalfEven(height * 1.2 - height));
    control->setGeometry(control->x(), control->y() - n / 2, control->width(), height + n);
}

void ShrinkControl(QWidget* control)
{
    const int height = control->height();
    const int n = static_cast<int>(RoundHalfEven(height - height / 1.2));
    control->setGeometry(control->x(), control->y() + n / 2, control->width(), height - n);
}

void HighlightControl(QWidget* control)
{
    if (Tag(control) == "HI")
        return;
    control->setProperty(TagProperty, "HI");
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        SetBold(edit, true);
        edit->selectAll();
    } else if (qobject_cast<QAbstractButton*>(control)) {
        SetBold(control, true);
        GrowControl(control);
    } else if (qobject_cast<QLabel*>(control)) {
        SetBold(control, true);
    } else if (auto* list = qobject_cast<QAbstractItemView*>(control)) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xFF));
        list->setPalette(palette);
    }
}

bool IsHighlighted(const QWidget* control)
{
    return Tag(control) == "HI";
}

void UnhighlightControl(QWidget* control)
{
    if (Tag(control) != "HI")
        return;
    control->setProperty(TagProperty, "LOW");
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        SetBold(edit, false);
        edit->deselect();
        edit->setCursorPosition(0);
    } else if (qobject_cast<QAbstractButton*>(control)) {
        SetBold(control, false);
        ShrinkControl(control);
    } else if (qobject_cast<QLabel*>(control)) {
        SetBold(control, false);
    } else if (auto* list = qobject_cast<QAbstractItemView*>(control)) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
        list->setPalette(palette);
    }
}

void InstallFocusHighlight(QWidget* control, QWidget* partner)
{
    control->installEventFilter(new FocusHighlighter(control, partner));
}

char16_t NumericKeyFilter(char16_t key, bool minusAllowed, bool decimalAllowed, const ProgramSettings& settings)
{
    if (key == 8 || (key >= u'0' && key <= u'9'))
        return key;
    if (minusAllowed && key == u'-')
        return key;
    if (decimalAllowed && key == static_cast<char16_t>(settings.DecimalPointChar))
        return key;
    QApplication::beep();
    return 0;
}

void InstallNumericKeyFilter(QWidget* edit, bool minusAllowed, bool decimalAllowed, const ProgramSettings& settings)
{
    edit->installEventFilter(new NumericKeyFilterObject(edit, minusAllowed, decimalAllowed, settings));
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->setValidator(new NumericTextValidator(line, minusAllowed, decimalAllowed, settings));
}

void FitLabelsToLineHeight(QWidget& window)
{
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const int needed = label->fontMetrics().height() + 2 * label->frameWidth();
        // Not past the bottom of what holds it, where it would lose its border.
        const int room = label->parentWidget()->height() - label->y();
        const int height = std::max(label->height(), std::min(needed, room));
        if (label->height() < height)
            label->resize(label->width(), height);
    }
}

QSize HighlightedSizeHint(const QWidget* control)
{
    QSize hint = control->sizeHint();
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        text = DrawnText(button->text());
    else if (const auto* label = qobject_cast<const QLabel*>(control))
        text = DrawnText(label->text());
    QFont bold = control->font();
    bold.setBold(true);
    const int widening = QFontMetrics(bold).horizontalAdvance(text) - control->fontMetrics().horizontalAdvance(text);
    hint.rwidth() += std::max(0, widening);
    return hint;
}

void CenterForm(QWidget& window)
{
    if (window.isMaximized())
        return;
    const QRect screen = ScreenRect();
    const QSize size = window.frameGeometry().size();
    window.move(screen.x() + (screen.width() - size.width()) / 2, screen.y() + (screen.height() - size.height()) / 2);
    FitOnScreen(window);
}

} // namespace trakora
