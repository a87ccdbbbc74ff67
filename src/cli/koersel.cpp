#include "cli/koersel.h"

#include "app/dokument.h"
#include "app/forslag.h"
#include "app/projekt.h"
#include "app/projektjson.h"
#include "core/support.h"
#include "core/tekst.h"
#include "qtcanvas/indstillinger.h"
#include "qtcanvas/pdfdokument.h"
#include "report/logfil.h"
#include "report/resultatfil.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <variant>
#include <vector>

namespace taglo::cli
{
namespace
{
namespace fs = std::filesystem;

// Where the output of one project file goes: the path given, or, when the path names
// a folder, a file in it named after the project with the extension `endelse`.
std::string Udfil(const std::string& sti, const std::string& projekt, std::string_view endelse)
{
    std::error_code fejl;
    if (!fs::is_directory(sti, fejl))
    {
        return sti;
    }
    return (fs::path(sti) / fs::path(projekt).stem()).string() + "." + std::string(endelse);
}

bool ErMappe(const std::optional<std::string>& sti)
{
    std::error_code fejl;
    return sti && fs::is_directory(*sti, fejl);
}

// The table of the candidates under a heading, one a line: each column as wide as its
// widest text and two blanks apart, the utilisations right-aligned, no blanks at the ends.
std::string Kandidattabel(const TForslag& forslag, const Regionalindstillinger& regional)
{
    constexpr std::size_t kKolonner = 8;
    constexpr std::array<bool, kKolonner> kHoejrestillet{false, false, true,  false,
                                                         true,  false, false, false};
    std::vector<std::array<std::string, kKolonner>> raekker{
        {"Tværsnit", "Sømtype", "Lægte", "", "Søm", "", "Normalspær", "Forankret gavlspær"}};
    for (const auto& k : forslag.Kandidater)
    {
        raekker.push_back(
            {TvaersnitTekst(k.Tvaersnit, regional), std::string(k.Soemnavn),
             UdnyttelseTekst(k.UdnLaegte, regional),
             std::string(VurderingTekst(k.Anvendelig.Laegte)), UdnyttelseTekst(k.UdnSoem, regional),
             std::string(VurderingTekst(k.Anvendelig.Soem)), k.SoemNormalspaer, k.SoemGavlspaer});
    }
    std::array<std::size_t, kKolonner> bredde{};
    for (const auto& raekke : raekker)
    {
        for (std::size_t i = 0; i < kKolonner; ++i)
        {
            bredde[i] = std::max(bredde[i], AntalTegn(raekke[i]));
        }
    }
    std::string tabel;
    for (const auto& raekke : raekker)
    {
        std::string linje;
        for (std::size_t i = 0; i < kKolonner; ++i)
        {
            const std::string fyld(bredde[i] - AntalTegn(raekke[i]), ' ');
            linje += kHoejrestillet[i] ? fyld + raekke[i] : raekke[i] + fyld;
            linje += i + 1 < kKolonner ? "  " : "";
        }
        linje.erase(linje.find_last_not_of(' ') + 1);
        tabel += linje + '\n';
    }
    return tabel;
}

} // namespace

std::unique_ptr<QGuiApplication> StartQt()
{
    if (QGuiApplication::instance() != nullptr)
    {
        return nullptr;
    }
    // The application keeps the arguments, and takes out those it reads: they are set
    // afresh for each one.
    static std::array<char, 10> program{"taglo-cli"};
    static std::array<char, 10> valg{"-platform"};
    static std::array<char, 10> platform{"offscreen"};
    static int argc = 0;
    static std::array<char*, 4> argv{};
    argc = 3;
    argv = {program.data(), valg.data(), platform.data(), nullptr};
    return std::make_unique<QGuiApplication>(argc, argv.data());
}

void Strommeddelelser::Skriv(std::string_view art, std::string_view tekst)
{
    std::string linje;
    if (!kilde.empty())
    {
        linje = kilde + ": ";
    }
    linje.append(art);
    const std::string indrykning(AntalTegn(linje), ' ');
    for (std::size_t i = 0; i < tekst.size(); ++i)
    {
        const char c = tekst[i];
        if (c == '\r' || c == '\n')
        {
            const bool par = i + 1 < tekst.size() &&
                             (tekst[i + 1] == '\r' || tekst[i + 1] == '\n') && tekst[i + 1] != c;
            i += par ? 1 : 0;
            linje += '\n';
            linje += indrykning;
            continue;
        }
        linje += c;
    }
    linje += '\n';
    ud_ << linje;
    ud_.flush();
}

namespace
{

// What the report command writes, gathered over its project files.
struct TRapportudfald
{
    int status = kKanAnvendes;
    nlohmann::json json = nlohmann::json::array();
    bool foersteRapport = true;
};

// Saves what the options ask for of one project's calculation: the log file, the report
// and the document. False when one of them could not be saved (its message shown).
bool GemUdfil(const RapportKommando& kommando, const std::string& projekt,
              const TBeregningsresultat& beregning, const Regionalindstillinger& regional,
              Meddelelser& meddelelser)
{
    bool gemt = true;
    if (kommando.logfil && beregning.Logliste.findes())
    {
        gemt =
            GemLogfil(Udfil(*kommando.logfil, projekt, "log"), beregning.Logliste, meddelelser) &&
            gemt;
    }
    if (kommando.ud)
    {
        gemt = GemResultat(Udfil(*kommando.ud, projekt, "txt"), beregning.Resultatliste,
                           meddelelser) &&
               gemt;
    }
    if (kommando.pdf)
    {
        gemt = GemPdf(Udfil(*kommando.pdf, projekt, "pdf"),
                      PdfDokument(DokumentAf(beregning, regional, meddelelser)), meddelelser) &&
               gemt;
    }
    return gemt;
}

// One project file of the report command: loaded, calculated at the log level asked for,
// its report or numbers written and its files saved.
void KoerRapportFor(const std::string& projekt, const RapportKommando& kommando, TProjekt p,
                    std::ostream& ud, Meddelelser& meddelelser, TRapportudfald& udfald)
{
    const auto ikkeBeregnet = [&] {
        udfald.status = kFejl;
        udfald.json.push_back({{"Fil", projekt}, {"Beregnet", false}});
    };
    if (!p.Hent(projekt, meddelelser))
    {
        ikkeBeregnet();
        return;
    }
    // Without a place to save it, a log would be made for nothing.
    const int logniveau = kommando.logniveau.value_or(kommando.logfil ? p.Inddata().Logfil : 0);
    static_cast<void>(p.SaetValg(Valg::RadioGroupLogfil, logniveau));
    if (kommando.logfil && p.Inddata().Logfil == 0)
    {
        meddelelser.advarsel("Projektet danner ingen logfil; vælg --log 1 eller --log 2");
    }
    const auto beregnet = p.Beregn(p.Inddata().Logfil, meddelelser);
    if (const auto* afvisning = std::get_if<TAfvisning>(&beregnet))
    {
        meddelelser.fejl(afvisning->besked);
        ikkeBeregnet();
        return;
    }
    const auto& beregning = std::get<TBeregningsresultat>(beregnet);
    if (!beregning.Anvendelig.Begge())
    {
        udfald.status = std::max(udfald.status, kKanIkkeAnvendes);
    }
    if (kommando.json)
    {
        auto resultat = BeregningSomJson(beregning);
        resultat["Fil"] = projekt;
        resultat["Beregnet"] = true;
        resultat["KanAnvendes"] = {{"Laegte", beregning.Anvendelig.Laegte},
                                   {"Soem", beregning.Anvendelig.Soem}};
        udfald.json.push_back(std::move(resultat));
    }
    else
    {
        std::string tekst = udfald.foersteRapport ? "" : "\n";
        for (const auto& linje : beregning.Resultatliste)
        {
            tekst += linje;
            tekst += '\n';
        }
        ud << tekst;
        udfald.foersteRapport = false;
    }
    if (!GemUdfil(kommando, projekt, beregning, p.Regional(), meddelelser))
    {
        udfald.status = kFejl;
    }
}

} // namespace

int KoerRapport(const RapportKommando& kommando, const Regionalindstillinger& regional,
                std::ostream& ud, std::ostream& fejl)
{
    Strommeddelelser meddelelser(fejl);
    const bool flere = kommando.projekter.size() > 1;
    if (flere &&
        ((kommando.ud && !ErMappe(kommando.ud)) || (kommando.pdf && !ErMappe(kommando.pdf)) ||
         (kommando.logfil && !ErMappe(kommando.logfil))))
    {
        meddelelser.fejl("Med flere projektfiler skal --ud, --pdf og --logfil være mapper");
        return kFejl;
    }
    const auto qt = kommando.pdf ? StartQt() : nullptr;
    const std::string firma = kommando.firma.value_or(GemtFirmanavn());
    const Ur ur = kommando.tidspunkt ? Ur([t = *kommando.tidspunkt] { return t; }) : Ur(LokalTidNu);
    TRapportudfald udfald;
    for (const auto& projekt : kommando.projekter)
    {
        meddelelser.kilde = flere ? projekt : std::string();
        KoerRapportFor(projekt, kommando, TProjekt(regional, firma, ur), ud, meddelelser, udfald);
    }
    if (kommando.json)
    {
        ud << (flere ? udfald.json : udfald.json.front()).dump(2) << '\n';
    }
    ud.flush();
    return udfald.status;
}

int KoerForslag(const ForslagKommando& kommando, const Regionalindstillinger& regional,
                std::ostream& ud, std::ostream& fejl)
{
    Strommeddelelser meddelelser(fejl);
    TProjekt projekt(regional, GemtFirmanavn());
    const auto ikkeBeregnet = [&](std::optional<std::string_view> afvisning) {
        if (kommando.json)
        {
            nlohmann::json json = {{"Fil", kommando.projekt},
                                   {"Beregnet", false},
                                   {"Forslag", nullptr},
                                   {"Kandidater", nlohmann::json::array()}};
            if (afvisning)
            {
                json["Afvisning"] = std::string(*afvisning);
            }
            ud << json.dump(2) << '\n';
            ud.flush();
        }
        return kFejl;
    };
    if (!projekt.Hent(kommando.projekt, meddelelser))
    {
        return ikkeBeregnet(std::nullopt);
    }
    const auto udfald = BeregnForslag(projekt);
    if (const auto* afvisning = std::get_if<TAfvisning>(&udfald))
    {
        meddelelser.fejl(afvisning->besked);
        return ikkeBeregnet(afvisning->besked);
    }
    const auto& forslag = std::get<TForslag>(udfald);
    const std::string tekst = ForslagTekst(udfald, regional);
    if (kommando.json)
    {
        auto json = ForslagSomJson(forslag);
        json["Fil"] = kommando.projekt;
        json["Beregnet"] = true;
        json["Tekst"] = tekst;
        ud << json.dump(2) << '\n';
    }
    else
    {
        ud << tekst << "\n\n" << Kandidattabel(forslag, regional);
    }
    ud.flush();
    return forslag.Bedste() != nullptr ? kKanAnvendes : kKanIkkeAnvendes;
}

} // namespace taglo::cli
