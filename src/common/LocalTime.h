#pragma once

#include <cstdint>
#include <string>

namespace trakora {

// A local civil date-time to the second, counted in seconds from
// 1970-01-01 00:00:00 of the local calendar (no time zone involved).
using LocalTime = std::int64_t;

struct CivilDateTime {
    int Year = 1970, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
};

bool IsValidCivil(const CivilDateTime& c);
LocalTime ToLocalTime(const CivilDateTime& c);
CivilDateTime ToCivil(LocalTime t);

// "yyyy-mm-dd hh:mm:ss": the program's general date-time text.
std::string GeneralDateTimeText(LocalTime t);

// "yymmdd", as used in the default log file name "GPyymmdd.TKL".
std::string DateYYMMDD(LocalTime t);
std::string DefaultLogFileName(LocalTime today);

// The source of the current local time; replaced by a scripted clock in tests.
class IClock {
public:
    virtual ~IClock() = default;
    virtual LocalTime Now() = 0;
};

// The machine's clock in local time.
class SystemClock : public IClock {
public:
    LocalTime Now() override;
};

} // namespace trakora
