// The report and the log of the eight reference projects, written from their recorded
// inputs and results, against the report and log files computed independently.
#include "report/logfil.h"
#include "report/rapport.h"
#include "report/resultatfil.h"

#include "core/tekstfil.h"
#include "midlertidig_mappe.h"
#include "optagne_dialoger.h"
#include "optagne_meddelelser.h"
#include "reference.h"
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

Rapportomgivelser ReferenceOmgivelser()
{
    Rapportomgivelser omgivelser;
    omgivelser.firmanavn = test::kReferenceFirma;
    omgivelser.regional = Regionalindstillinger::Dansk();
    omgivelser.ur = [] { return test::kReferenceTidspunkt; };
    omgivelser.supportEmail = test::kReferenceEmail;
    return omgivelser;
}

// The report of a reference project written from its recorded results, without a log.
Linjer ReferenceRapport(const test::Referenceprojekt& projekt)
{
    TLogliste ingenLog(0);
    test::OptagneDialoger dialoger;
    test::OptagneMeddelelser meddelelser;
    return SkrivRapport(projekt.inddata, projekt.afledte, projekt.resultater, TBeregning{},
                        ingenLog, ReferenceOmgivelser(), dialoger, meddelelser);
}

// The lines of the reference log after "DETALJER": what the engine wrote.
Linjer MotorlinjerFraReferencelog(int nummer)
{
    const Linjer log = DelLinjer(test::LaesHeleFilen(test::ReferenceSti(nummer, ".log")));
    const auto detaljer = std::find(log.begin(), log.end(), "DETALJER");
    return detaljer == log.end() ? Linjer{} : Linjer(detaljer + 1, log.end());
}

class Referenceprojekt : public ::testing::TestWithParam<int>
{};

TEST_P(Referenceprojekt, RapportenStaarForrestILogfilen)
{
    const auto projekt = test::LaesReferenceprojekt(GetParam());
    const Linjer rapport = ReferenceRapport(projekt);
    const Linjer log = DelLinjer(test::LaesHeleFilen(test::ReferenceSti(GetParam(), ".log")));
    ASSERT_GE(log.size(), rapport.size() + 2);
    for (std::size_t i = 0; i < rapport.size(); ++i)
    {
        EXPECT_EQ(rapport[i], log[i]) << "report line " << i + 1;
    }
    EXPECT_EQ(log[rapport.size()], "");
    EXPECT_EQ(log[rapport.size() + 1], "DETALJER");
}

TEST_P(Referenceprojekt, GemtResultatErReferencensTekstfil)
{
    const auto projekt = test::LaesReferenceprojekt(GetParam());
    const test::MidlertidigMappe mappe;
    test::OptagneMeddelelser meddelelser;
    ASSERT_TRUE(GemResultat(mappe.sti("r.txt"), ReferenceRapport(projekt), meddelelser));

    std::string forventet = test::LaesHeleFilen(test::ReferenceSti(GetParam(), ".txt"));
    ASSERT_FALSE(forventet.empty());
    if (!projekt.inddata.ForklaringMed)
    {
        // A report without the explanation ends with an empty line, and the saved file
        // holds one line per report line. The reference .txt files of these projects stop
        // before that last empty line, while their .log files carry it ("DETALJER" at
        // line n + 2 of the log there too), so the file saved here has one CR LF more.
        forventet += "\r\n";
    }
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("r.txt")), forventet);
}

TEST_P(Referenceprojekt, DetaljeretLogfilErReferencensLogfil)
{
    const auto projekt = test::LaesReferenceprojekt(GetParam());
    ASSERT_EQ(projekt.inddata.Logfil, 2);
    const test::MidlertidigMappe mappe;
    TLogliste log(projekt.inddata.Logfil);
    for (const auto& linje : MotorlinjerFraReferencelog(GetParam()))
    {
        log.LogLinie(linje);
    }
    ASSERT_FALSE(log.linjer().empty());
    test::OptagneDialoger dialoger({mappe.sti("projekt.log")});
    test::OptagneMeddelelser meddelelser;
    FuldfoerLog(ReferenceRapport(projekt), log, dialoger, meddelelser);

    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("projekt.log")),
              test::LaesHeleFilen(test::ReferenceSti(GetParam(), ".log")));
}

INSTANTIATE_TEST_SUITE_P(Projekter, Referenceprojekt, ::testing::Range(1, 9),
                         [](const auto& info) { return "projekt0" + std::to_string(info.param); });

} // namespace
} // namespace taglo
