#include "cli/kommandolinje.h"

#include <array>
#include <charconv>

namespace taglo::cli
{
namespace
{

constexpr std::string_view kBrugsanvisning =
    "Brug:\n"
    "  taglo-cli rapport [valg] PROJEKT.tgl...\n"
    "      Skriver rapporten for hver projektfil på standard-output (UTF-8).\n"
    "      --ud FIL             gemmer rapporten som programmet gør (Windows-1252, CR LF)\n"
    "      --log 1|2            danner logfilen begrænset (1) eller detaljeret (2)\n"
    "      --logfil FIL         gemmer logfilen her\n"
    "      --tidspunkt \"yyyy-MM-dd,HH:mm:ss\"  tidspunktet i rapportens hoved\n"
    "      --firma TEKST        firmanavnet i rapportens hoved\n"
    "      --json               skriver tallene (Afledte, Resultatdata, lasttilfælde) i stedet\n"
    "      --dansk              danske regionale indstillinger uanset systemets\n"
    "      Med flere projektfiler skal --ud og --logfil være mapper; hver fil får sit navn.\n"
    "  taglo-cli figur tvaersnit|laengdesnit|soemforbindelse PROJEKT.tgl UD.svg|UD.png|UD.json\n"
    "            [--bredde N] [--hoejde N] [--dansk]\n"
    "      Gemmer figuren (standard 1000 x 700 punkter).\n"
    "\n"
    "Afslutningskode: 0 når lægte og søm kan anvendes, 1 når en af dem ikke kan,\n"
    "2 når en fil ikke kunne læses eller skrives, eller et inddata afvises.\n";

constexpr int kStoersteBilledmaal = 10000;

std::optional<int> LaesTal(std::string_view tekst)
{
    int vaerdi = 0;
    const auto [slut, fejl] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), vaerdi);
    if (fejl != std::errc() || slut != tekst.data() + tekst.size())
    {
        return std::nullopt;
    }
    return vaerdi;
}

bool ErSkudaar(int aar)
{
    return (aar % 4 == 0 && aar % 100 != 0) || aar % 400 == 0;
}

int DageIMaaned(int aar, int maaned)
{
    constexpr std::array<int, 12> kDage{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return maaned == 2 && ErSkudaar(aar) ? 29 : kDage[static_cast<std::size_t>(maaned - 1)];
}

// Reads the arguments one by one; an option's value is the next argument.
class Laeser
{
  public:
    explicit Laeser(std::span<const std::string> argumenter) : argumenter_(argumenter) {}

    [[nodiscard]] bool Slut() const { return pos_ >= argumenter_.size(); }
    const std::string& Naeste() { return argumenter_[pos_++]; }
    [[nodiscard]] std::optional<std::string> Vaerdi()
    {
        if (Slut())
        {
            return std::nullopt;
        }
        return Naeste();
    }

  private:
    std::span<const std::string> argumenter_;
    std::size_t pos_ = 0;
};

std::variant<Kommando, Brugsfejl> FortolkRapport(Laeser& laeser)
{
    RapportKommando kommando;
    bool kunFiler = false;
    while (!laeser.Slut())
    {
        const std::string& argument = laeser.Naeste();
        if (kunFiler || !argument.starts_with("--"))
        {
            kommando.projekter.push_back(argument);
            continue;
        }
        if (argument == "--")
        {
            kunFiler = true;
            continue;
        }
        if (argument == "--json")
        {
            kommando.json = true;
            continue;
        }
        if (argument == "--dansk")
        {
            kommando.dansk = true;
            continue;
        }
        const auto vaerdi = laeser.Vaerdi();
        if (!vaerdi && (argument == "--ud" || argument == "--log" || argument == "--logfil" ||
                        argument == "--tidspunkt" || argument == "--firma"))
        {
            return Brugsfejl{argument + " mangler sin værdi"};
        }
        if (argument == "--ud")
        {
            kommando.ud = *vaerdi;
        }
        else if (argument == "--logfil")
        {
            kommando.logfil = *vaerdi;
        }
        else if (argument == "--firma")
        {
            kommando.firma = *vaerdi;
        }
        else if (argument == "--log")
        {
            const auto niveau = LaesTal(*vaerdi);
            if (!niveau || *niveau < 1 || *niveau > 2)
            {
                return Brugsfejl{"--log skal være 1 (begrænset) eller 2 (detaljeret), ikke \"" +
                                 *vaerdi + "\""};
            }
            kommando.logniveau = *niveau;
        }
        else if (argument == "--tidspunkt")
        {
            kommando.tidspunkt = LaesTidspunkt(*vaerdi);
            if (!kommando.tidspunkt)
            {
                return Brugsfejl{"--tidspunkt skal have formen 2014-05-01,13:05:09, ikke \"" +
                                 *vaerdi + "\""};
            }
        }
        else
        {
            return Brugsfejl{"ukendt valg " + argument};
        }
    }
    if (kommando.projekter.empty())
    {
        return Brugsfejl{"rapport mangler en projektfil"};
    }
    return Kommando{std::move(kommando)};
}

std::variant<Kommando, Brugsfejl> FortolkFigur(Laeser& laeser)
{
    FigurKommando kommando;
    std::vector<std::string> positionelle;
    while (!laeser.Slut())
    {
        const std::string& argument = laeser.Naeste();
        if (!argument.starts_with("--"))
        {
            positionelle.push_back(argument);
            continue;
        }
        if (argument == "--dansk")
        {
            kommando.dansk = true;
            continue;
        }
        if (argument != "--bredde" && argument != "--hoejde")
        {
            return Brugsfejl{"ukendt valg " + argument};
        }
        const auto vaerdi = laeser.Vaerdi();
        const auto tal = vaerdi ? LaesTal(*vaerdi) : std::nullopt;
        if (!tal || *tal < 1 || *tal > kStoersteBilledmaal)
        {
            return Brugsfejl{argument + " skal være et helt antal punkter fra 1 til " +
                             std::to_string(kStoersteBilledmaal)};
        }
        (argument == "--bredde" ? kommando.bredde : kommando.hoejde) = *tal;
    }
    if (positionelle.size() != 3)
    {
        return Brugsfejl{"figur kræver FIGUR PROJEKT.tgl UD.svg|UD.png|UD.json"};
    }
    const std::string& figur = positionelle[0];
    if (figur == "tvaersnit")
    {
        kommando.figur = Figur::Tvaersnit;
    }
    else if (figur == "laengdesnit")
    {
        kommando.figur = Figur::Laengdesnit;
    }
    else if (figur == "soemforbindelse")
    {
        kommando.figur = Figur::Soemforbindelse;
    }
    else
    {
        return Brugsfejl{"ukendt figur \"" + figur +
                         "\"; vælg tvaersnit, laengdesnit eller soemforbindelse"};
    }
    kommando.projekt = positionelle[1];
    kommando.ud = positionelle[2];
    if (!kommando.ud.ends_with(".svg") && !kommando.ud.ends_with(".png") &&
        !kommando.ud.ends_with(".json"))
    {
        return Brugsfejl{"figurens fil skal ende på .svg, .png eller .json"};
    }
    return Kommando{std::move(kommando)};
}

} // namespace

std::variant<Kommando, Brugsfejl> FortolkArgumenter(std::span<const std::string> argumenter)
{
    if (argumenter.empty())
    {
        return Brugsfejl{"angiv rapport eller figur"};
    }
    const std::string& kommando = argumenter.front();
    if (kommando == "--hjaelp" || kommando == "--help" || kommando == "-h")
    {
        return Kommando{HjaelpKommando{}};
    }
    Laeser laeser(argumenter.subspan(1));
    if (kommando == "rapport")
    {
        return FortolkRapport(laeser);
    }
    if (kommando == "figur")
    {
        return FortolkFigur(laeser);
    }
    return Brugsfejl{"ukendt kommando \"" + kommando + "\"; angiv rapport eller figur"};
}

std::optional<Tidspunkt> LaesTidspunkt(std::string_view tekst)
{
    // yyyy-MM-dd,HH:mm:ss: digits at fixed places, separators between them.
    constexpr std::string_view kMoenster = "dddd-dd-dd,dd:dd:dd";
    if (tekst.size() != kMoenster.size())
    {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < tekst.size(); ++i)
    {
        const char c = tekst[i];
        const char m = kMoenster[i];
        const bool passer =
            m == 'd' ? (c >= '0' && c <= '9') : (m == ':' ? (c == ':' || c == '.') : c == m);
        if (!passer)
        {
            return std::nullopt;
        }
    }
    if (tekst[13] != tekst[16])
    {
        return std::nullopt;
    }
    const auto tal = [&](std::size_t pos, std::size_t laengde) {
        return *LaesTal(tekst.substr(pos, laengde));
    };
    const Tidspunkt t{tal(0, 4), tal(5, 2), tal(8, 2), tal(11, 2), tal(14, 2), tal(17, 2)};
    const bool gyldig = t.maaned >= 1 && t.maaned <= 12 && t.dag >= 1 &&
                        t.dag <= DageIMaaned(t.aar, t.maaned) && t.time <= 23 && t.minut <= 59 &&
                        t.sekund <= 60;
    return gyldig ? std::optional(t) : std::nullopt;
}

std::string_view Brugsanvisning()
{
    return kBrugsanvisning;
}

} // namespace taglo::cli
