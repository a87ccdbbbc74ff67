#include "core/taltekst.h"

#include "core/formater.h"
#include "core/tekst.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace taglo
{
namespace
{

bool ErCiffer(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<double> LaesTal(std::string_view tekst, const Regionalindstillinger& regional)
{
    std::size_t pos = 0;
    const auto slut = tekst.size();
    while (pos < slut && tekst[pos] == ' ')
    {
        ++pos;
    }

    // The number in the neutral form that std::from_chars reads.
    std::string neutral;
    if (pos < slut && (tekst[pos] == '+' || tekst[pos] == '-'))
    {
        if (tekst[pos] == '-')
        {
            neutral.push_back('-');
        }
        ++pos;
    }
    int mantisseCifre = 0;
    int heltalsCifre = 0;   // significant digits before the separator
    int foranstilledeNuller = 0;  // zeros after the separator before the first significant digit
    bool efterSeparator = false;
    bool signifikant = false;
    while (pos < slut)
    {
        if (ErCiffer(tekst[pos]))
        {
            const char c = tekst[pos];
            neutral.push_back(c);
            ++mantisseCifre;
            if (c != '0')
            {
                signifikant = true;
            }
            if (!efterSeparator && signifikant)
            {
                ++heltalsCifre;
            }
            if (efterSeparator && !signifikant)
            {
                ++foranstilledeNuller;
            }
            ++pos;
        }
        else if (!efterSeparator && !regional.decimal.empty() && tekst.substr(pos).starts_with(regional.decimal))
        {
            efterSeparator = true;
            neutral.push_back('.');
            pos += regional.decimal.size();
        }
        else
        {
            break;
        }
    }
    if (mantisseCifre == 0)
    {
        return std::nullopt;
    }

    long long eksponent = 0;
    if (pos < slut && (tekst[pos] == 'e' || tekst[pos] == 'E'))
    {
        neutral.push_back('e');
        ++pos;
        bool negativ = false;
        if (pos < slut && (tekst[pos] == '+' || tekst[pos] == '-'))
        {
            negativ = tekst[pos] == '-';
            neutral.push_back(tekst[pos]);
            ++pos;
        }
        int eksponentCifre = 0;
        while (pos < slut && ErCiffer(tekst[pos]))
        {
            neutral.push_back(tekst[pos]);
            eksponent = std::min(eksponent * 10 + (tekst[pos] - '0'), 1'000'000'000LL);
            ++eksponentCifre;
            ++pos;
        }
        if (eksponentCifre == 0)
        {
            return std::nullopt;
        }
        if (negativ)
        {
            eksponent = -eksponent;
        }
    }
    while (pos < slut && tekst[pos] == ' ')
    {
        ++pos;
    }
    if (pos != slut)
    {
        return std::nullopt;
    }
    if (!signifikant)
    {
        return neutral.starts_with('-') ? -0.0 : 0.0;
    }

    double vaerdi = 0.0;
    const auto [slutPtr, fejl] = std::from_chars(neutral.data(), neutral.data() + neutral.size(), vaerdi);
    if (fejl == std::errc::result_out_of_range)
    {
        // Out of range is either an overflow (not a number) or an underflow (zero): the
        // decimal exponent of the first significant digit tells which.
        const long long decimalEksponent =
            eksponent + (heltalsCifre > 0 ? heltalsCifre - 1 : -(foranstilledeNuller + 1));
        if (decimalEksponent < 0)
        {
            return neutral.starts_with('-') ? -0.0 : 0.0;
        }
        return std::nullopt;
    }
    if (fejl != std::errc() || slutPtr != neutral.data() + neutral.size() || !std::isfinite(vaerdi))
    {
        return std::nullopt;
    }
    return vaerdi;
}

double TalFraFelt(std::string_view tekst, const Regionalindstillinger& regional, Meddelelser& meddelelser)
{
    if (const auto vaerdi = LaesTal(tekst, regional))
    {
        return *vaerdi;
    }
    std::string besked = "Det indtastede er ugyldigt som tal\r\nEConvertError\r\n'";
    besked.append(tekst);
    besked.append("' is not a valid floating point value");
    meddelelser.besked(besked);
    return 0.0;
}

std::string TalTilFelt(int bredde, int decimaler, double vaerdi, const Regionalindstillinger& regional)
{
    return Formater(regional, "%*.*f", bredde, decimaler, vaerdi);
}

double OmformaterFelt(std::string& tekst, int bredde, int decimaler, const Regionalindstillinger& regional,
                      Meddelelser& meddelelser)
{
    const double vaerdi = TalFraFelt(tekst, regional, meddelelser);
    tekst = TalTilFelt(bredde, decimaler, vaerdi, regional);
    return TalFraFelt(tekst, regional, meddelelser);
}

std::string StregLinie(int antal)
{
    std::string linje;
    for (int i = 0; i < antal; ++i)
    {
        linje.append(kTankestreg);
    }
    return linje;
}

} // namespace taglo
