#include "cli/koersel.h"

#include "app/applikation.h"
#include "cli/resultatjson.h"
#include "core/support.h"
#include "core/tekst.h"
#include "report/logfil.h"
#include "report/resultatfil.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace taglo::cli
{
namespace
{
namespace fs = std::filesystem;

// The file dialogs of a run without a user: the log file's and the result's save
// dialogs answer with the paths given on the command line; every other dialog cancels.
class FasteDialoger final : public Dialoger
{
  public:
    std::optional<std::string> aabnFil(const FilDialog& /*dialog*/) override
    {
        return std::nullopt;
    }
    std::optional<std::string> gemFil(const FilDialog& dialog) override
    {
        if (dialog.titel == LogfilDialog().titel)
        {
            return logfil;
        }
        if (dialog.titel == ResultatDialog().titel)
        {
            return resultatfil;
        }
        return std::nullopt;
    }

    std::optional<std::string> logfil;
    std::optional<std::string> resultatfil;
};

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

} // namespace

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

int KoerRapport(const RapportKommando& kommando, const Regionalindstillinger& regional,
                std::ostream& ud, std::ostream& fejl)
{
    Strommeddelelser meddelelser(fejl);
    const bool flere = kommando.projekter.size() > 1;
    if (flere &&
        ((kommando.ud && !ErMappe(kommando.ud)) || (kommando.logfil && !ErMappe(kommando.logfil))))
    {
        meddelelser.fejl("Med flere projektfiler skal --ud og --logfil være mapper");
        return kFejl;
    }

    const std::string firma = kommando.firma.value_or(std::string(support::kFirmanavn));
    const Ur ur = kommando.tidspunkt ? Ur([t = *kommando.tidspunkt] { return t; }) : Ur(LokalTidNu);
    int status = kKanAnvendes;
    auto json = nlohmann::json::array();
    bool foersteRapport = true;

    for (const auto& projekt : kommando.projekter)
    {
        meddelelser.kilde = flere ? projekt : std::string();
        FasteDialoger dialoger;
        if (kommando.logfil)
        {
            dialoger.logfil = Udfil(*kommando.logfil, projekt, "log");
        }
        TApplikation app(meddelelser, dialoger, regional, firma, ur);
        if (!app.HentProjektdata(projekt))
        {
            status = kFejl;
            json.push_back({{"Fil", projekt}, {"Beregnet", false}});
            continue;
        }
        if (kommando.logniveau)
        {
            app.RadioGroupClick(Valg::RadioGroupLogfil, *kommando.logniveau);
        }
        else if (!kommando.logfil)
        {
            // Without a place to save it, a log would be written for nothing.
            app.RadioGroupClick(Valg::RadioGroupLogfil, 0);
        }
        if (kommando.logfil && app.Inddata().Logfil == 0)
        {
            meddelelser.advarsel("Projektet danner ingen logfil; vælg --log 1 eller --log 2");
        }

        // During the run, the only error dialog is the one of a log file that could not be saved.
        const int fejldialogerFoer = meddelelser.fejldialoger;
        if (!app.UdfoerBeregning())
        {
            status = kFejl;
            json.push_back({{"Fil", projekt}, {"Beregnet", false}});
            continue;
        }
        if (meddelelser.fejldialoger != fejldialogerFoer)
        {
            status = kFejl;
        }

        const auto& r = app.Resultatdata();
        const bool laegteOK = r.NormalfagOK && r.GavlfagOK && r.GavludkragningOK;
        const bool soemOK = r.NormalspaerSoemOK && r.GavlspaerSoemOK;
        if (!(laegteOK && soemOK))
        {
            status = std::max(status, kKanIkkeAnvendes);
        }

        if (kommando.json)
        {
            auto resultat = ResultatSomJson(app);
            resultat["Fil"] = projekt;
            resultat["Beregnet"] = true;
            resultat["KanAnvendes"] = {{"Laegte", laegteOK}, {"Soem", soemOK}};
            json.push_back(std::move(resultat));
        }
        else
        {
            std::string tekst = foersteRapport ? "" : "\n";
            for (const auto& linje : app.Resultatliste())
            {
                tekst += linje;
                tekst += '\n';
            }
            ud << tekst;
            foersteRapport = false;
        }
        if (kommando.ud &&
            !GemResultat(Udfil(*kommando.ud, projekt, "txt"), app.Resultatliste(), meddelelser))
        {
            status = kFejl;
        }
    }

    if (kommando.json)
    {
        ud << (flere ? json : json.front()).dump(2) << '\n';
    }
    ud.flush();
    return status;
}

} // namespace taglo::cli
