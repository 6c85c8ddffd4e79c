#include "longterm/LongTermSampler.h"

#include "common/LeadingNumber.h"
#include "common/NumberFormat.h"
#include "common/Units.h"
#include "longterm/LongTermTexts.h"
#include "longterm/SpreadStore.h"
#include "longterm/StoredNumbers.h"
#include "nmea/FixValidity.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trakora {

namespace {

constexpr std::string_view IntervalTypes[] = {"Secs", "Mins", "Hours"};

std::string RowKey(int row)
{
    return std::to_string(row);
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

constexpr std::int32_t MaxCount = std::numeric_limits<std::int32_t>::max();

// Altitudes outside this band (metres) are not measurements of a place on
// Earth; as a mean they mark a damaged store.
constexpr double LowestAltitudeMetres = -1000;
constexpr double HighestAltitudeMetres = 100000;
constexpr double FeetPerMetre = 3.2808399;

bool AltitudeOnEarth(double feet)
{
    return feet >= LowestAltitudeMetres * FeetPerMetre && feet <= HighestAltitudeMetres * FeetPerMetre;
}

// A fix from satellites (GPS, DGPS, PPS, RTK fixed or float); no fix,
// dead reckoning, manual input and simulation give no altitude to average.
bool GgaHasFix(std::string_view fixQuality)
{
    const double quality = LeadingNumber(fixQuality);
    return quality >= 1 && quality <= 5;
}

double Signed(float degrees, char hemisphere, char negative)
{
    return hemisphere == negative ? -static_cast<double>(degrees) : static_cast<double>(degrees);
}

} // namespace

LongTermSampler::LongTermSampler(GpsState& gps, ProgramSettings& settings, ISettingsStore& store, IClock& clock,
                                 ILongTermView& view, ILongTermHooks& hooks)
    : m_gps(gps), m_settings(settings), m_store(store), m_clock(clock), m_view(view), m_hooks(hooks)
{
}

void LongTermSampler::Load()
{
    m_passesSinceSave = 0;
    m_samplingStarted = false;
    m_awaitingFirstPosition = false;
    m_passInProgress = false;

    SetThreshold(m_store.Get("LTTime", "DOPMax", "2.0"));
    m_view.ShowThreshold(m_threshold);

    LoadAltitude();
    m_altSpread = LoadAltitudeSpread(m_store, m_altSampleCount);
    m_held = HeldCounts{};
    m_positionHeld = false;

    for (int r = 0; r < LongTermRows; ++r) {
        SampleRow& row = m_rows[r];
        const std::string key = RowKey(r);
        row = SampleRow{};
        LoadRowSums(r);
        row.Spread = LoadPositionSpread(m_store, r, row.RowSampleCount);
        m_view.ShowSamples(r, std::to_string(row.RowSampleCount));

        row.Enabled = LeadingNumber(m_store.Get("LTEnab", key, "0")) != 0;
        if (row.Enabled) {
            if (row.RowSampleCount < 1)
                m_view.ShowAverages(r, "", "");
            else
                ShowRowAverages(r);
        }

        const std::int32_t interval = LeadingWholeNumber(m_store.Get("LTTime", key, "0"));
        if (interval >= 1 && interval <= 60)
            row.IntervalText = std::to_string(interval);
        const std::string type = m_store.Get("LTInt", key, "");
        for (std::string_view known : IntervalTypes)
            if (type == known)
                row.TypeText = type;
        RecomputeInterval(r);
        m_view.ShowRowChoices(r, row.Enabled, row.IntervalText, row.TypeText);
        m_view.ShowSpread(r);
    }
    m_view.ShowAltitudeSpread(SigmaUpText(m_altSpread, m_settings));
    m_view.ShowHeldCounts(m_held);

    if (m_altSampleCount < 1)
        m_view.ShowAltitude("0", std::to_string(m_altSampleCount));
    else
        ShowAltitudeAverage();
}

// A damaged store starts the row over rather than show an average that no
// receiver could have reported.
void LongTermSampler::LoadRowSums(int r)
{
    SampleRow& row = m_rows[r];
    const std::string key = RowKey(r);
    const std::optional<double> lat = ReadStoredSum(m_store.Get("Lats", key, "0"));
    const std::optional<double> lon = ReadStoredSum(m_store.Get("Lons", key, "0"));
    const std::int32_t count = LeadingWholeNumber(m_store.Get("Samps", key, "0"));
    if (!lat || !lon || count < 1)
        return;
    const double avgLat = *lat / count, avgLon = *lon / count;
    if (avgLat < 0 || avgLat > 90 || avgLon < 0 || avgLon > 180)
        return;
    row.LatSum = *lat;
    row.LonSum = *lon;
    row.RowSampleCount = count;
}

void LongTermSampler::LoadAltitude()
{
    m_altSum = 0;
    m_altSampleCount = 0;
    const std::optional<double> sum = ReadStoredSum(m_store.Get("Altitude", "TotAlt", "0"));
    const std::int32_t count = LeadingWholeNumber(m_store.Get("Altitude", "AltSamps", "0"));
    if (!sum || count < 1 || !AltitudeOnEarth(*sum / count))
        return;
    m_altSum = static_cast<std::int64_t>(RoundHalfEven(*sum));
    m_altSampleCount = count;
}

void LongTermSampler::TimerPop()
{
    if (m_awaitingFirstPosition) {
        // Start completes at the first pass that finds a position, so the
        // window never blocks the input while it waits.
        if (m_gps.NewPosition) {
            const std::string now = GeneralDateTimeText(m_clock.Now());
            m_view.ShowStartTime(now);
            m_view.ShowNow(now);
            m_awaitingFirstPosition = false;
            m_samplingStarted = true;
        }
        return;
    }
    if (!m_samplingStarted || m_clearQuestionOpen)
        return;

    m_passInProgress = true;
    const LocalTime now = m_clock.Now();
    m_view.ShowNow(GeneralDateTimeText(now));
    m_view.ShowTopDOP(ShortestFloatText(m_gps.HDOP));

    const bool newPosition = m_gps.NewPosition;
    if (newPosition || m_positionHeld) {
        // The pass takes the position over from the decoders, so that a held
        // one is tested again by the next passes while the next new one can
        // still be told apart from it.
        m_gps.NewPosition = false;
        m_positionHeld = true;
        // RTK receivers report their best fixes as 4 and 5, which count with every talker.
        if (!FixQualityCountsAsFix(m_gps.FixQuality[0], m_settings.Talkers))
            return Hold("Quality Hold", newPosition, m_held.Quality);
        if (m_gps.HDOP == 0 || m_gps.HDOP > ThresholdValue())
            return Hold("D.O.P. Hold", newPosition, m_held.Dop);
        if (LeadingNumber(m_gps.FixMode.View()) != 3)
            return Hold("xD Hold", newPosition, m_held.NotThreeD);
        m_positionHeld = false;
        m_view.ShowStatus("Running", StatusColour::LightGrey);

        for (int r = 0; r < LongTermRows; ++r) {
            SampleRow& row = m_rows[r];
            // A row needs a chosen interval and a start time before it samples.
            if (!row.Enabled || !row.HasLastSample || Trim(row.IntervalText).empty())
                continue;
            if (now - row.RowLastSample > row.RowIntervalSecs && row.RowSampleCount < MaxCount) {
                ++row.RowSampleCount;
                UpdateTots(r);
            }
        }
    }

    if (m_gps.NewAltitude)
        SampleAltitude();

    if (++m_passesSinceSave > 100) {
        m_passesSinceSave = 0;
        SaveAllData();
    }
    m_passInProgress = false;
}

void LongTermSampler::Hold(std::string_view status, bool newPosition, std::int64_t& heldCount)
{
    if (newPosition) {
        ++heldCount;
        m_view.ShowHeldCounts(m_held);
    }
    m_view.ShowStatus(status, StatusColour::LightRed);
    m_passInProgress = false;
}

// The threshold as the box admits it, with the user's decimal separator or a
// full stop, in the single precision HDOP itself is read in, so that an HDOP
// equal to the threshold passes.
float LongTermSampler::ThresholdValue() const
{
    std::string text = m_threshold;
    const auto separator = static_cast<char16_t>(m_settings.DecimalPointChar);
    if (separator != u'.' && separator != 0 && separator < 0x80)
        std::replace(text.begin(), text.end(), static_cast<char>(separator), '.');
    return static_cast<float>(LeadingNumber(text));
}

void LongTermSampler::SampleAltitude()
{
    m_gps.NewAltitude = false;
    // Only a GGA with a fix reports an altitude; one without leaves 0 behind.
    const std::string_view unit = m_gps.AltUnit.View();
    const bool knownUnit = ConvertSmallUnitTo(1.0f, unit, "FE") != 0;
    if (!GgaHasFix(m_gps.FixQuality.View()) || !knownUnit || m_altSampleCount == MaxCount)
        return;
    // The sum is kept in feet whatever unit is shown, so a change of the
    // display unit during a run does not mix units in one sum.
    const float feet = ConvertSmallUnitTo(m_gps.Altitude, unit, "FE");
    if (!AltitudeOnEarth(feet)) {
        ++m_held.AltitudesRejected;
        m_view.ShowHeldCounts(m_held);
        return;
    }
    m_altSum = static_cast<std::int64_t>(RoundHalfEven(static_cast<double>(m_altSum) + feet));
    ++m_altSampleCount;
    m_altSpread.Add(ConvertSmallUnitTo(m_gps.Altitude, unit, "ME"));
    ShowAltitudeAverage();
    m_view.ShowAltitudeSpread(SigmaUpText(m_altSpread, m_settings));
}

void LongTermSampler::ShowAltitudeAverage()
{
    const float mean = static_cast<float>(m_altSum) / static_cast<float>(m_altSampleCount);
    const float shown = ConvertSmallUnitTo(mean, "FE", m_settings.SmallUnit);
    m_view.ShowAltitude(FormatNumber(shown, "#####.0", static_cast<char>(m_settings.DecimalPointChar)) +
                            UnitSuffix(m_settings.SmallUnit),
                        std::to_string(m_altSampleCount));
}

void LongTermSampler::UpdateTots(int r)
{
    SampleRow& row = m_rows[r];
    if (row.RowSampleCount == 0)
        return;
    row.RowLastSample = m_clock.Now();
    row.HasLastSample = true;
    row.LatSum += m_gps.Latitude;
    row.LonSum += m_gps.Longitude;
    const LocalOffset offset = row.Spread.Add(Signed(m_gps.Latitude, m_gps.LatDir[0], 'S'),
                                              Signed(m_gps.Longitude, m_gps.LonDir[0], 'W'));
    row.Cloud.Add(offset);
    row.LastSampleUtc = ReceiverUtc(m_gps.UtcDate.View(), m_gps.UtcTime.View());
    m_view.ShowSamples(r, std::to_string(row.RowSampleCount));
    ShowNextUpdateTip(r);
    ShowRowAverages(r);
    m_view.ShowSpread(r);
}

void LongTermSampler::ShowNextUpdateTip(int r)
{
    const SampleRow& row = m_rows[r];
    const std::string_view interval = Trim(row.IntervalText);
    const std::string_view type = Trim(row.TypeText);
    if (interval.empty() || type.empty())
        return;
    const auto n = static_cast<LocalTime>(LeadingNumber(interval));
    LocalTime unit = 0;
    switch (type.front()) {
    case 'S': case 's': unit = 1; break;
    case 'M': case 'm': unit = 60; break;
    case 'H': case 'h': unit = 3600; break;
    default: return;
    }
    m_view.ShowSamplesTip(r, "Next update at " + GeneralDateTimeText(m_clock.Now() + n * unit));
}

void LongTermSampler::ShowRowAverages(int r)
{
    const SampleRow& row = m_rows[r];
    if (row.RowSampleCount < 1 || m_settings.DegreeFormat < 1 || m_settings.DegreeFormat > 3)
        return;
    const double lat = row.LatSum / row.RowSampleCount;
    const double lon = row.LonSum / row.RowSampleCount;
    m_view.ShowAverages(r, AverageText(lat, m_gps.LatDir[0], m_settings), AverageText(lon, m_gps.LonDir[0], m_settings));
}

std::optional<AveragedPoint> LongTermSampler::PointOf(int r) const
{
    const SampleRow& row = m_rows[r];
    if (row.RowSampleCount < 1)
        return std::nullopt;
    AveragedPoint point;
    // The spread's mean is signed and right across the equator and the
    // meridians; the sums are unsigned and count on the current hemisphere.
    // The spread serves when it holds every sample of the row.
    if (row.Spread.Count() == row.RowSampleCount) {
        point.Latitude = row.Spread.MeanLatitude();
        point.Longitude = row.Spread.MeanLongitude();
    } else {
        point.Latitude = Signed(static_cast<float>(row.LatSum / row.RowSampleCount), m_gps.LatDir[0], 'S');
        point.Longitude = Signed(static_cast<float>(row.LonSum / row.RowSampleCount), m_gps.LonDir[0], 'W');
    }
    if (m_altSampleCount >= 1)
        point.AltitudeMetres = static_cast<double>(m_altSum) / m_altSampleCount / FeetPerMetre;
    point.LastSampleUtc = row.LastSampleUtc;
    point.Name = "Samp " + std::to_string(r + 1);
    point.Description = PointDescription(row.RowSampleCount, AccuracyOf(row.Spread));
    return point;
}

void LongTermSampler::RecomputeInterval(int r)
{
    SampleRow& row = m_rows[r];
    const double n = LeadingNumber(row.IntervalText);
    if (row.TypeText == "Secs")
        row.RowIntervalSecs = static_cast<std::int32_t>(RoundHalfEven(n));
    else if (row.TypeText == "Mins")
        row.RowIntervalSecs = static_cast<std::int32_t>(RoundHalfEven(n * 60));
    else if (row.TypeText == "Hours")
        row.RowIntervalSecs = static_cast<std::int32_t>(RoundHalfEven(n * 3600));
    else
        row.RowIntervalSecs = NoIntervalSecs;
}

void LongTermSampler::SaveAllData()
{
    m_store.Save("Altitude", "TotAlt", std::to_string(m_altSum));
    m_store.Save("Altitude", "AltSamps", std::to_string(m_altSampleCount));
    SaveAltitudeSpread(m_store, m_altSpread);
    for (int r = 0; r < LongTermRows; ++r) {
        SampleRow& row = m_rows[r];
        const std::string key = RowKey(r);
        m_store.Save("Lats", key, FixedDecimalText(row.LatSum));
        m_store.Save("Lons", key, FixedDecimalText(row.LonSum));
        m_store.Save("Samps", key, std::to_string(row.RowSampleCount));
        SavePositionSpread(m_store, r, row.Spread);
        const std::string_view interval = Trim(row.IntervalText);
        if (!interval.empty()) {
            m_store.Save("LTInt", key, Trim(row.TypeText));
            // The tick box is recorded as it stands, so a row the user
            // switched off stays off after the window is reopened.
            m_store.Save("LTEnab", key, row.Enabled ? "1" : "0");
            m_store.Save("LTTime", key, interval);
        } else {
            m_store.Save("LTInt", key, "-");
            m_store.Save("LTEnab", key, "0");
            m_store.Save("LTTime", key, "0");
            if (row.Enabled) {
                row.Enabled = false;
                m_view.UntickRow(r);
            }
        }
    }
}

void LongTermSampler::Start()
{
    m_view.DisableStart();
    m_view.ShowStatus("Starting", StatusColour::Unchanged);
    m_hooks.Yield();

    const LocalTime now = m_clock.Now();
    for (int r = 0; r < LongTermRows; ++r) {
        SampleRow& row = m_rows[r];
        const std::string key = RowKey(r);
        if (Trim(row.IntervalText).empty()) {
            m_store.Save("LTTime", key, "0");
            SetEnabled(r, false);
            m_view.UntickRow(r);
        } else {
            m_store.Save("LTTime", key, row.IntervalText);
        }
        if (Trim(row.TypeText).empty()) {
            m_store.Save("LTInt", key, "-");
            SetEnabled(r, false);
            m_view.UntickRow(r);
        } else {
            m_store.Save("LTInt", key, row.TypeText);
        }
        m_store.Save("LTEnab", key, row.Enabled ? "1" : "0");
        row.RowLastSample = now;
        row.HasLastSample = true;
        ShowNextUpdateTip(r);
    }
    m_awaitingFirstPosition = true;
    TimerPop(); // a position may already be waiting
}

void LongTermSampler::ClearStats()
{
    while (m_passInProgress)
        m_hooks.Yield();
    // No pass samples while the question is open; whatever Start or Close
    // did meanwhile stands afterwards.
    m_clearQuestionOpen = true;
    const bool yes =
        m_hooks.AskYesNo("Clear Verification", "Are you sure you want to clear all data from all accumulators ?");
    m_clearQuestionOpen = false;
    if (yes) {
        for (int r = 0; r < LongTermRows; ++r) {
            SampleRow& row = m_rows[r];
            row.LatSum = 0;
            row.LonSum = 0;
            row.RowSampleCount = 0;
            row.Spread = PositionSpread{};
            row.Cloud.Clear();
            row.LastSampleUtc.reset();
            m_view.ShowSamples(r, "");
            m_view.ShowAverages(r, "", "");
            m_view.ShowSpread(r);
        }
        m_altSum = 0;
        m_altSampleCount = 0;
        m_altSpread = ValueSpread{};
        m_held = HeldCounts{};
        m_view.ShowAltitude("", "");
        m_view.ShowAltitudeSpread("");
        m_view.ShowHeldCounts(m_held);
        for (int r = 0; r < LongTermRows; ++r) {
            const std::string key = RowKey(r);
            m_store.Save("Lats", key, "0");
            m_store.Save("Lons", key, "0");
            m_store.Save("Samps", key, "0");
            SavePositionSpread(m_store, r, m_rows[r].Spread);
        }
        m_store.Save("Altitude", "TotAlt", "0");
        m_store.Save("Altitude", "AltSamps", "0");
        SaveAltitudeSpread(m_store, m_altSpread);
    }
}

void LongTermSampler::Close()
{
    m_samplingStarted = false;
    m_awaitingFirstPosition = false;
}

void LongTermSampler::SetEnabled(int row, bool enabled)
{
    m_rows[row].Enabled = enabled;
}

void LongTermSampler::SetInterval(int row, std::string_view intervalText)
{
    m_rows[row].IntervalText = std::string(intervalText);
    RecomputeInterval(row);
}

void LongTermSampler::SetType(int row, std::string_view typeText)
{
    m_rows[row].TypeText = std::string(typeText);
    RecomputeInterval(row);
}

void LongTermSampler::SetThreshold(std::string_view text)
{
    m_threshold = std::string(text);
    m_store.Save("LTTime", "DOPMax", m_threshold);
}

} // namespace trakora
