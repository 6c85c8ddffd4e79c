#include "common/ProgramMessageBox.h"
#include "dialogs/frmSplash.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <algorithm>

class TestFrmSplash : public QObject {
    Q_OBJECT

    trakora::ProgramSettings m_settings;
    QPointer<trakora::frmSplash> m_splash;

    void Show() { (m_splash = new trakora::frmSplash(m_settings))->show(); }
    // Pixels shown under `label` (the picture, with the label over it) whose colour passes `test`.
    int Count(const char* label, bool (*test)(QColor))
    {
        const QRect area = m_splash->findChild<QWidget*>(label)->geometry();
        const QImage image = m_splash->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        return int(std::count_if(pixels, pixels + image.width() * image.height(), [test](QRgb p) { return test(p); }));
    }

private slots:
    void cleanup() { delete m_splash; }

    void OpensCentredOnTopDrawnAndClosesAfterTwoSeconds()
    {
        Show();
        QVERIFY(m_splash->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(m_settings.LineBreak + "|" + m_settings.DoubleLineBreak, std::string("\r|\r\r"));
        const QSize margin = m_splash->screen()->geometry().size() - m_splash->size();
        QCOMPARE(m_splash->pos(), QPoint(margin.width() / 2, margin.height() / 2));
        // The name in white, "is loading" in amber.
        const auto white = [](QColor c) { return c.red() > 240 && c.green() > 240 && c.blue() > 240; };
        const auto amber = [](QColor c) { return c.red() > 200 && c.green() > 150 && c.blue() < 120; };
        QVERIFY(Count("Label1", white) > 200);
        QVERIFY(Count("Label2", amber) > 50 && Count("Label2", white) == 0);

        QVERIFY(!QTest::qWaitFor([this] { return !m_splash || !m_splash->isVisible(); }, 1500));
        QTRY_VERIFY_WITH_TIMEOUT(m_splash.isNull(), 2500);
    }

    // Messages are built with the line breaks in force: carriage returns once the About box has shown.
    void MessageBoxesBreakLinesAtEitherBreakAndLeaveRoomForTheirTitle()
    {
        const struct { const char* built; const char* shown; } cases[] = {
            {"a\r\rb", "a\n\nb"}, {"a\n\nb", "a\n\nb"}, {"a\r\nb\rc", "a\nb\nc"}, {"a\n\rb", "a\n\nb"},
        };
        for (const auto& c : cases)
            QCOMPARE(trakora::MakeProgramMessageBox(nullptr, c.built)->text(), QString(c.shown));

        // A window frame draws the (bold) title beside its icon and buttons.
        const QString title = QStringLiteral("A title longer than the message below it");
        auto box = trakora::MakeProgramMessageBox(nullptr, "End of file.", QMessageBox::Ok, QMessageBox::Ok, title);
        box->show();
        QFont bold = QApplication::font("QMdiSubWindowTitleBar");
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        QVERIFY(box->width() >= metrics.horizontalAdvance(title) + 4 * metrics.height());
    }

    void ClosesAtTheFirstClick()
    {
        for (const char* target : {"Image1", "Label1", "Label2"}) {
            Show();
            QTest::mouseClick(m_splash->findChild<QWidget*>(target), Qt::LeftButton);
            QTRY_VERIFY2_WITH_TIMEOUT(m_splash.isNull(), target, 500); // well before the timer
        }
    }
};

// Headless unless a display platform is asked for.
const bool headless = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qputenv("QT_QPA_PLATFORM", "offscreen");
QTEST_MAIN(TestFrmSplash)

#include "tst_frmSplash.moc"
