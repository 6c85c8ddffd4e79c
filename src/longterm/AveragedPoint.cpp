#include "longterm/AveragedPoint.h"

#include "common/NumberFormat.h"

namespace trakora {

namespace {

std::optional<int> TwoDigits(std::string_view text, std::size_t at)
{
    if (text.size() < at + 2 || text[at] < '0' || text[at] > '9' || text[at + 1] < '0' || text[at + 1] > '9')
        return std::nullopt;
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

std::string Metres(double value)
{
    return FormatNumber(value, "#0.00") + " m";
}

} // namespace

std::optional<CivilDateTime> ReceiverUtc(std::string_view ddmmyy, std::string_view hhmmss)
{
    const auto day = TwoDigits(ddmmyy, 0), month = TwoDigits(ddmmyy, 2), year = TwoDigits(ddmmyy, 4);
    const auto hour = TwoDigits(hhmmss, 0), minute = TwoDigits(hhmmss, 2), second = TwoDigits(hhmmss, 4);
    if (!day || !month || !year || !hour || !minute || !second)
        return std::nullopt;
    const CivilDateTime utc{2000 + *year, *month, *day, *hour, *minute, *second};
    return IsValidCivil(utc) ? std::optional<CivilDateTime>(utc) : std::nullopt;
}

std::string PointDescription(std::int32_t samples, const std::optional<AccuracyFigures>& figures)
{
    std::string text = std::to_string(samples) + (samples == 1 ? " sample" : " samples");
    if (figures)
        text += ", \xCF\x83 north " + Metres(figures->SigmaNorth) + ", \xCF\x83 east " + Metres(figures->SigmaEast) +
                ", CEP50 " + Metres(figures->Cep50) + ", CEP95 " + Metres(figures->Cep95) + ", 2DRMS " +
                Metres(figures->TwoDrms);
    return text;
}

} // namespace trakora
