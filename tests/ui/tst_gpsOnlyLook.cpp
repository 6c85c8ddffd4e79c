// A receiver of GPS only looks the same in every window whichever talkers
// are decoded: the same log replayed into both settings paints the same pixels.
#include "../core/NmeaTestHarness.h"
#include "nmea/LogFile.h"
#include "views/frmDataStat.h"
#include "views/frmSatInfo.h"
#include "views/frmSatPositions.h"
#include "views/frmShowPosition.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include <memory>

using namespace trakora;
using trakora::testing::Harness;

namespace {

// The four windows over one dispatcher, refreshed after each GGA as a fast replay does.
struct Program {
    explicit Program(TalkerFilter talkers) : Receiver(talkers)
    {
        Receiver.Settings.InputRunning = FlagSet;
        Receiver.Settings.GaugeFloor.fill(32);
        Store.Save("SatInfo", "Expanded", "1");
        SatInfo = std::make_unique<frmSatInfo>(Context);
        SatPos = std::make_unique<frmSatPositions>(Context);
        DataStat = std::make_unique<frmDataStat>(Context);
        ShowPos = std::make_unique<frmShowPosition>(Context);
        SatPos->show();
    }
    // Whether the line was a GGA, which ends an epoch.
    bool Feed(const std::string& line)
    {
        Receiver.Feed(line);
        const bool epoch = line.rfind("$GPGGA", 0) == 0;
        if (epoch) DataStat->TimerPop(), ShowPos->TimerPop(), SatInfo->TimerPop(), SatPos->TimerPop();
        return epoch;
    }
    std::vector<QImage> Pictures() const
    {
        QCoreApplication::processEvents();
        return {SatInfo->grab().toImage(), SatPos->grab().toImage(), DataStat->grab().toImage(),
                ShowPos->grab().toImage()};
    }

    Harness Receiver;
    MemorySettingsStore Store;
    ProgramContext Context{*Receiver.Gps, Receiver.Settings, Store, *Receiver.Gnss};
    std::unique_ptr<frmSatInfo> SatInfo;
    std::unique_ptr<frmSatPositions> SatPos;
    std::unique_ptr<frmDataStat> DataStat;
    std::unique_ptr<frmShowPosition> ShowPos;
};

TEST(GpsOnlyLook, AGpsLogPaintsTheSameWindowsWithGpsTalkersAndWithEveryTalker)
{
    const char* const windows[] = {"Satellite Information", "Satellite Positions", "Data Status", "Position Information"};
    for (const std::string& log : {std::string(TRAKORA_TEST_DATA) + "/sample.TKL",
                                  std::string(TRAKORA_TEST_DATA) + "/corpus/GPSmap-76S.log"}) {
        Program gps(TalkerFilter::GpsOnly), all(TalkerFilter::AllGnss);
        LineFileReader reader;
        ASSERT_TRUE(reader.Open(log).Ok) << log;
        int epochs = 0;
        for (std::string line; reader.ReadLine(line);)
            epochs += gps.Feed(line) & all.Feed(line);
        ASSERT_GE(epochs, 10) << log;
        EXPECT_GT(all.Receiver.Gnss->Satellites.Count(), 3) << log << ": the table is filled with every talker";
        const auto expected = gps.Pictures(), actual = all.Pictures();
        for (std::size_t w = 0; w < expected.size(); ++w)
            EXPECT_TRUE(expected[w] == actual[w]) << log << ": " << windows[w];
    }
}

} // namespace
