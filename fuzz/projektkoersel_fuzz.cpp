// Fuzz target: a project file loaded, then a complete calculation with its report, log,
// the printout's pages and the nail figure.
//
// The input is the content of the project file. The project starts from the default
// project file, loads the input from memory, and is calculated at the log level the file
// chooses; messages are recorded. A file that cannot be loaded gives exactly the load
// message and changes nothing; a loaded file gives only conversion messages and the nail
// warning. A refused run names the first failing check and shows nothing; a finished run
// gives a report and a log without a value that is not finite, the report's verdict, and
// finite results.
#include "fuzzstoette.h"

#include "app/projekt.h"
#include "app/udskrift.h"
#include "core/tekstfil.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
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
    TProjekt projekt(Regionalindstillinger::Dansk(), "Fuzz ApS", fuzz::FastTidspunkt);
    Kraev(projekt.HentStandard(TAGLO_STANDARDMAPPE, meddelelser),
          "the default project file cannot be read");
    meddelelser.liste.clear();
    const TInddatafelter foer = projekt.Felter();

    if (!projekt.Hent(sti, meddelelser))
    {
        Kraev(meddelelser.liste.size() == 1 && meddelelser.liste[0].art == "fejldialog" &&
                  meddelelser.liste[0].tekst.starts_with(kHentefejl),
              "a failed load without exactly the load message");
        Kraev(projekt.Felter() == foer, "a failed load changed the fields");
    }
    for (const auto& m : meddelelser.liste)
    {
        Kraev(m.art != "fejl", "loading showed an error box", m.tekst);
    }

    meddelelser.liste.clear();
    const auto udfald = projekt.Beregn(projekt.Inddata().Logfil, meddelelser);
    if (const auto* afvisning = std::get_if<TAfvisning>(&udfald))
    {
        Kraev(afvisning->felt == projekt.FoersteAfvisning()->felt,
              "a refused run names another field than the checks");
        Kraev(meddelelser.liste.empty(), "a refused run showed a message");
        return;
    }
    const auto& beregning = std::get<TBeregningsresultat>(udfald);
    Kraev(!beregning.Resultatliste.empty(), "a finished run without a report");
    Kraev(beregning.Anvendelig == Anvendelighed(beregning.Resultatdata),
          "the verdict is not the result record's");
    KontrollerResultater(beregning.Resultatdata);
    KontrollerLinjer(beregning.Inddata, beregning.Resultatliste);
    KontrollerLinjer(beregning.Inddata, beregning.Logliste.linjer());

    KontrollerUdskrift(beregning.Resultatliste);
    static_cast<void>(SammenfoejLinjer(beregning.Resultatliste));
    fuzz::MalPaaAlleFlader(beregning.NailTegning);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    KoerProjekt(std::span<const std::uint8_t>(data, size));
    return 0;
}
