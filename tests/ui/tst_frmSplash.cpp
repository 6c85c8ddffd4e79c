#include "common/WindowRoutines.h"
#include "dialogs/frmSplash.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace trakora;

class TestFrmSplash : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { delete m_splash; }

    void OpensCentredOnTopAndSetsCarriageReturnBreaks();
    void ShowsTheNameAndIsLoading();
    void ClosesTwoSecondsAfterItWasShown();
    void ClosesAtOnceOnAClickOnThePicture();
    void ClosesAtOnceOnAClickOnEitherLabel_data();
    void ClosesAtOnceOnAClickOnEitherLabel();

private:
    frmSplash* Show()
    {
        m_splash = new frmSplash(m_settings);
        m_splash->show();
        return m_splash;
    }

    ProgramSettings m_settings;
    QPointer<frmSplash> m_splash;
};

void TestFrmSplash::OpensCentredOnTopAndSetsCarriageReturnBreaks()
{
    m_settings.LineBreak = "\n";
    m_settings.DoubleLineBreak = "\n\n";
    Show();
    QCOMPARE(m_splash->windowTitle(), QString("Trakora"));
    QVERIFY(m_splash->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!m_splash->isModal());
    QCOMPARE(m_settings.LineBreak, std::string("\r"));
    QCOMPARE(m_settings.DoubleLineBreak, std::string("\r\r"));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(m_splash->x(), (screen.width() - m_splash->width()) / 2);
    QCOMPARE(m_splash->y(), (screen.height() - m_splash->height()) / 2);

    auto* timer = m_splash->findChild<QTimer*>("Timer1");
    QVERIFY(timer != nullptr);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 2000);
    for (const char* name : {"Label1", "Label2"})
        QVERIFY(m_splash->findChild<QLabel*>(name)->text().isEmpty());
}

void TestFrmSplash::ShowsTheNameAndIsLoading()
{
    Show();
    auto* picture = m_splash->findChild<QWidget*>("Image1");
    QVERIFY(picture != nullptr);
    const QImage image = picture->grab().toImage();
    // The name is drawn in white on the dark sky, "is loading" in amber,
    // each inside the label lying over it.
    const auto countColour = [&image](const QRect& area, auto matches) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += matches(image.pixelColor(x, y)) ? 1 : 0;
        return count;
    };
    const QRect title = m_splash->findChild<QLabel*>("Label1")->geometry();
    const QRect subtitle = m_splash->findChild<QLabel*>("Label2")->geometry();
    const auto white = [](const QColor& c) { return c.red() > 240 && c.green() > 240 && c.blue() > 240; };
    const auto amber = [](const QColor& c) { return c.red() > 200 && c.green() > 150 && c.blue() < 120; };
    QVERIFY(countColour(title, white) > 200);
    QVERIFY(countColour(subtitle, amber) > 50);
    QCOMPARE(countColour(subtitle, white), 0);
}

void TestFrmSplash::ClosesTwoSecondsAfterItWasShown()
{
    Show();
    QTest::qWait(1500);
    QVERIFY(!m_splash.isNull());
    QVERIFY(m_splash->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(m_splash.isNull(), 2500);
}

void TestFrmSplash::ClosesAtOnceOnAClickOnThePicture()
{
    Show();
    QTest::mouseClick(m_splash->findChild<QWidget*>("Image1"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!m_splash->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(m_splash.isNull(), 500);
}

void TestFrmSplash::ClosesAtOnceOnAClickOnEitherLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::newRow("name") << "Label1";
    QTest::newRow("is loading") << "Label2";
}

void TestFrmSplash::ClosesAtOnceOnAClickOnEitherLabel()
{
    QFETCH(QString, label);
    Show();
    QTest::mouseClick(m_splash->findChild<QLabel*>(label), Qt::LeftButton);
    QVERIFY(!m_splash->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(m_splash.isNull(), 500);
}

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestFrmSplash test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmSplash.moc"
