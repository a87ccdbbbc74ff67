#include "core/formater.h"

#include "core/tekst.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace taglo
{
namespace
{

constexpr int kSignifikanteCifre = 15;
constexpr int kStoersteDecimaler = 40;
// Widths and precisions come from the program's own format texts; this only keeps a
// stray "*" argument from asking for gigabytes.
constexpr int kStoersteBredde = 4096;

struct Decimaltekst
{
    bool negativ = false;
    std::string cifre;    // significant digits, the first one before the decimal point
    int heltalsCifre = 0; // number of digits before the decimal point (may be <= 0)
};

// The value's decimal text at 15 significant digits, rounded to nearest. The largest
// doubles round up to a text beyond every double (1.79769313486232e308), which could
// never be read again; those are cut to 15 digits instead.
Decimaltekst TilDecimaltekst(double vaerdi)
{
    std::array<char, 64> buffer{};
    // NOLINTNEXTLINE(cppcoreguidelines-pro-bounds-pointer-arithmetic)
    char* const bufferSlut = buffer.data() + buffer.size();
    auto resultat = std::to_chars(buffer.data(), bufferSlut, vaerdi, std::chars_format::scientific,
                                  kSignifikanteCifre - 1);
    double igen = 0.0;
    const bool overloeb =
        std::from_chars(buffer.data(), resultat.ptr, igen).ec == std::errc::result_out_of_range;
    const bool skaeres = overloeb && std::isfinite(vaerdi);
    if (skaeres)
    {
        resultat = std::to_chars(buffer.data(), bufferSlut, vaerdi, std::chars_format::scientific,
                                 kSignifikanteCifre + 1);
    }
    const std::string_view tekst(buffer.data(),
                                 static_cast<std::size_t>(resultat.ptr - buffer.data()));

    Decimaltekst d;
    std::size_t pos = 0;
    if (tekst[pos] == '-')
    {
        d.negativ = true;
        ++pos;
    }
    for (; pos < tekst.size() && tekst[pos] != 'e'; ++pos)
    {
        if (tekst[pos] != '.')
        {
            d.cifre.push_back(tekst[pos]);
        }
    }
    if (skaeres)
    {
        d.cifre.resize(kSignifikanteCifre);
    }
    int eksponent = 0;
    std::string_view eksponentTekst = tekst.substr(pos + 1);
    if (eksponentTekst.starts_with('+'))
    {
        eksponentTekst.remove_prefix(1);
    }
    // NOLINTNEXTLINE(cppcoreguidelines-pro-bounds-pointer-arithmetic)
    const char* const slut = eksponentTekst.data() + eksponentTekst.size();
    std::from_chars(eksponentTekst.data(), slut, eksponent);
    d.heltalsCifre = eksponent + 1;
    return d;
}

// Rounds the digits half away from zero so that `decimaler` decimals remain.
void Afrund(Decimaltekst& d, int decimaler)
{
    const int behold = d.heltalsCifre + decimaler;
    if (behold >= static_cast<int>(d.cifre.size()))
    {
        return;
    }
    if (behold < 0)
    {
        d.cifre.clear();
        return;
    }
    const bool rundOp = d.cifre[static_cast<std::size_t>(behold)] >= '5';
    d.cifre.resize(static_cast<std::size_t>(behold));
    if (!rundOp)
    {
        return;
    }
    for (std::size_t i = d.cifre.size(); i-- > 0;)
    {
        if (d.cifre[i] != '9')
        {
            ++d.cifre[i];
            return;
        }
        d.cifre[i] = '0';
    }
    d.cifre.insert(d.cifre.begin(), '1');
    ++d.heltalsCifre;
}

std::string Grupper(const std::string& heltal, std::string_view tusindeTegn)
{
    if (tusindeTegn.empty() || heltal.size() <= 3)
    {
        return heltal;
    }
    std::string ud;
    const std::size_t forste = heltal.size() % 3 == 0 ? 3 : heltal.size() % 3;
    ud.append(heltal, 0, forste);
    for (std::size_t i = forste; i < heltal.size(); i += 3)
    {
        ud.append(tusindeTegn);
        ud.append(heltal, i, 3);
    }
    return ud;
}

std::string Udfyld(std::string tekst, int bredde, bool venstre)
{
    const auto antal = static_cast<int>(AntalTegn(tekst));
    if (bredde <= antal)
    {
        return tekst;
    }
    const std::string fyld(static_cast<std::size_t>(bredde - antal), ' ');
    return venstre ? tekst + fyld : fyld + tekst;
}

struct Konvertering
{
    bool venstre = false;
    int bredde = -1;
    int praecision = -1;
    char art = 0;
};

class ArgumentLaeser
{
  public:
    explicit ArgumentLaeser(std::span<const FormatArgument> argumenter) : argumenter_(argumenter) {}

    const FormatArgument* naeste()
    {
        if (indeks_ >= argumenter_.size())
        {
            assert(false && "format has more conversions than arguments");
            return nullptr;
        }
        return &argumenter_[indeks_++];
    }

    int naesteHeltal()
    {
        const FormatArgument* arg = naeste();
        if (arg == nullptr)
        {
            return 0;
        }
        const auto& v = arg->vaerdi();
        if (const auto* i = std::get_if<std::int64_t>(&v))
        {
            return static_cast<int>(
                std::clamp<std::int64_t>(*i, -kStoersteBredde, kStoersteBredde));
        }
        if (const auto* r = std::get_if<double>(&v); r != nullptr && std::isfinite(*r))
        {
            return static_cast<int>(
                std::clamp(*r, -double{kStoersteBredde}, double{kStoersteBredde}));
        }
        return 0;
    }

  private:
    std::span<const FormatArgument> argumenter_;
    std::size_t indeks_ = 0;
};

// Reads the flags, width, precision and conversion after a '%' at `pos`; widths and
// precisions given as "*" come from the arguments. Nothing when the format ends early.
std::optional<Konvertering> LaesKonvertering(std::string_view format, std::size_t& pos,
                                             ArgumentLaeser& laeser)
{
    Konvertering konv;
    if (pos < format.size() && format[pos] == '-')
    {
        konv.venstre = true;
        ++pos;
    }
    const auto laesTal = [&]() {
        if (pos < format.size() && format[pos] == '*')
        {
            ++pos;
            return laeser.naesteHeltal();
        }
        int tal = -1;
        while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9')
        {
            tal = std::min((tal < 0 ? 0 : tal) * 10 + (format[pos] - '0'), kStoersteBredde);
            ++pos;
        }
        return tal;
    };
    konv.bredde = laesTal();
    if (pos < format.size() && format[pos] == '.')
    {
        ++pos;
        konv.praecision = std::max(laesTal(), 0);
    }
    if (pos >= format.size())
    {
        assert(false && "format ends inside a conversion");
        return std::nullopt;
    }
    konv.art = static_cast<char>(format[pos] | 0x20); // conversions are case-insensitive
    ++pos;
    return konv;
}

std::string FormaterHeltal(const FormatArgument& arg)
{
    const auto& v = arg.vaerdi();
    if (const auto* i = std::get_if<std::int64_t>(&v))
    {
        return std::to_string(*i);
    }
    if (const auto* r = std::get_if<double>(&v))
    {
        return FormaterFast(*r, 0, ".");
    }
    return std::get<std::string>(v);
}

std::string FormaterReel(const FormatArgument& arg, int decimaler,
                         const Regionalindstillinger& regional, bool tusinder)
{
    const auto& v = arg.vaerdi();
    double tal = 0.0;
    if (const auto* i = std::get_if<std::int64_t>(&v))
    {
        tal = static_cast<double>(*i);
    }
    else if (const auto* r = std::get_if<double>(&v))
    {
        tal = *r;
    }
    else
    {
        return std::get<std::string>(v);
    }
    return FormaterFast(tal, decimaler, regional.decimal,
                        tusinder ? std::string_view(regional.tusinde) : std::string_view());
}

std::string FormaterTekst(const FormatArgument& arg)
{
    const auto& v = arg.vaerdi();
    if (const auto* s = std::get_if<std::string>(&v))
    {
        return *s;
    }
    return FormaterHeltal(arg);
}

} // namespace

std::string FormaterFast(double vaerdi, int decimaler, std::string_view decimalTegn,
                         std::string_view tusindeTegn)
{
    if (std::isnan(vaerdi))
    {
        return "NAN";
    }
    if (std::isinf(vaerdi))
    {
        return vaerdi < 0 ? "-INF" : "INF";
    }
    decimaler = std::clamp(decimaler, 0, kStoersteDecimaler);

    Decimaltekst d = TilDecimaltekst(vaerdi);
    Afrund(d, decimaler);

    const auto ciffer = [&](int position) {
        return position >= 0 && position < static_cast<int>(d.cifre.size())
                   ? d.cifre[static_cast<std::size_t>(position)]
                   : '0';
    };
    std::string heltal;
    for (int i = 0; i < d.heltalsCifre; ++i)
    {
        heltal.push_back(ciffer(i));
    }
    if (heltal.empty())
    {
        heltal.push_back('0');
    }
    std::string broek;
    for (int i = 0; i < decimaler; ++i)
    {
        broek.push_back(ciffer(d.heltalsCifre + i));
    }

    const bool nul = std::all_of(d.cifre.begin(), d.cifre.end(), [](char c) { return c == '0'; });
    std::string ud = d.negativ && !nul ? "-" : "";
    ud += Grupper(heltal, tusindeTegn);
    if (decimaler > 0)
    {
        ud.append(decimalTegn);
        ud += broek;
    }
    return ud;
}

std::string FormaterListe(const Regionalindstillinger& regional, std::string_view format,
                          std::span<const FormatArgument> argumenter)
{
    std::string ud;
    ud.reserve(format.size() + 16);
    ArgumentLaeser laeser(argumenter);

    std::size_t pos = 0;
    while (pos < format.size())
    {
        const std::size_t procent = format.find('%', pos);
        if (procent == std::string_view::npos)
        {
            ud.append(format.substr(pos));
            break;
        }
        ud.append(format.substr(pos, procent - pos));
        pos = procent + 1;
        if (pos < format.size() && format[pos] == '%')
        {
            ud.push_back('%');
            ++pos;
            continue;
        }

        const auto konv = LaesKonvertering(format, pos, laeser);
        if (!konv)
        {
            break;
        }
        const FormatArgument* arg = laeser.naeste();
        if (arg == nullptr)
        {
            continue;
        }
        std::string felt;
        switch (konv->art)
        {
        case 'd':
            felt = FormaterHeltal(*arg);
            break;
        case 'f':
            felt = FormaterReel(*arg, konv->praecision < 0 ? 2 : konv->praecision, regional, false);
            break;
        case 'n':
            felt = FormaterReel(*arg, konv->praecision < 0 ? 2 : konv->praecision, regional, true);
            break;
        case 's':
            felt = FormaterTekst(*arg);
            break;
        default:
            assert(false && "unknown conversion in format");
            break;
        }
        ud += Udfyld(std::move(felt), konv->bredde, konv->venstre);
    }
    return ud;
}

} // namespace taglo
