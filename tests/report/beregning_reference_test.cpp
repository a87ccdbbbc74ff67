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

class BeregnetReferenceprojekt : public ::testing::TestWithParam<int>
{
protected:
    // Runs the project with a log of its own level, saved to projekt.log in `mappe`;
    // keeps its inputs and returns the report lines.
    Resultatliste Koer(const test::MidlertidigMappe& mappe)
    {
        inddata = test::LaesReferenceprojekt(GetParam()).inddata;
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
        test::OptagneDialoger dialoger({mappe.sti("projekt.log")});
        return SkrivRapport(inddata, afledte, resultater, std::move(beregning), log, omgivelser, dialoger,
                            meddelelser);
    }

    TInddata inddata;
    test::OptagneMeddelelser meddelelser;
};

TEST_P(BeregnetReferenceprojekt, RapportOgDetaljeretLogErReferencens)
{
    const test::MidlertidigMappe mappe;
    const Resultatliste rapport = Koer(mappe);
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
