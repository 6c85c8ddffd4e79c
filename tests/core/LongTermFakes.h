#pragma once

// Stand-ins for the clock, the window and its question box of the long-term
// averaging.
#include "common/LocalTime.h"
#include "longterm/LongTermView.h"

#include <functional>
#include <map>
#include <string>

namespace trakora::testing {

class ScriptedClock : public IClock {
public:
    LocalTime Now() override { return time; }
    LocalTime time = ToLocalTime({2026, 12, 6, 12, 0, 0});
};

// Keeps the last text shown in each place, e.g. shown["lat0"].
struct RecordingView : ILongTermView {
    void ShowStatus(std::string_view text, StatusColour colour) override
    {
        shown["status"] = text;
        statusColour = colour == StatusColour::Unchanged ? statusColour : colour;
    }
    void ShowNow(std::string_view text) override { shown["now"] = text; }
    void ShowTopDOP(std::string_view text) override { shown["dop"] = text; }
    void ShowStartTime(std::string_view text) override { shown["start"] = text; }
    void ShowSamples(int row, std::string_view text) override { Put("samples", row, text); }
    void ShowSamplesTip(int row, std::string_view tip) override { Put("tip", row, tip); }
    void ShowAverages(int row, std::string_view lat, std::string_view lon) override
    {
        Put("lat", row, lat), Put("lon", row, lon);
    }
    void ShowRowChoices(int row, bool enabled, std::string_view interval, std::string_view type) override
    {
        ticked[row] = enabled;
        Put("choice", row, std::string(interval) + "/" + std::string(type));
    }
    void UntickRow(int row) override { ticked[row] = false; }
    void ShowAltitude(std::string_view average, std::string_view count) override
    {
        shown["alt"] = average, shown["altSamples"] = count;
    }
    void ShowThreshold(std::string_view text) override { shown["threshold"] = text; }
    void ShowSpread(int row) override { ++spreadShown[row]; }
    void ShowAltitudeSpread(std::string_view sigmaUp) override { shown["altSigma"] = sigmaUp; }
    void ShowHeldCounts(const HeldCounts& counts) override { held = counts; }
    void DisableStart() override { startDisabled = true; }
    void Put(const std::string& what, int row, std::string_view text) { shown[what + std::to_string(row)] = text; }

    std::map<std::string, std::string> shown;
    std::map<int, bool> ticked;
    std::map<int, int> spreadShown;
    HeldCounts held;
    StatusColour statusColour = StatusColour::LightRed;
    bool startDisabled = false;
};

struct AnsweringHooks : ILongTermHooks {
    void Yield() override {}
    bool AskYesNo(std::string_view title, std::string_view question) override
    {
        asked = std::string(title) + "|" + std::string(question);
        if (whileAsking)
            whileAsking(); // what the event loop runs while the question is open
        return answer;
    }
    bool answer = false;
    std::function<void()> whileAsking;
    std::string asked;
};

} // namespace trakora::testing
