// Roofs that the input checks reject but that a project file or the window can still
// hand the engine: the run completes, its numbers stay finite, and the parts without
// meaning are not OK.
#include "eksempeltag.h"

#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace taglo
{
namespace
{
using test::PrintTo;

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

void ForventEndeligeTal(const TResultater& r)
{
    for (const double v :
         {r.UdnNormalfag, r.UdnNormalfagPkt, r.UdnGavlfag, r.UdnGavlfagPkt, r.UdnGavludkragning,
          r.TraekNormalspaer, r.TraekGavlspaer, r.SoemBaereevne})
    {
        EXPECT_TRUE(std::isfinite(v));
    }
}

TEST_P(MeningsloestTag, GiverEndeligeTal)
{
    TInddata ind = test::Eksempeltag();
    GetParam().aendring(ind);
    const test::Beregnet b(ind);
    EXPECT_EQ(b.beregning.Tilfaeldeliste.size(), 22U);
    ForventEndeligeTal(b.resultater);
}

TEST_P(MeningsloestTag, DommeneFoelgerMeningen)
{
    // The example roof passes everywhere, so every verdict that may still be judged is OK
    // and every other is not.
    const Meningsloes& c = GetParam();
    TInddata ind = test::Eksempeltag();
    c.aendring(ind);
    const test::Beregnet b(ind);
    const TResultater& r = b.resultater;
    EXPECT_EQ(r.NormalfagOK, c.normalfag);
    EXPECT_EQ(r.GavlfagOK, c.gavl);
    EXPECT_EQ(r.GavludkragningOK, c.gavl);
    EXPECT_EQ(r.NormalspaerSoemOK, c.normalsoem);
    EXPECT_EQ(r.GavlspaerSoemOK, c.gavlsoem);
    EXPECT_EQ(r.SoemtypeOK, c.normalsoem && c.gavlsoem);
}

TEST_P(MeningsloestTag, TabellenDaekkerIkkeEtFagUdenMening)
{
    const Meningsloes& c = GetParam();
    TInddata ind = test::Eksempeltag();
    c.aendring(ind);
    const test::Beregnet b(ind);
    if (!c.normalfag)
    {
        EXPECT_FALSE(b.resultater.NormalfagTabel2005);
    }
    if (!c.gavl)
    {
        EXPECT_FALSE(b.resultater.GavlfagTabel2005);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Input, MeningsloestTag,
    ::testing::Values(
        Meningsloes{"EksempeltagetErHeltOK", [](TInddata&) {}, true, true, true, true},
        Meningsloes{"GavlspaerafstandNul", [](TInddata& i) { i.GavlspaerAfst = 0.0; }, true, false,
                    false, false},
        Meningsloes{"GavlspaerafstandNegativ", [](TInddata& i) { i.GavlspaerAfst = -0.4; }, true,
                    false, false, false},
        Meningsloes{"GavlspaenNegativtMedIndrykning",
                    [](TInddata& i) {
                        i.GavlspaerAfst = 0.2;
                        i.GavlspaerIndrykn = -0.3;
                    },
                    true, false, false, false},
        Meningsloes{"NormalspaerafstandNul", [](TInddata& i) { i.NormalSpaerAfst = 0.0; }, false,
                    true, false, true},
        Meningsloes{"NormalspaerafstandNegativ", [](TInddata& i) { i.NormalSpaerAfst = -0.8; },
                    false, true, false, true},
        Meningsloes{"LaegtehoejdeNul", [](TInddata& i) { i.LegteHojde = 0.0; }, false, false, false,
                    false},
        Meningsloes{"LaegtebreddeNegativ", [](TInddata& i) { i.LegteBredde = -73.0; }, false, false,
                    false, false},
        Meningsloes{"LaegteafstandNul", [](TInddata& i) { i.LegteAfst = 0.0; }, false, false, false,
                    false},
        Meningsloes{"LaegteafstandNegativ", [](TInddata& i) { i.LegteAfst = -0.4; }, false, false,
                    false, false},
        Meningsloes{"HusbreddeNul", [](TInddata& i) { i.HusBr = 0.0; }, false, false, false, false},
        Meningsloes{"HuslaengdeNegativ", [](TInddata& i) { i.HusLn = -20.0; }, false, false, false,
                    false},
        Meningsloes{"KiphoejdeUnderTerraen", [](TInddata& i) { i.FacHjd = -6.0; }, false, false,
                    false, false},
        Meningsloes{"UkendtStyrkeklasseGiverSvagesteTrae", [](TInddata& i) { i.StyrkeKlasse = 7; },
                    true, true, true, true},
        Meningsloes{"IkkeEtTalIGeometrien", [](TInddata& i) { i.GavlUdh = std::nan(""); }, false,
                    false, false, false},
        Meningsloes{"UendeligTaghaeldning", [](TInddata& i) { i.TagVink = HUGE_VAL; }, false, false,
                    false, false}));

TEST(SmalLaegte, HarIkkePladsTilNogetSoem)
{
    TInddata ind = test::Eksempeltag();
    ind.LegteBredde = 10.0; // 10 / 22.5 - 1.5 = -1.06: room for 0 nails, not -1
    const test::Beregnet b(ind);
    EXPECT_EQ(b.resultater.SoemPlads, 0);
    EXPECT_FALSE(b.resultater.NormalspaerSoemOK);
    EXPECT_FALSE(b.resultater.GavlspaerSoemOK);
    EXPECT_EQ(b.resultater.BaereevneNormalspaer, "  Regningsmæssig bæreevne ved max sømantal: 0 N");
}

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
