#include "report/rapport.h"

#include "core/taltekst.h"
#include "core/tekstfil.h"
#include "eksempler.h"
#include "midlertidig_mappe.h"
#include "optagne_dialoger.h"
#include "optagne_meddelelser.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace taglo
{
namespace
{
using test::AltHolder;
using test::Garage;
using Linjer = std::vector<std::string>;

const std::string kStreg = StregLinie(70);

Rapportomgivelser FasteOmgivelser(int* aflaesninger = nullptr)
{
    Rapportomgivelser omgivelser;
    omgivelser.firmanavn = "Eksempel ApS";
    omgivelser.regional = Regionalindstillinger::Dansk();
    omgivelser.ur = [aflaesninger] {
        if (aflaesninger != nullptr)
        {
            ++*aflaesninger;
        }
        return Tidspunkt{2014, 5, 1, 13, 5, 9};
    };
    omgivelser.supportEmail = "support@example.invalid";
    return omgivelser;
}

// Working lists as the engine leaves them: two cases, ranked in every category.
TBeregning ToTilfaelde()
{
    TBeregning beregning;
    beregning.Tilfaeldeliste.resize(2);
    for (auto& rangliste : beregning.Rangliste)
    {
        rangliste = {{0, 1.0}, {1, 0.5}};
    }
    return beregning;
}

TAfledte Afledte()
{
    TAfledte afledte;
    afledte.KipHjd = 3.9;
    return afledte;
}

// SkrivRapport without a log.
Linjer RapportUdenLog(const TInddata& inddata,
                      const Rapportomgivelser& omgivelser = FasteOmgivelser())
{
    TLogliste log(0);
    test::OptagneDialoger dialoger;
    test::OptagneMeddelelser meddelelser;
    return SkrivRapport(inddata, Afledte(), AltHolder(), ToTilfaelde(), log, omgivelser, dialoger,
                        meddelelser);
}

std::ptrdiff_t Position(const Linjer& linjer, std::string_view linje)
{
    return std::find(linjer.begin(), linjer.end(), linje) - linjer.begin();
}

TEST(SkrivRapport, AfsnitteneIRaekkefoelge)
{
    const Linjer rapport = RapportUdenLog(Garage());
    // Header 9, RESULTAT 7, details 26, inputs 15, assumptions 14.
    ASSERT_EQ(rapport.size(), 71U);
    EXPECT_EQ(rapport[0], kStreg);
    EXPECT_EQ(rapport[1], "TAGLO  *  Dimensionering af taglægter og sømforbindelser");
    EXPECT_EQ(rapport[9], "RESULTAT");
    EXPECT_EQ(rapport[16], kStreg);
    EXPECT_EQ(rapport[17], "DETALJEREDE RESULTATER");
    EXPECT_EQ(rapport[42], kStreg);
    EXPECT_EQ(rapport[43], "PRIMÆRE FORUDSÆTNINGER");
    EXPECT_EQ(rapport[57], kStreg);
    EXPECT_EQ(rapport[58], "ANDRE FORUDSÆTNINGER");
}

TEST(SkrivRapport, UdenForklaringSlutterMedTomLinjeEfterSoemegenskaber)
{
    const Linjer rapport = RapportUdenLog(Garage());
    ASSERT_GE(rapport.size(), 2U);
    EXPECT_EQ(rapport.back(), "");
    EXPECT_EQ(rapport[rapport.size() - 2],
              "  Gennemtræksstyrke f_hk: 14,0 MPa       Hoveddiam:       11,0 mm");
    EXPECT_EQ(Position(rapport, "FORKLARING"), static_cast<std::ptrdiff_t>(rapport.size()));
}

TEST(SkrivRapport, ForklaringEfterAndreForudsaetninger)
{
    TInddata inddata = Garage();
    inddata.ForklaringMed = true;
    const Linjer med = RapportUdenLog(inddata);
    inddata.ForklaringMed = false;
    const Linjer uden = RapportUdenLog(inddata);

    ASSERT_GT(med.size(), uden.size());
    EXPECT_TRUE(std::equal(uden.begin(), uden.end(), med.begin()))
        << "the explanation only adds lines";
    const Linjer forklaring(med.begin() + static_cast<std::ptrdiff_t>(uden.size()), med.end());
    ASSERT_EQ(forklaring.size(), 70U);
    EXPECT_EQ(forklaring[0], kStreg);
    EXPECT_EQ(forklaring[1], "FORKLARING");
    EXPECT_EQ(forklaring[2], kStreg);
    EXPECT_EQ(forklaring[3], "DEFINITIONER");
    EXPECT_EQ(forklaring[4],
              "- Forankret gavlspær: Se fanebladet \"Hjælp, Længde\". Kan også være");
    EXPECT_EQ(forklaring[14], "RESULTAT");
    EXPECT_EQ(forklaring[31], "DETALJEREDE RESULTATER");
    EXPECT_EQ(forklaring[39],
              "OK angiver at ingen udnyttelsesgrader er over 100 %, eller at tilfældet");
    EXPECT_EQ(forklaring[50], "PRIMÆRE FORUDSÆTNINGER");
    EXPECT_EQ(forklaring[54], "ANDRE FORUDSÆTNINGER");
    EXPECT_EQ(forklaring[58], "TIP");
    EXPECT_EQ(forklaring[63], "Kan sømtypen ikke anvendes har man bl.a. følgende muligheder: ");
    EXPECT_EQ(forklaring.back(), "listetykkelsen og forøge undertagstykkelsen tilsvarende.");
    EXPECT_EQ(std::count(forklaring.begin(), forklaring.end(), ""), 5);
}

TEST(SkrivRapport, RegellinjerErSytiTankestreger)
{
    TInddata inddata = Garage();
    inddata.ForklaringMed = true;
    const Linjer rapport = RapportUdenLog(inddata);
    std::string sytiTankestreger;
    for (int i = 0; i < 70; ++i)
    {
        sytiTankestreger += "\u2014";
    }
    // Three in the header, one before each of the four sections, two around FORKLARING.
    EXPECT_EQ(std::count(rapport.begin(), rapport.end(), sytiTankestreger), 8);
    EXPECT_EQ(std::count_if(rapport.begin(), rapport.end(),
                            [](const std::string& l) { return l.starts_with("\u2014"); }),
              8);
}

TEST(SkrivRapport, TidspunktetAflaesesEnGangFraUret)
{
    int aflaesninger = 0;
    const Linjer rapport = RapportUdenLog(Garage(), FasteOmgivelser(&aflaesninger));
    EXPECT_EQ(aflaesninger, 1);
    EXPECT_EQ(rapport[7], "Beregnet:          2014-05-01,13:05:09 af Mette");
    EXPECT_EQ(rapport[4], "Firma:             Eksempel ApS");
}

TEST(SkrivRapport, FrigiverMotorensArbejdslister)
{
    TLogliste log(0);
    test::OptagneDialoger dialoger;
    test::OptagneMeddelelser meddelelser;
    TBeregning beregning = ToTilfaelde();
    const Linjer rapport = SkrivRapport(Garage(), Afledte(), AltHolder(), std::move(beregning), log,
                                        FasteOmgivelser(), dialoger, meddelelser);
    EXPECT_FALSE(rapport.empty());
    // The report released the engine's working lists it was handed.
    // NOLINTNEXTLINE(bugprone-use-after-move)
    EXPECT_TRUE(beregning.Tilfaeldeliste.empty());
    for (const auto& rangliste : beregning.Rangliste)
    {
        EXPECT_TRUE(rangliste.empty());
    }
}

TEST(SkrivRapport, UdenLogIngenDialog)
{
    TLogliste log(0);
    test::OptagneDialoger dialoger({std::string("/tmp/skal-ikke-bruges.log")});
    test::OptagneMeddelelser meddelelser;
    const Linjer rapport = SkrivRapport(Garage(), Afledte(), AltHolder(), TBeregning{}, log,
                                        FasteOmgivelser(), dialoger, meddelelser);
    EXPECT_TRUE(dialoger.viste().empty());
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(rapport.size(), 71U);
}

TEST(SkrivRapport, LogfilenBegynderMedRapportenSaaTomLinjeOgDetaljer)
{
    const test::MidlertidigMappe mappe;
    TInddata inddata = Garage();
    inddata.ForklaringMed = true;
    inddata.Logfil = 1;
    TLogliste log(inddata.Logfil);
    log.LogLinie(StregLinie(90));
    log.LogLinie("Lastkombination 3: K_FI(1,0 g + 1,5 s) => kmod =  0,90");
    test::OptagneDialoger dialoger({mappe.sti("garage.log")});
    test::OptagneMeddelelser meddelelser;
    const Linjer rapport = SkrivRapport(inddata, Afledte(), AltHolder(), TBeregning{}, log,
                                        FasteOmgivelser(), dialoger, meddelelser);

    ASSERT_EQ(dialoger.viste().size(), 1U);
    EXPECT_EQ(dialoger.viste()[0].dialog.titel, "Gem logfil");
    EXPECT_TRUE(meddelelser.liste.empty());
    const Linjer fil = DelLinjer(test::LaesHeleFilen(mappe.sti("garage.log")));
    const std::size_t n = rapport.size();
    ASSERT_EQ(fil.size(), n + 4);
    EXPECT_EQ(Linjer(fil.begin(), fil.begin() + static_cast<std::ptrdiff_t>(n)), rapport);
    EXPECT_EQ(fil[n], "");
    EXPECT_EQ(fil[n + 1], "DETALJER");
    EXPECT_EQ(fil[n + 2], StregLinie(90));
    EXPECT_EQ(fil[n + 3], "Lastkombination 3: K_FI(1,0 g + 1,5 s) => kmod =  0,90");
    EXPECT_EQ(log.linjer(), fil) << "the log stays in memory as saved";
}

TEST(SkrivRapport, AnnulleretLogfilGiverRapportenSomSaedvanlig)
{
    TInddata inddata = Garage();
    inddata.Logfil = 2;
    TLogliste log(inddata.Logfil);
    test::OptagneDialoger dialoger({std::nullopt});
    test::OptagneMeddelelser meddelelser;
    const Linjer rapport = SkrivRapport(inddata, Afledte(), AltHolder(), TBeregning{}, log,
                                        FasteOmgivelser(), dialoger, meddelelser);
    EXPECT_EQ(rapport, RapportUdenLog(Garage()));
    EXPECT_EQ(dialoger.viste().size(), 1U);
    EXPECT_TRUE(meddelelser.liste.empty());
}

} // namespace
} // namespace taglo
