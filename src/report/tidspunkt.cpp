#include "report/tidspunkt.h"

#include <chrono>
#include <ctime>

namespace taglo
{
namespace
{

// A whole number with leading zeros to at least `cifre` digits; a negative number keeps
// its sign in front.
std::string MedForanstilledeNuller(int tal, std::size_t cifre)
{
    std::string tekst =
        std::to_string(tal < 0 ? -static_cast<long long>(tal) : static_cast<long long>(tal));
    if (tekst.size() < cifre)
    {
        tekst.insert(0, cifre - tekst.size(), '0');
    }
    return tal < 0 ? "-" + tekst : tekst;
}

} // namespace

Tidspunkt LokalTidNu()
{
    const std::time_t nu = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm lokal{};
    if (::localtime_r(&nu, &lokal) == nullptr)
    {
        return {};
    }
    return {lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday,
            lokal.tm_hour,        lokal.tm_min,     lokal.tm_sec};
}

std::int64_t SekunderSiden1970(const Tidspunkt& tidspunkt)
{
    std::tm lokal{};
    lokal.tm_year = tidspunkt.aar - 1900;
    lokal.tm_mon = tidspunkt.maaned - 1;
    lokal.tm_mday = tidspunkt.dag;
    lokal.tm_hour = tidspunkt.time;
    lokal.tm_min = tidspunkt.minut;
    lokal.tm_sec = tidspunkt.sekund;
    lokal.tm_isdst = -1; // the zone's rules decide
    return static_cast<std::int64_t>(std::mktime(&lokal));
}

std::string FormaterTidspunkt(const Tidspunkt& tidspunkt, const Regionalindstillinger& regional)
{
    return MedForanstilledeNuller(tidspunkt.aar, 4) + "-" +
           MedForanstilledeNuller(tidspunkt.maaned, 2) + "-" +
           MedForanstilledeNuller(tidspunkt.dag, 2) + "," +
           MedForanstilledeNuller(tidspunkt.time, 2) + regional.tid +
           MedForanstilledeNuller(tidspunkt.minut, 2) + regional.tid +
           MedForanstilledeNuller(tidspunkt.sekund, 2);
}

} // namespace taglo
