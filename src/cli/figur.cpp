#include "cli/figur.h"

#include "app/projekt.h"
#include "cli/koersel.h"
#include "core/support.h"
#include "core/tekstfil.h"
#include "drawing/tegning_json.h"
#include "qtcanvas/eksport.h"
#include "qtcanvas/indstillinger.h"

#include <QGuiApplication>

#include <filesystem>
#include <variant>

namespace taglo::cli
{
namespace
{
namespace fs = std::filesystem;
} // namespace

int KoerFigur(const FigurKommando& kommando, const Regionalindstillinger& regional,
              std::ostream& fejl)
{
    Strommeddelelser meddelelser(fejl);
    TProjekt projekt(regional, GemtFirmanavn());
    if (!projekt.Hent(kommando.projekt, meddelelser))
    {
        return kFejl;
    }
    TTegning tegning;
    switch (kommando.figur)
    {
    case Figur::Tvaersnit:
        tegning = TvaersnitAf(projekt.Inddata(), regional, meddelelser);
        break;
    case Figur::Laengdesnit:
        tegning = LaengdesnitAf(projekt.Inddata(), regional, meddelelser);
        break;
    case Figur::Soemforbindelse:
    {
        // The nail connection is a figure of the calculation, refused as in the window
        // while an input fails its check.
        auto udfald = projekt.Beregn(0, meddelelser);
        if (const auto* afvisning = std::get_if<TAfvisning>(&udfald))
        {
            meddelelser.fejl(afvisning->besked);
            return kFejl;
        }
        tegning = std::move(std::get<TBeregningsresultat>(udfald).NailTegning);
        break;
    }
    }

    const fs::path ud(kommando.ud);
    if (ud.extension() == ".json")
    {
        if (GemFil(kommando.ud, TegningSomJson(tegning) + "\n"))
        {
            meddelelser.fejl("Kan ikke gemme figuren som " + kommando.ud);
            return kFejl;
        }
        return kKanAnvendes;
    }
    const auto format = BilledformatAfFilnavn(ud);
    if (!format)
    {
        meddelelser.fejl("Figurens fil skal ende på .svg, .png eller .json: " + kommando.ud);
        return kFejl;
    }
    const auto qt = StartQt();
    return EksporterTegning(tegning, ud, *format, kommando.bredde, kommando.hoejde, meddelelser)
               ? kKanAnvendes
               : kFejl;
}

} // namespace taglo::cli
