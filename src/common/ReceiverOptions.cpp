#include "common/ReceiverOptions.h"

#include "common/ProgramSettings.h"
#include "common/SettingsKeys.h"

#include <algorithm>
#include <cctype>

namespace trakora {

namespace {

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool SameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

} // namespace

TalkerFilter ParseTalkerFilter(std::string_view stored)
{
    return SameLetters(Trim(stored), "GP") ? TalkerFilter::GpsOnly : TalkerFilter::AllGnss;
}

std::string_view TalkerFilterText(TalkerFilter filter)
{
    return filter == TalkerFilter::GpsOnly ? "GP" : "ALL";
}

std::int32_t ParseBaudSetting(std::string_view stored)
{
    const std::string_view text = Trim(stored);
    if (SameLetters(text, "Auto"))
        return AutoBaud;
    for (std::int32_t rate : SerialBaudRates)
        if (text == std::to_string(rate))
            return rate;
    return DefaultBaud;
}

std::string BaudSettingText(std::int32_t baud)
{
    return baud == AutoBaud ? std::string("Auto") : std::to_string(baud);
}

void LoadReceiverOptions(ProgramSettings& settings, ISettingsStore& store)
{
    settings.Talkers = ParseTalkerFilter(store.Get(Keys::Talkers.Section, Keys::Talkers.Key, "ALL"));
    settings.CommBaud = ParseBaudSetting(store.Get(Keys::CommBaud.Section, Keys::CommBaud.Key, "4800"));
    settings.CommDevice = std::string(Trim(store.Get(Keys::CommDevice.Section, Keys::CommDevice.Key, "")));
    settings.DetectedBaud = 0;
}

} // namespace trakora
