// The eight reference projects through the whole calculation run, as the program runs it:
// derived values, a new log, the engine, then the report with the log completion.
#include "report/rapport.h"

#include "core/tekstfil.h"
#include "engine/laegter.h"
#include "loads/afledte.h"
#include "midlertidig_mappe.h"
#include "optagne_dialoger.h"
#include "optagne_meddelelser.h"
#include "reference.h"
#include "referenceprojekt.h"

#include <gtest/gtest.h>

#include <string>

namespace taglo
{
namespace
{

// Runs a reference project as the calculation run does, with a log of its own
// level saved to `logfil`; returns the report lines.
Resultatliste KoerReferenceprojekt(const TInddata& inddata, const std::string& logfil,
                                   Meddelelser& meddelelser)
{
    const Regionalindstillinger regional = Regionalindstillinger::Dansk();

    TResultater resultater;
    NulstilResultater(resultater);
    TAfledte afledte = BeregnAfledte(inddata, meddelelser);
    TLogliste log(inddata.Logfil); // StartLog
    TBeregning beregning = BeregnLaegter(inddata, afledte, resultater, log, regional, meddelelser);

    Rapportomgivelser omgivelser;
    omgivelser.firmanavn = test::kReferenceFirma;
    omgivelser.regional = regional;
    omgivelser.ur = [] { return test::kReferenceTidspunkt; };
    omgivelser.supportEmail = test::kReferenceEmail;
    test::OptagneDialoger dialoger({logfil});
    return SkrivRapport(inddata, afledte, resultater, std::move(beregning), log, omgivelser,
                        dialoger, meddelelser);
}

class BeregnetReferenceprojekt : public ::testing::TestWithParam<int>
{};

TEST_P(BeregnetReferenceprojekt, RapportOgDetaljeretLogErReferencens)
{
    const test::MidlertidigMappe mappe;
    const TInddata inddata = test::LaesReferenceprojekt(GetParam()).inddata;
    test::OptagneMeddelelser meddelelser;
    const Resultatliste rapport =
        KoerReferenceprojekt(inddata, mappe.sti("projekt.log"), meddelelser);
    EXPECT_TRUE(meddelelser.liste.empty());

    // The reference .txt files of reports without the explanation stop before the
    // report's closing empty line; their .log files carry it.
    std::string forventetRapport = test::LaesHeleFilen(test::ReferenceSti(GetParam(), ".txt"));
    if (!inddata.ForklaringMed)
    {
        forventetRapport += "\r\n";
    }
    EXPECT_EQ(SammenfoejLinjer(rapport), forventetRapport);
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("projekt.log")),
              test::LaesHeleFilen(test::ReferenceSti(GetParam(), ".log")));
}

INSTANTIATE_TEST_SUITE_P(Projekter, BeregnetReferenceprojekt, ::testing::Range(1, 9),
                         [](const auto& info) { return "projekt0" + std::to_string(info.param); });

} // namespace
} // namespace taglo
