// The moment a calculation is stamped with, and the clock it is read from.
#pragma once

#include "core/regional.h"

#include <cstdint>
#include <functional>
#include <string>

namespace taglo
{

// A moment of local time, as the calendar and a 24-hour clock show it.
struct Tidspunkt
{
    int aar = 2000; // four digits
    int maaned = 1; // 1..12
    int dag = 1;    // 1..31
    int time = 0;   // 0..23
    int minut = 0;  // 0..59
    int sekund = 0; // 0..60 (a leap second)

    bool operator==(const Tidspunkt&) const = default;
};

// A clock: gives the current moment each time it is called. The program uses LokalTidNu;
// tests and the command-line tool pass a clock that always gives the same moment.
using Ur = std::function<Tidspunkt()>;

// The machine's clock: the current local time of the machine (its time zone, no locale).
[[nodiscard]] Tidspunkt LokalTidNu();

// The moment as "yyyy-MM-dd,HH:mm:ss" (four-digit year, two-digit month, day, hour,
// minute and second), with the regional time separator between hours, minutes and
// seconds: 2014-05-01,13:05:09 under Danish settings.
[[nodiscard]] std::string FormaterTidspunkt(const Tidspunkt& tidspunkt,
                                            const Regionalindstillinger& regional);

// The moment, read as the machine's local time, in seconds since 1970-01-01 00:00 UTC; the
// machine's time zone decides whether daylight saving time applies.
[[nodiscard]] std::int64_t SekunderSiden1970(const Tidspunkt& tidspunkt);

} // namespace taglo
