// Shows "Where Am I ?" after an hour of samples from a stationary receiver
// with 3 m of noise, its scatter plot open, for screenshots under Xvfb, and
// exports the averaged point when given a file name:
//   xvfb-run -a build/tests/longterm_demo 20 [point.gpx] & sleep 5; import -window root shot.png
// The store is held in memory and the clock is scripted; nothing is saved.
#include "common/LoadProgramSettings.h"
#include "longterm/frmLongTerm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include <random>

using namespace trakora;

namespace {

class ScriptedClock : public IClock {
public:
    LocalTime Now() override { return time; }
    LocalTime time = ToLocalTime({2026, 12, 6, 9, 0, 0});
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;

    GpsState gps;
    ProgramSettings settings;
    MemorySettingsStore store;
    LoadProgramSettings(settings, gps, store);
    settings.SmallUnit = "ME";
    GnssState gnss;
    ProgramContext context{gps, settings, store, gnss};
    ScriptedClock clock;
    // The window deletes itself when closed, as in the program.
    auto& window = *new frmLongTerm(context, clock);
    window.findChild<QCheckBox*>("chkEnabled_0")->setChecked(true);
    window.findChild<QComboBox*>("cboInterval_0")->setCurrentIndex(0);
    window.findChild<QComboBox*>("cboIntType_0")->setCurrentIndex(0);

    // Metres per degree at 47.395 N on the WGS 84 ellipsoid.
    const double lat = 47.3951234, lon = 8.5470321, north = 111178.5, east = 75493.5;
    std::mt19937 random(42);
    std::normal_distribution<double> noise(0.0, 3.0);
    gps.FixQuality = "1";
    gps.FixMode = "3";
    gps.HDOP = 0.9f;
    gps.LatDir = "N";
    gps.LonDir = "E";
    gps.AltUnit = "ME";
    gps.UtcDate = "061226";
    gps.UtcTime = "100000";
    gps.NewPosition = true;
    window.findChild<QPushButton*>("cmdStart")->click();
    for (int second = 0; second < 3600; ++second) {
        gps.Latitude = static_cast<float>(lat + noise(random) / north);
        gps.Longitude = static_cast<float>(lon + noise(random) / east);
        gps.Altitude = static_cast<float>(545.4 + 1.5 * noise(random));
        gps.HDOP = second % 600 < 20 ? 2.5f : 0.9f; // now and then above the threshold
        gps.NewPosition = gps.NewAltitude = true;
        ++clock.time;
        window.TimerPop();
    }
    window.findChild<QPushButton*>("cmdPlot")->click();
    QString error;
    if (argc > 2 && !window.ExportTo(argv[2], error))
        qWarning("%s", qPrintable(error));
    window.move(20, 20);
    window.show();
    QTimer::singleShot(seconds * 1000, &window, &QWidget::close);
    return app.exec();
}
