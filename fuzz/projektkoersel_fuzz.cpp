// Fuzz target: a project file loaded with the load command, then a complete calculation
// run with its report, the printout's pages and the nail figure.
//
// The input is the content of the project file. The application starts from the default
// project file, loads the input from memory, and runs the calculation as the result tab
// does. Dialogs are always cancelled (no log file is saved), messages are recorded.
// A file that cannot be loaded gives exactly the load message and changes nothing; a
// loaded file gives only conversion messages and the nail warning. A refused run gives
// one error message and no report; a finished run gives a report without a value that
// is not finite, the same report in the result memo, and finite results.
#include "fuzzstoette.h"

#include "app/applikation.h"
#include "app/udskrift.h"
#include "core/tekstfil.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace
{

using namespace taglo;
using taglo::fuzz::Kraev;

constexpr std::string_view kHentefejl = "Uventet fejl: Programmet kan ikke hente inddata fra ";

// Page measures of the printout: an A4 page at 600 dpi, and a small page 20 characters
// wide on which most lines wrap.
constexpr std::array<TSidemaal, 2> kSider{{
    {6600, 4800, 50, 83},
    {1000, 1000, 50, 83},
}};

void KontrollerEndelig(double vaerdi, std::string_view navn)
{
    Kraev(std::isfinite(vaerdi), "a result that is not finite", navn);
}

void KontrollerKapacitet(const std::optional<TSoemKapacitet>& kapacitet, std::string_view navn)
{
    if (!kapacitet)
    {
        return;
    }
    for (const double v :
         {kapacitet->Fra1, kapacitet->Til1, kapacitet->Fra2, kapacitet->Til2, kapacitet->Lef,
          kapacitet->FaxPrMm, kapacitet->Fhead, kapacitet->Fax, kapacitet->Fd})
    {
        KontrollerEndelig(v, navn);
    }
}

void KontrollerResultater(const TResultater& r)
{
    KontrollerEndelig(r.UdnNormalfag, "UdnNormalfag");
    KontrollerEndelig(r.UdnNormalfagPkt, "UdnNormalfagPkt");
    KontrollerEndelig(r.UdnGavlfag, "UdnGavlfag");
    KontrollerEndelig(r.UdnGavlfagPkt, "UdnGavlfagPkt");
    KontrollerEndelig(r.UdnGavludkragning, "UdnGavludkragning");
    KontrollerEndelig(r.TraekNormalspaer, "TraekNormalspaer");
    KontrollerEndelig(r.TraekGavlspaer, "TraekGavlspaer");
    KontrollerEndelig(r.SoemBaereevne, "SoemBaereevne");
    KontrollerKapacitet(r.SoemDirekte, "SoemDirekte");
    KontrollerKapacitet(r.SoemAflisteSpaer, "SoemAflisteSpaer");
    KontrollerKapacitet(r.SoemLaegteAfliste, "SoemLaegteAfliste");
}

// The report and the log show no value that is not finite. The three texts of the
// project identification are the user's own and may spell anything, so an input whose
// texts hold "NAN" or "INF" is not judged on its lines.
void KontrollerLinjer(const TInddata& inddata, const std::vector<std::string>& linjer)
{
    if (fuzz::HarIkkeEndeligtTal(inddata.Projektnavn.str()) ||
        fuzz::HarIkkeEndeligtTal(inddata.Bygningsdel.str()) ||
        fuzz::HarIkkeEndeligtTal(inddata.Medarb.str()))
    {
        return;
    }
    for (const std::string& linje : linjer)
    {
        Kraev(!fuzz::HarIkkeEndeligtTal(linje), "a report line shows a value that is not finite",
              linje);
    }
}

void KontrollerUdskrift(const std::vector<std::string>& rapport)
{
    for (const TSidemaal& side : kSider)
    {
        const auto sider = OpdelISider(rapport, side);
        Kraev(!sider.empty(), "a report printed on no page");
        for (const auto& s : sider)
        {
            Kraev(!s.linjer.empty(), "an empty printed page");
        }
    }
}

void KoerProjekt(std::span<const std::uint8_t> fil)
{
    static fuzz::Hukommelsesfil hukommelsesfil;
    const std::string& sti = hukommelsesfil.Skriv(fil);

    fuzz::OptagneMeddelelser meddelelser;
    fuzz::AnnullerendeDialoger dialoger;
    TApplikation app(meddelelser, dialoger, Regionalindstillinger::Dansk(), "Fuzz ApS",
                     fuzz::FastTidspunkt);
    Kraev(app.Init(TAGLO_STANDARDMAPPE), "the default project file cannot be read");
    meddelelser.liste.clear();
    const TVindue foer = app.Vindue();

    if (!app.HentProjektdata(sti))
    {
        Kraev(meddelelser.liste.size() == 1 && meddelelser.liste[0].art == "fejldialog" &&
                  meddelelser.liste[0].tekst.starts_with(kHentefejl),
              "a failed load without exactly the load message");
        Kraev(app.Vindue() == foer, "a failed load changed the window");
    }
    for (const auto& m : meddelelser.liste)
    {
        Kraev(m.art != "fejl", "loading showed an error box", m.tekst);
    }

    meddelelser.liste.clear();
    if (!app.UdfoerBeregning())
    {
        Kraev(meddelelser.liste.size() == 1 && meddelelser.liste[0].art == "fejl",
              "a refused run without exactly one error message");
        Kraev(app.Resultatliste().empty(), "a refused first run left a report");
        Kraev(app.Vindue().Fokus.has_value(), "a refused run did not take the focus back");
        return;
    }
    Kraev(!app.Resultatliste().empty(), "a finished run without a report");
    Kraev(app.Vindue().Resultat == app.Resultatliste(), "the result memo is not the report");
    KontrollerResultater(app.Resultatdata());
    KontrollerLinjer(app.Inddata(), app.Resultatliste());
    KontrollerLinjer(app.Inddata(), app.Logliste().linjer());

    const std::size_t meddelelserEfterKoersel = meddelelser.liste.size();
    Kraev(app.UdfoerBeregning(), "a kept result was refused");
    Kraev(meddelelser.liste.size() == meddelelserEfterKoersel, "a kept result ran again");

    KontrollerUdskrift(app.Resultatliste());
    static_cast<void>(SammenfoejLinjer(app.Resultatliste()));

    const TTegning* soemtegning = app.OptegnNail();
    Kraev(soemtegning != nullptr, "no nail figure after a finished run");
    fuzz::MalPaaAlleFlader(*soemtegning);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    KoerProjekt(std::span<const std::uint8_t>(data, size));
    return 0;
}
