// The report, the saved result file and the log of the eight reference projects, against
// the report and log files computed independently: once written from their recorded
// results, once through the whole calculation run as the program runs it.
#include "report/logfil.h"
#include "report/rapport.h"
#include "report/resultatfil.h"

#include "core/tekstfil.h"
#include "engine/laegter.h"
#include "loads/afledte.h"
#include "midlertidig_mappe.h"
#include "optagne_dialoger.h"
#include "optagne_meddelelser.h"
#include "referenceprojekt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace taglo
{
namespace
{
using Linjer = std::vector<std::string>;

// The reference .txt file as the program saves the report. A report without the
// explanation ends with an empty line, and the saved file holds one line per report line;
// the reference .txt files of those projects stop before that last empty line while their
// .log files carry it ("DETALJER" at line n + 2 there too), so one CR LF is added.
std::string ForventetResultatfil(int nummer, const TInddata& inddata)
{
    const std::string txt = test::LaesHeleFilen(test::ReferenceSti(nummer, ".txt"));
    return inddata.ForklaringMed ? txt : txt + "\r\n";
}

class Referenceprojekt : public ::testing::TestWithParam<int>
{};

TEST_P(Referenceprojekt, RapportResultatfilOgDetaljeretLogFraDeGemteResultater)
{
    const int nr = GetParam();
    const auto projekt = test::LaesReferenceprojekt(nr);
    ASSERT_EQ(projekt.inddata.Logfil, 2);
    const test::MidlertidigMappe mappe;
    test::OptagneMeddelelser meddelelser;

    TLogliste ingenLog(0);
    test::OptagneDialoger ingenDialog;
    const Linjer rapport =
        SkrivRapport(projekt.inddata, projekt.afledte, projekt.resultater, TBeregning{}, ingenLog,
                     test::ReferenceOmgivelser(), ingenDialog, meddelelser);
    ASSERT_TRUE(GemResultat(mappe.sti("r.txt"), rapport, meddelelser));
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("r.txt")), ForventetResultatfil(nr, projekt.inddata));

    // The log: the engine's lines of the reference log (after "DETALJER") completed with
    // the report.
    const std::string referencelog = test::LaesHeleFilen(test::ReferenceSti(nr, ".log"));
    const Linjer linjer = DelLinjer(referencelog);
    const auto detaljer = std::find(linjer.begin(), linjer.end(), "DETALJER");
    ASSERT_NE(detaljer, linjer.end());
    TLogliste log(projekt.inddata.Logfil);
    std::for_each(detaljer + 1, linjer.end(), [&](const std::string& l) { log.LogLinie(l); });
    test::OptagneDialoger dialoger({mappe.sti("projekt.log")});
    FuldfoerLog(rapport, log, dialoger, meddelelser);
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("projekt.log")), referencelog);
    EXPECT_TRUE(meddelelser.liste.empty());
}

TEST_P(Referenceprojekt, HeleBeregningenGiverReferencensRapportOgLog)
{
    const int nr = GetParam();
    const TInddata inddata = test::LaesReferenceprojekt(nr).inddata;
    const test::MidlertidigMappe mappe;
    test::OptagneMeddelelser meddelelser;
    const auto omgivelser = test::ReferenceOmgivelser();

    TResultater resultater;
    NulstilResultater(resultater);
    TAfledte afledte = BeregnAfledte(inddata, meddelelser);
    TLogliste log(inddata.Logfil);
    TBeregning beregning =
        BeregnLaegter(inddata, afledte, resultater, log, omgivelser.regional, meddelelser);
    test::OptagneDialoger dialoger({mappe.sti("projekt.log")});
    const Linjer rapport = SkrivRapport(inddata, afledte, resultater, std::move(beregning), log,
                                        omgivelser, dialoger, meddelelser);

    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(SammenfoejLinjer(rapport), ForventetResultatfil(nr, inddata));
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("projekt.log")),
              test::LaesHeleFilen(test::ReferenceSti(nr, ".log")));
}

INSTANTIATE_TEST_SUITE_P(Projekter, Referenceprojekt, ::testing::Range(1, 9),
                         [](const auto& info) { return "projekt0" + std::to_string(info.param); });

} // namespace
} // namespace taglo
