// Roofs that the input checks reject but that a project file or the window can still
// hand the engine: the run completes, its numbers stay finite, its verdicts agree with
// their own numbers, and the parts without meaning are not OK.
#include "motorbaenk.h"

#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
    // OK ('+') or not ('-'): normal section, gable section, gable overhang, the nails at the
    // normal rafter and at the gable rafter.
    const char* domme;
    void (*aendring)(TInddata&);
};

class MeningsloestTag : public ::testing::TestWithParam<Meningsloes>
{};

TEST_P(MeningsloestTag, GiverEndeligeTalOgDommeEfterMeningen)
{
    // The example roof passes everywhere, so every verdict that may still be judged is OK
    // and every other is not. The run writes its whole log, so the numbers are formatted
    // too.
    const Meningsloes& c = GetParam();
    TInddata ind = test::Eksempeltag();
    c.aendring(ind);
    const test::Beregnet b(ind, 2);
    // Faults of a result whatever the roof: numbers that are not finite, counts out of their
    // bounds, verdicts that contradict their own numbers.
    const TResultater& r = b.laegter.Resultatdata;
    EXPECT_EQ(b.laegter.Beregning.Tilfaeldeliste.size(), 22U);
    for (const double v :
         {r.UdnNormalfag, r.UdnNormalfagPkt, r.UdnGavlfag, r.UdnGavlfagPkt, r.UdnGavludkragning,
          r.TraekNormalspaer, r.TraekGavlspaer, r.SoemBaereevne})
    {
        EXPECT_TRUE(std::isfinite(v));
    }
    EXPECT_GE(r.SoemPlads, 0);
    EXPECT_GE(std::min(r.SoemantalNormalspaer, r.SoemantalGavlspaer), 1);
    EXPECT_EQ(r.SoemtypeOK, r.NormalspaerSoemOK && r.GavlspaerSoemOK);
    EXPECT_FALSE(r.NormalspaerSoemOK && r.SoemantalNormalspaer > r.SoemPlads);
    EXPECT_FALSE(r.GavlspaerSoemOK && r.SoemantalGavlspaer > r.SoemPlads);
    EXPECT_FALSE(r.NormalfagOK && !r.NormalfagTabel2005 && r.UdnNormalfag >= 1.005);
    EXPECT_FALSE(r.GavludkragningOK && r.UdnGavludkragning >= 1.005);
    std::string domme;
    for (const bool ok :
         {r.NormalfagOK, r.GavlfagOK, r.GavludkragningOK, r.NormalspaerSoemOK, r.GavlspaerSoemOK})
    {
        domme += ok ? '+' : '-';
    }
    EXPECT_EQ(domme, c.domme);
}

// clang-format off
const Meningsloes kMeningsloese[] = {
    {"EksempeltagetErHeltOK", "+++++", [](TInddata&) {}},
    {"GavlspaerafstandNul", "+----", [](TInddata& i) { i.GavlspaerAfst = 0.0; }},
    {"GavlspaenNegativtMedIndrykning", "+----",
     [](TInddata& i) { i.GavlspaerAfst = 0.2; i.GavlspaerIndrykn = -0.3; }},
    {"NormalspaerafstandNegativ", "-++-+", [](TInddata& i) { i.NormalSpaerAfst = -0.8; }},
    {"LaegtehoejdeNul", "-----", [](TInddata& i) { i.LegteHojde = 0.0; }},
    {"LaegtebreddeNegativ", "-----", [](TInddata& i) { i.LegteBredde = -73.0; }},
    {"LaegteafstandNul", "-----", [](TInddata& i) { i.LegteAfst = 0.0; }},
    {"LaegteafstandMindreEndNogetTal", "-----", [](TInddata& i) { i.LegteAfst = 5e-324; }},
    {"HusbreddeNul", "-----", [](TInddata& i) { i.HusBr = 0.0; }},
    {"KiphoejdeUnderTerraen", "-----", [](TInddata& i) { i.FacHjd = -6.0; }},
    {"LodretTagUdenHus", "-----", [](TInddata& i) { i.HusBr = i.FacHjd = 0.0; i.TagVink = 90.0; }},
    {"IkkeEtTalIGeometrien", "-----", [](TInddata& i) { i.GavlUdh = kNaN; }},
    {"IkkeEtTalITagvaegten", "-----", [](TInddata& i) { i.TagTyng = kNaN; }},
    {"UendeligTaghaeldning", "-----", [](TInddata& i) { i.TagVink = kUendelig; }},
    // A house of 1e300 m reaches a ridge height where the wind pressure is enormous but
    // finite: the sections the table of 2005 covers (the example's spans, spacing and
    // roofing) hold whatever their utilisation; the overhang and the nails fail.
    {"KaempeHus", "++---", [](TInddata& i) { i.HusLn = i.HusBr = 1e300; }},
    // A batten of 1 000 km bends under nothing, but no nail reaches through it.
    {"KaempeLaegte", "+++--", [](TInddata& i) { i.LegteHojde = i.LegteBredde = 1e12; }},
    // Snow beyond any number: a load that is not finite fails every verdict that reads
    // it, the table's exemption too; the nails also read the snow cases' reactions.
    {"StoersteTalSomSnelast", "-----",
     [](TInddata& i) { i.SneFormFak = std::numeric_limits<double>::max(); }},
    // A nail index out of the catalogue takes the nearest row: the 4.6 x 130 square nail
    // holds 2.45 x 4.6 x 67 x 1.1 / 1.35 = 615 N, the 3.1 x 90 ringed nail 395 N, both
    // more than the uplift of the example roof's rafters (150 N and 252 N).
    {"SoemUdenForKataloget", "+++++", [](TInddata& i) { VaelgSoem(i, 12); }},
    {"NegativtSoemindeks", "+++++", [](TInddata& i) { VaelgSoem(i, -2); }},
    // Unknown terrain and timber fall to the safe side (heath, the weakest timber; a
    // consequence class other than CC2 counts as CC1): the example roof has the margin to
    // hold all the same, as it holds at the coast (27 m/s instead of 24 m/s).
    {"UkendteKlasserOgTerraen", "+++++",
     [](TInddata& i) { i.TerrKat = i.Sikkl = i.StyrkeKlasse = -1; }},
    {"ForStoreKlasserOgTerraen", "+++++",
     [](TInddata& i) { i.TerrKat = 4; i.StyrkeKlasse = 3; i.Sikkl = 5; }},
    {"NegativAfstandTilVesterhavet", "+++++", [](TInddata& i) { i.AfstVesterhav = -5.0; }},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Input, MeningsloestTag, ::testing::ValuesIn(kMeningsloese));

// Utilisations and uplift forces that are not finite numbers must reach the head of their
// ranking and fail there, even beside finite values and in a section the table covers.
TEST(Vurdering, TalDerIkkeErEndeligeDumper)
{
    TLasttilfaelde nan = test::Tilfaelde(9, 'b', 0.2, 100.0, 100.0, kNaN);
    nan.UG = kNaN; // the largest of UF, UG and UH ranks the normal section
    const test::Vurderet v(test::Eksempeltag(),
                           {test::Tilfaelde(3, 'a', 0.4, 0.0, 0.0, 900.0), nan});
    EXPECT_FALSE(v.r.NormalfagOK);
    EXPECT_EQ(v.r.UdnNormalfag, 0.0); // there is no number to state
    EXPECT_FALSE(v.r.NormalspaerSoemOK);
    EXPECT_EQ(v.r.TraekNormalspaer, 0.0);
    EXPECT_EQ(v.r.TekstTraekNormalspaer,
              "for lastkombination 9: 0,9 g + K_FI 1,5 w, vindtilfælde b");
    EXPECT_TRUE(v.r.GavlspaerSoemOK);
    EXPECT_FALSE(v.r.SoemtypeOK);
    const test::Vurderet u(test::Eksempeltag(),
                           {test::Tilfaelde(3, 'a', 0.4), test::Tilfaelde(5, 'd', kUendelig)});
    EXPECT_FALSE(u.r.GavlfagOK);
    EXPECT_FALSE(u.r.GavludkragningOK);
    EXPECT_EQ(u.r.TekstNormalfag, "for lastkomb. 5: K_FI(1,0 g + 1,5 s + 0,45 w), vindtilfælde d");
}

} // namespace
} // namespace taglo
