#include "core/taltekst.h"

#include "core/formater.h"
#include "core/tekst.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace taglo
{
namespace
{

bool ErCiffer(char c)
{
    return c >= '0' && c <= '9';
}

// Reads a number text piece by piece and builds the neutral form that std::from_chars
// reads ("-12.5e3"), noting where the first significant digit stands.
class TalLaeser
{
  public:
    TalLaeser(std::string_view tekst, std::string_view decimalTegn)
        : tekst_(tekst), decimal_(decimalTegn)
    {}

    void SpringBlanke()
    {
        while (pos_ < tekst_.size() && tekst_[pos_] == ' ')
        {
            ++pos_;
        }
    }

    void LaesFortegn()
    {
        if (pos_ < tekst_.size() && (tekst_[pos_] == '+' || tekst_[pos_] == '-'))
        {
            negativ_ = tekst_[pos_] == '-';
            if (negativ_)
            {
                neutral_.push_back('-');
            }
            ++pos_;
        }
    }

    // Digits with at most one decimal separator; false when there is no digit.
    bool LaesMantisse()
    {
        int cifre = 0;
        bool efterSeparator = false;
        while (pos_ < tekst_.size())
        {
            const char c = tekst_[pos_];
            if (ErCiffer(c))
            {
                NoterCiffer(c, efterSeparator);
                ++cifre;
                ++pos_;
            }
            else if (!efterSeparator && !decimal_.empty() &&
                     tekst_.substr(pos_).starts_with(decimal_))
            {
                efterSeparator = true;
                neutral_.push_back('.');
                pos_ += decimal_.size();
            }
            else
            {
                break;
            }
        }
        return cifre > 0;
    }

    // An optional exponent; false when it has no digit.
    bool LaesEksponent()
    {
        if (pos_ >= tekst_.size() || (tekst_[pos_] != 'e' && tekst_[pos_] != 'E'))
        {
            return true;
        }
        neutral_.push_back('e');
        ++pos_;
        bool negativ = false;
        if (pos_ < tekst_.size() && (tekst_[pos_] == '+' || tekst_[pos_] == '-'))
        {
            negativ = tekst_[pos_] == '-';
            neutral_.push_back(tekst_[pos_]);
            ++pos_;
        }
        int cifre = 0;
        for (; pos_ < tekst_.size() && ErCiffer(tekst_[pos_]); ++pos_, ++cifre)
        {
            neutral_.push_back(tekst_[pos_]);
            eksponent_ = std::min(eksponent_ * 10 + (tekst_[pos_] - '0'), 1'000'000'000LL);
        }
        if (negativ)
        {
            eksponent_ = -eksponent_;
        }
        return cifre > 0;
    }

    [[nodiscard]] bool VedSlut() const { return pos_ == tekst_.size(); }

    // The value, or nothing when it lies beyond the range of a double.
    [[nodiscard]] std::optional<double> Vaerdi() const
    {
        const double nul = negativ_ ? -0.0 : 0.0;
        if (!signifikant_)
        {
            return nul;
        }
        double vaerdi = 0.0;
        // NOLINTNEXTLINE(cppcoreguidelines-pro-bounds-pointer-arithmetic)
        const char* const slut = neutral_.data() + neutral_.size();
        const auto [slutPtr, fejl] = std::from_chars(neutral_.data(), slut, vaerdi);
        if (fejl == std::errc::result_out_of_range)
        {
            // Either an overflow (not a number) or an underflow (zero): the decimal exponent
            // of the first significant digit tells which.
            const long long decimalEksponent =
                eksponent_ + (heltalsCifre_ > 0 ? heltalsCifre_ - 1 : -(foranstilledeNuller_ + 1));
            return decimalEksponent < 0 ? std::optional<double>(nul) : std::nullopt;
        }
        if (fejl != std::errc() || slutPtr != slut || !std::isfinite(vaerdi))
        {
            return std::nullopt;
        }
        return vaerdi;
    }

  private:
    void NoterCiffer(char c, bool efterSeparator)
    {
        neutral_.push_back(c);
        signifikant_ = signifikant_ || c != '0';
        if (!efterSeparator && signifikant_)
        {
            ++heltalsCifre_;
        }
        if (efterSeparator && !signifikant_)
        {
            ++foranstilledeNuller_;
        }
    }

    std::string_view tekst_;
    std::string_view decimal_;
    std::size_t pos_ = 0;
    std::string neutral_;
    bool negativ_ = false;
    bool signifikant_ = false;
    int heltalsCifre_ = 0;        // significant digits before the separator
    int foranstilledeNuller_ = 0; // zeros after the separator before the first significant digit
    long long eksponent_ = 0;
};

} // namespace

std::optional<double> LaesTal(std::string_view tekst, const Regionalindstillinger& regional)
{
    TalLaeser laeser(tekst, regional.decimal);
    laeser.SpringBlanke();
    laeser.LaesFortegn();
    if (!laeser.LaesMantisse() || !laeser.LaesEksponent())
    {
        return std::nullopt;
    }
    laeser.SpringBlanke();
    if (!laeser.VedSlut())
    {
        return std::nullopt;
    }
    return laeser.Vaerdi();
}

std::string MedRegionaltDecimaltegn(std::string_view linje, const Regionalindstillinger& regional)
{
    if (LaesTal(linje, regional))
    {
        return std::string(linje);
    }
    for (const std::string_view andet : {",", "."})
    {
        const auto pos = linje.find(andet);
        if (andet == regional.decimal || pos == std::string_view::npos ||
            linje.find(andet, pos + 1) != std::string_view::npos)
        {
            continue;
        }
        std::string regionalt(linje);
        regionalt.replace(pos, andet.size(), regional.decimal);
        if (LaesTal(regionalt, regional))
        {
            return regionalt;
        }
    }
    return std::string(linje);
}

double TalFraFelt(std::string_view tekst, const Regionalindstillinger& regional,
                  Meddelelser& meddelelser)
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

std::string TalTilFelt(int bredde, int decimaler, double vaerdi,
                       const Regionalindstillinger& regional)
{
    return Formater(regional, "%*.*f", bredde, decimaler, vaerdi);
}

double OmformaterFelt(std::string& tekst, int bredde, int decimaler,
                      const Regionalindstillinger& regional, Meddelelser& meddelelser)
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
