#include "cli/kommandolinje.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <map>
#include <utility>

namespace taglo::cli
{
namespace
{

constexpr std::string_view kBrugsanvisning =
    "Brug:\n"
    "  taglo-cli rapport [valg] PROJEKT.tgl...\n"
    "      Skriver rapporten for hver projektfil på standard-output (UTF-8).\n"
    "      --ud FIL             gemmer rapporten som programmet gør (Windows-1252, CR LF)\n"
    "      --pdf FIL.pdf        gemmer beregningsdokumentet: rapporten, sømforbindelsen og\n"
    "                           de to kontroltegninger som PDF (A4)\n"
    "      --log 1|2            danner logfilen begrænset (1) eller detaljeret (2)\n"
    "      --logfil FIL         gemmer logfilen her\n"
    "      --tidspunkt \"yyyy-MM-dd,HH:mm:ss\"  tidspunktet i rapportens hoved\n"
    "      --firma TEKST        firmanavnet i rapportens hoved (ellers det fra vinduets\n"
    "                           Firmaoplysninger)\n"
    "      --json               skriver tallene (Afledte, Resultatdata, lasttilfælde) i stedet\n"
    "      --dansk              danske regionale indstillinger uanset systemets\n"
    "      Med flere projektfiler skal --ud, --pdf og --logfil være mapper; hver fil får\n"
    "      sit navn efter projektfilen.\n"
    "  taglo-cli figur tvaersnit|laengdesnit|soemforbindelse PROJEKT.tgl UD.svg|UD.png|UD.json\n"
    "            [--bredde N] [--hoejde N] [--dansk]\n"
    "      Gemmer figuren (standard 1000 x 700 punkter).\n"
    "  taglo-cli forslag PROJEKT.tgl [--json]\n"
    "      Afprøver hver lægtedimension på listen med hvert søm i sømkataloget og\n"
    "      skriver den letteste der kan anvendes, og derefter tabellen over dem alle.\n"
    "      --json               skriver forslaget og kandidaterne som tal\n"
    "\n"
    "Afslutningskode: 0 når lægte og søm kan anvendes (for forslag: når der er et\n"
    "forslag), 1 når en af dem ikke kan (for forslag: når ingen kandidat kan anvendes),\n"
    "2 når en fil ikke kunne læses eller skrives, eller et inddata afvises.\n";

constexpr int kStoersteBilledmaal = 10000;

// An option a command knows, and whether a value follows it as the next argument.
struct Valgmulighed
{
    std::string_view navn;
    bool harVaerdi;
};

constexpr std::array<Valgmulighed, 8> kRapportValg{{
    {"--ud", true},
    {"--pdf", true},
    {"--log", true},
    {"--logfil", true},
    {"--tidspunkt", true},
    {"--firma", true},
    {"--json", false},
    {"--dansk", false},
}};

constexpr std::array<Valgmulighed, 1> kForslagValg{{
    {"--json", false},
}};

constexpr std::array<Valgmulighed, 3> kFigurValg{{
    {"--bredde", true},
    {"--hoejde", true},
    {"--dansk", false},
}};

// The arguments of a command, sorted: the options given (an option without a value maps
// to an empty text) and the other arguments in order. After "--" every argument is one
// of the others.
struct Opdelte
{
    std::map<std::string_view, std::string> valg;
    std::vector<std::string> oevrige;

    [[nodiscard]] bool Har(std::string_view navn) const { return valg.contains(navn); }
    [[nodiscard]] std::optional<std::string> Vaerdi(std::string_view navn) const
    {
        const auto fundet = valg.find(navn);
        return fundet != valg.end() ? std::optional(fundet->second) : std::nullopt;
    }
};

std::variant<Opdelte, Brugsfejl> Opdel(std::span<const std::string> argumenter,
                                       std::span<const Valgmulighed> kendte)
{
    Opdelte opdelte;
    bool kunOevrige = false;
    for (std::size_t i = 0; i < argumenter.size(); ++i)
    {
        const std::string& argument = argumenter[i];
        if (kunOevrige || !argument.starts_with("--"))
        {
            opdelte.oevrige.push_back(argument);
            continue;
        }
        if (argument == "--")
        {
            kunOevrige = true;
            continue;
        }
        const auto valg = std::find_if(kendte.begin(), kendte.end(),
                                       [&](const Valgmulighed& v) { return v.navn == argument; });
        if (valg == kendte.end())
        {
            return Brugsfejl{"ukendt valg " + argument};
        }
        if (valg->harVaerdi && i + 1 == argumenter.size())
        {
            return Brugsfejl{argument + " mangler sin værdi"};
        }
        opdelte.valg[valg->navn] = valg->harVaerdi ? argumenter[++i] : std::string();
    }
    return opdelte;
}

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

std::variant<Kommando, Brugsfejl> FortolkRapport(const Opdelte& a)
{
    RapportKommando kommando;
    kommando.projekter = a.oevrige;
    kommando.ud = a.Vaerdi("--ud");
    kommando.pdf = a.Vaerdi("--pdf");
    kommando.logfil = a.Vaerdi("--logfil");
    kommando.firma = a.Vaerdi("--firma");
    kommando.json = a.Har("--json");
    kommando.dansk = a.Har("--dansk");
    if (const auto log = a.Vaerdi("--log"))
    {
        const auto niveau = LaesTal(*log);
        if (!niveau || *niveau < 1 || *niveau > 2)
        {
            return Brugsfejl{"--log skal være 1 (begrænset) eller 2 (detaljeret), ikke \"" + *log +
                             "\""};
        }
        kommando.logniveau = niveau;
    }
    if (const auto tekst = a.Vaerdi("--tidspunkt"))
    {
        kommando.tidspunkt = LaesTidspunkt(*tekst);
        if (!kommando.tidspunkt)
        {
            return Brugsfejl{"--tidspunkt skal have formen 2014-05-01,13:05:09, ikke \"" + *tekst +
                             "\""};
        }
    }
    if (kommando.projekter.empty())
    {
        return Brugsfejl{"rapport mangler en projektfil"};
    }
    return Kommando{std::move(kommando)};
}

// The figures by the names the tool knows them by.
constexpr std::array<std::pair<std::string_view, Figur>, 3> kFigurer{{
    {"tvaersnit", Figur::Tvaersnit},
    {"laengdesnit", Figur::Laengdesnit},
    {"soemforbindelse", Figur::Soemforbindelse},
}};

std::variant<Kommando, Brugsfejl> FortolkFigur(const Opdelte& a)
{
    FigurKommando kommando;
    kommando.dansk = a.Har("--dansk");
    for (const auto& [navn, maal] :
         {std::pair{"--bredde", &kommando.bredde}, std::pair{"--hoejde", &kommando.hoejde}})
    {
        const auto vaerdi = a.Vaerdi(navn);
        if (!vaerdi)
        {
            continue;
        }
        const auto tal = LaesTal(*vaerdi);
        if (!tal || *tal < 1 || *tal > kStoersteBilledmaal)
        {
            return Brugsfejl{std::string(navn) + " skal være et helt antal punkter fra 1 til " +
                             std::to_string(kStoersteBilledmaal)};
        }
        *maal = *tal;
    }
    if (a.oevrige.size() != 3)
    {
        return Brugsfejl{"figur kræver FIGUR PROJEKT.tgl UD.svg|UD.png|UD.json"};
    }
    const std::string& figur = a.oevrige[0];
    const auto* fundet = std::find_if(kFigurer.begin(), kFigurer.end(),
                                      [&](const auto& f) { return f.first == figur; });
    if (fundet == kFigurer.end())
    {
        return Brugsfejl{"ukendt figur \"" + figur +
                         "\"; vælg tvaersnit, laengdesnit eller soemforbindelse"};
    }
    kommando.figur = fundet->second;
    kommando.projekt = a.oevrige[1];
    kommando.ud = a.oevrige[2];
    if (!kommando.ud.ends_with(".svg") && !kommando.ud.ends_with(".png") &&
        !kommando.ud.ends_with(".json"))
    {
        return Brugsfejl{"figurens fil skal ende på .svg, .png eller .json"};
    }
    return Kommando{std::move(kommando)};
}

std::variant<Kommando, Brugsfejl> FortolkForslag(const Opdelte& a)
{
    if (a.oevrige.size() != 1)
    {
        return Brugsfejl{"forslag kræver én projektfil"};
    }
    return Kommando{ForslagKommando{a.oevrige.front(), a.Har("--json")}};
}

// A command: its name, the options it knows and how its arguments become the command.
struct Kommandobeskrivelse
{
    std::string_view navn;
    std::span<const Valgmulighed> valg;
    std::variant<Kommando, Brugsfejl> (*fortolk)(const Opdelte&);
};

const std::array<Kommandobeskrivelse, 3> kKommandoer{{
    {"rapport", kRapportValg, FortolkRapport},
    {"figur", kFigurValg, FortolkFigur},
    {"forslag", kForslagValg, FortolkForslag},
}};

} // namespace

std::variant<Kommando, Brugsfejl> FortolkArgumenter(std::span<const std::string> argumenter)
{
    if (argumenter.empty())
    {
        return Brugsfejl{"angiv rapport, figur eller forslag"};
    }
    const std::string& navn = argumenter.front();
    if (navn == "--hjaelp" || navn == "--help" || navn == "-h")
    {
        return Kommando{HjaelpKommando{}};
    }
    const auto* kommando = std::find_if(kKommandoer.begin(), kKommandoer.end(),
                                        [&](const auto& k) { return k.navn == navn; });
    if (kommando == kKommandoer.end())
    {
        return Brugsfejl{"ukendt kommando \"" + navn + "\"; angiv rapport, figur eller forslag"};
    }
    auto opdelte = Opdel(argumenter.subspan(1), kommando->valg);
    if (const auto* fejl = std::get_if<Brugsfejl>(&opdelte))
    {
        return *fejl;
    }
    return kommando->fortolk(std::get<Opdelte>(opdelte));
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
    const std::chrono::year_month_day dato{std::chrono::year(t.aar),
                                           std::chrono::month(static_cast<unsigned>(t.maaned)),
                                           std::chrono::day(static_cast<unsigned>(t.dag))};
    const bool gyldig = dato.ok() && t.time <= 23 && t.minut <= 59 && t.sekund <= 60;
    return gyldig ? std::optional(t) : std::nullopt;
}

std::string_view Brugsanvisning()
{
    return kBrugsanvisning;
}

} // namespace taglo::cli
