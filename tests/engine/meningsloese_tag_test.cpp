// Roofs that the input checks reject but that a project file or the window can still
// hand the engine: the run completes, its numbers stay finite, its verdicts agree with
// their own numbers, and the parts without meaning are not OK.
#include "eksempeltag.h"

#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace taglo
{
namespace
{
using test::PrintTo;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUendelig = std::numeric_limits<double>::infinity();

struct Meningsloes
{
    const char* navn;
    std::function<void(TInddata&)> aendring;
    bool normalfag;  // whether the normal section may still be judged
    bool gavl;       // whether the gable section and overhang may still be judged
    bool normalsoem; // whether the normal rafter connection may still be judged
    bool gavlsoem;   // whether the gable rafter connection may still be judged
};

class MeningsloestTag : public ::testing::TestWithParam<Meningsloes>
{};

// Counts within their bounds and verdicts that agree with their own numbers.
void ForventDommeSomTallene(const TResultater& r)
{
    EXPECT_GE(r.SoemPlads, 0);
    EXPECT_GE(r.SoemantalNormalspaer, 1);
    EXPECT_GE(r.SoemantalGavlspaer, 1);
    EXPECT_EQ(r.SoemtypeOK, r.NormalspaerSoemOK && r.GavlspaerSoemOK);
    EXPECT_FALSE(r.NormalspaerSoemOK && r.SoemantalNormalspaer > r.SoemPlads);
    EXPECT_FALSE(r.GavlspaerSoemOK && r.SoemantalGavlspaer > r.SoemPlads);
    EXPECT_FALSE(r.NormalfagOK && !r.NormalfagTabel2005 && r.UdnNormalfag >= 1.005);
    EXPECT_FALSE(r.GavludkragningOK && r.UdnGavludkragning >= 1.005);
}

// Faults of a result whatever the roof: numbers that are not finite, counts out of their
// bounds, verdicts that contradict their own numbers.
void ForventSammenhaengendeResultat(const test::Beregnet& b)
{
    const TResultater& r = b.resultater;
    EXPECT_EQ(b.beregning.Tilfaeldeliste.size(), 22U);
    for (const double v :
         {r.UdnNormalfag, r.UdnNormalfagPkt, r.UdnGavlfag, r.UdnGavlfagPkt, r.UdnGavludkragning,
          r.TraekNormalspaer, r.TraekGavlspaer, r.SoemBaereevne})
    {
        EXPECT_TRUE(std::isfinite(v));
    }
    ForventDommeSomTallene(r);
}

TEST_P(MeningsloestTag, GiverEndeligeTalOgDommeEfterMeningen)
{
    // The example roof passes everywhere, so every verdict that may still be judged is OK
    // and every other is not; the table of 2005 never covers a section without meaning.
    // The run writes its whole log, so the numbers are formatted too.
    const Meningsloes& c = GetParam();
    TInddata ind = test::Eksempeltag();
    c.aendring(ind);
    const test::Beregnet b(ind, 2);
    ForventSammenhaengendeResultat(b);
    const TResultater& r = b.resultater;
    EXPECT_EQ(r.NormalfagOK, c.normalfag);
    EXPECT_EQ(r.GavlfagOK, c.gavl);
    EXPECT_EQ(r.GavludkragningOK, c.gavl);
    EXPECT_EQ(r.NormalspaerSoemOK, c.normalsoem);
    EXPECT_EQ(r.GavlspaerSoemOK, c.gavlsoem);
    EXPECT_FALSE(!c.normalfag && r.NormalfagTabel2005);
    EXPECT_FALSE(!c.gavl && r.GavlfagTabel2005);
}

INSTANTIATE_TEST_SUITE_P(
    Input, MeningsloestTag,
    ::testing::Values(
        Meningsloes{"EksempeltagetErHeltOK", [](TInddata&) {}, true, true, true, true},
        Meningsloes{"GavlspaerafstandNul", [](TInddata& i) { i.GavlspaerAfst = 0.0; }, true, false,
                    false, false},
        Meningsloes{"GavlspaenNegativtMedIndrykning",
                    [](TInddata& i) {
                        i.GavlspaerAfst = 0.2;
                        i.GavlspaerIndrykn = -0.3;
                    },
                    true, false, false, false},
        Meningsloes{"NormalspaerafstandNegativ", [](TInddata& i) { i.NormalSpaerAfst = -0.8; },
                    false, true, false, true},
        Meningsloes{"LaegtehoejdeNul", [](TInddata& i) { i.LegteHojde = 0.0; }, false, false, false,
                    false},
        Meningsloes{"LaegtebreddeNegativ", [](TInddata& i) { i.LegteBredde = -73.0; }, false, false,
                    false, false},
        Meningsloes{"LaegteafstandNul", [](TInddata& i) { i.LegteAfst = 0.0; }, false, false, false,
                    false},
        Meningsloes{"LaegteafstandMindreEndNogetTal", [](TInddata& i) { i.LegteAfst = 5e-324; },
                    false, false, false, false},
        Meningsloes{"HusbreddeNul", [](TInddata& i) { i.HusBr = 0.0; }, false, false, false, false},
        Meningsloes{"HuslaengdeNegativ", [](TInddata& i) { i.HusLn = -20.0; }, false, false, false,
                    false},
        Meningsloes{"KiphoejdeUnderTerraen", [](TInddata& i) { i.FacHjd = -6.0; }, false, false,
                    false, false},
        Meningsloes{"UkendtStyrkeklasseGiverSvagesteTrae", [](TInddata& i) { i.StyrkeKlasse = 7; },
                    true, true, true, true},
        Meningsloes{"IkkeEtTalIGeometrien", [](TInddata& i) { i.GavlUdh = kNaN; }, false, false,
                    false, false},
        Meningsloes{"IkkeEtTalITagvaegten", [](TInddata& i) { i.TagTyng = kNaN; }, false, false,
                    false, false},
        Meningsloes{"UendeligTaghaeldning", [](TInddata& i) { i.TagVink = kUendelig; }, false,
                    false, false, false},
        Meningsloes{"UendeligHuslaengde", [](TInddata& i) { i.HusLn = kUendelig; }, false, false,
                    false, false}));

// Values no one types but that stay finite: the run still holds together, whatever it
// concludes.
struct Yderlig
{
    const char* navn;
    std::function<void(TInddata&)> aendring;
};

class YderligtTag : public ::testing::TestWithParam<Yderlig>
{};

TEST_P(YderligtTag, ResultatetHaengerSammen)
{
    TInddata ind = test::Eksempeltag();
    GetParam().aendring(ind);
    ForventSammenhaengendeResultat(test::Beregnet(ind, 2));
}

INSTANTIATE_TEST_SUITE_P(
    Input, YderligtTag,
    ::testing::Values(
        Yderlig{"KaempeHus", [](TInddata& i) { i.HusLn = i.HusBr = 1e300; }},
        Yderlig{"KaempeLaegte", [](TInddata& i) { i.LegteHojde = i.LegteBredde = 1e12; }},
        Yderlig{"StoersteTalSomSnelast",
                [](TInddata& i) { i.SneFormFak = std::numeric_limits<double>::max(); }},
        Yderlig{"TaghaeldningOver90Grader", [](TInddata& i) { i.TagVink = 95.0; }},
        Yderlig{"NegativTaghaeldning", [](TInddata& i) { i.TagVink = -10.0; }},
        Yderlig{"SoemUdenForKataloget", [](TInddata& i) { VaelgSoem(i, 12); }},
        Yderlig{"NegativtSoemindeks", [](TInddata& i) { VaelgSoem(i, -2); }},
        Yderlig{"UkendteKlasserOgTerraen",
                [](TInddata& i) {
                    i.TerrKat = -1;
                    i.Sikkl = -1;
                    i.StyrkeKlasse = -1;
                }},
        Yderlig{"NegativAfstandTilVesterhavet", [](TInddata& i) { i.AfstVesterhav = -5.0; }}));

TEST(Meddelelser, VisesEnGangPrKoersel)
{
    TInddata ind = test::Eksempeltag();
    ind.HusBr = 0.0;
    const test::Beregnet b(ind);
    // The wind functions check their arguments on every call; the user sees the fault once.
    int antal = 0;
    for (const auto& m : b.meddelelser.liste)
    {
        if (m.tekst ==
            "procedure VindlastOmraade09: Ugyldig huskropbredde: 0.00. Skal være større end 0.")
        {
            ++antal;
            EXPECT_EQ(m.art, "fejl");
        }
    }
    EXPECT_EQ(antal, 1);
}

} // namespace
} // namespace taglo
