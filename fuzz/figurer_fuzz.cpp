// Fuzz target: the three figures, built from a project file and painted on paint boxes of
// several sizes, those without area included.
//
// The input is the content of the project file, loaded with the load command. The two
// check figures are drawn from whatever the inputs hold, checked or not, as their tabs
// draw them; the nail figure is drawn after the calculation run, when the inputs allow
// one. Each figure is painted with TegnTegning on a checking canvas (fuzzstoette.h).
// Neither figure may hold a text with a value that is not finite or grow without bound.
#include "fuzzstoette.h"

#include "app/projekt.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace
{

using namespace taglo;
using taglo::fuzz::Kraev;

// More points than a figure of a real roof has by far: the cross-section caps its battens
// at 1000 a slope, five points each.
constexpr std::size_t kFlestPunkter = 100'000;

void KontrollerTegning(const TTegning& tegning)
{
    std::size_t punkter = 0;
    for (const TTegnFigur& figur : tegning.Figurer)
    {
        punkter += figur.Punkter.size();
    }
    Kraev(punkter <= kFlestPunkter, "a figure with more points than any roof needs");
    for (const TTekstGruppe& gruppe : tegning.Tekster)
    {
        for (const TTegnTekst& tekst : gruppe.Tekster)
        {
            Kraev(!fuzz::HarIkkeEndeligtTal(tekst.Tekst),
                  "a figure text shows a value that is not finite", tekst.Tekst);
        }
    }
    fuzz::MalPaaAlleFlader(tegning);
}

void TegnProjekt(std::span<const std::uint8_t> fil)
{
    static fuzz::Hukommelsesfil hukommelsesfil;
    const std::string& sti = hukommelsesfil.Skriv(fil);

    fuzz::OptagneMeddelelser meddelelser;
    TProjekt projekt(Regionalindstillinger::Dansk(), "Fuzz ApS", fuzz::FastTidspunkt);
    Kraev(projekt.HentStandard(TAGLO_STANDARDMAPPE, meddelelser),
          "the default project file cannot be read");
    static_cast<void>(projekt.Hent(sti, meddelelser));

    const auto& regional = projekt.Regional();
    KontrollerTegning(TvaersnitAf(projekt.Inddata(), regional, meddelelser));
    KontrollerTegning(LaengdesnitAf(projekt.Inddata(), regional, meddelelser));
    const auto udfald = projekt.Beregn(0, meddelelser);
    if (const auto* beregning = std::get_if<TBeregningsresultat>(&udfald))
    {
        KontrollerTegning(beregning->NailTegning);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TegnProjekt(std::span<const std::uint8_t>(data, size));
    return 0;
}
