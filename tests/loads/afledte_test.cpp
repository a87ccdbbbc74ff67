// Derived values of roofs that a project file can hold although the input checks refuse
// them, unknown codes that must fall back to the safe side, and the point load's message.
#include "loads/afledte.h"

#include "navngivne_tilfaelde.h"
#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace taglo
{
namespace
{
using test::OptagetMeddelelse;
using test::PrintTo;

// A garage roof: 8 m wide, 20 m long, 2.5 m to the eaves line, 30 degrees, battens
// 73 x 38 mm (width x height) at 0.30 m, open country 25 km inland, C18, CC1.
TInddata Garage()
{
    TInddata ind;
    ind.HusBr = 8.0;
    ind.HusLn = 20.0;
    ind.FacHjd = 2.5;
    ind.TagVink = 30.0;
    ind.LegteAfst = 0.30;
    ind.FacUdh = 0.3;
    ind.GavlUdh = 0.4;
    ind.GavlspaerIndrykn = 0.15;
    ind.LegteBredde = 73.0;
    ind.LegteHojde = 38.0;
    ind.TerrKat = 1;
    ind.AfstVesterhav = 25.0;
    ind.SneFormFak = 0.8;
    ind.StyrkeKlasse = 0;
    ind.Sikkl = 0;
    return ind;
}

// Peak velocity pressure q_p at height z, 25 km inland, kp = 3.5.
double Qp(int terraen, double z)
{
    return PeakHastTryk(terraen, 25.0, z, 1.0, 3.5);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Ugyldig
{
    const char* navn;
    std::function<void(TInddata&)> aendring;
    int styrkeKode;       // 1 = C18 as typed, 100 = the weakest values of any class
    double legteEgenlast; // kN/m2; NaN where any finite weight will do
};

class UgyldigeInddata : public ::testing::TestWithParam<Ugyldig>
{};

// Every derived value stays a finite number, the wind still blows and nothing is reported.
TEST_P(UgyldigeInddata, GiverEndeligeTalPaaDenSikreSide)
{
    const Ugyldig& c = GetParam();
    TInddata ind = Garage();
    c.aendring(ind);
    test::OptagneMeddelelser m;
    const TAfledte a = BeregnAfledte(ind, m);
    for (const double v :
         {a.TanTagVink,  a.CosTagVink, a.SinTagVink,    a.TotalBr, a.KipHjd,    a.TagfodHjd,
          a.GavlAfst,    a.LegteMidtX, a.LegteEgenlast, a.WNormal, a.WParallel, a.StrimmelFra,
          a.StrimmelTil, a.Personlast, a.QpKip,         a.QpKipN,  a.SneKarak,  a.SneLast,
          a.FmkGammaM,   a.KmodSoem,   a.GammaM})
    {
        EXPECT_TRUE(std::isfinite(v));
    }
    EXPECT_GT(a.QpKip, 0.0);
    EXPECT_EQ(a.StyrkeKode, c.styrkeKode);
    if (!std::isnan(c.legteEgenlast))
    {
        EXPECT_EQ(a.LegteEgenlast, c.legteEgenlast);
    }
    EXPECT_TRUE(m.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Projektfil, UgyldigeInddata,
    ::testing::Values(
        // Without a batten spacing there is no weight per m2 to speak of.
        Ugyldig{"LaegteafstandNul", [](TInddata& i) { i.LegteAfst = 0.0; }, 1, 0.0},
        Ugyldig{"LaegteafstandNegativ", [](TInddata& i) { i.LegteAfst = -0.3; }, 1, 0.0},
        Ugyldig{"KipUnderTerraen", [](TInddata& i) { i.FacHjd = -5.0; }, 1, kNaN},
        Ugyldig{"LodretTagUdenHus",
                [](TInddata& i) {
                    i.HusBr = 0.0;
                    i.FacHjd = 0.0;
                    i.TagVink = 90.0;
                },
                1, kNaN},
        Ugyldig{"NegativeKlasserOgTerraen",
                [](TInddata& i) { i.TerrKat = i.StyrkeKlasse = i.Sikkl = -1; }, 100, kNaN},
        Ugyldig{"ForStoreKlasserOgLaegteUdenTvaersnit",
                [](TInddata& i) {
                    i.TerrKat = 4;
                    i.StyrkeKlasse = 3;
                    i.Sikkl = 5;
                    i.LegteBredde = i.LegteHojde = 0.0;
                },
                100, kNaN}));

// Open heath (category I) gives the highest peak velocity pressure of the four categories,
// and an unknown category counts as heath, so the wind is never taken too low.
TEST(PeakHastTryk, UkendtTerraenRegnesSomHedeDerGiverDetHoejesteTryk)
{
    for (const int terraen : {1, 2, 3})
    {
        EXPECT_GT(Qp(0, 8.0), Qp(terraen, 8.0)) << terraen;
    }
    for (const int ukendt : {-1, 4, 100})
    {
        EXPECT_EQ(Qp(ukendt, 8.0), Qp(0, 8.0)) << ukendt;
    }
}

// Below zmin (10 m in terrain IV) the pressure at zmin applies; a height of zero, below
// terrain or not a number never reaches the logarithm.
TEST(PeakHastTryk, UnderMindsteHoejdeGaelderVaerdienVedZmin)
{
    for (const double z : {8.0, 0.0, -4.0, kNaN})
    {
        EXPECT_EQ(Qp(3, z), Qp(3, 10.0)) << z;
    }
}

// v_b = 24 + (25 - d) 0.12 m/s only down to the coast: a negative distance (or one that is
// not a number) is the coast itself, 27 m/s, q_b = 0.625 x 27^2 / 1000 = 0.455625 kN/m2.
TEST(BasisVindtryk, NegativAfstandErKysten)
{
    EXPECT_DOUBLE_EQ(BasisVindtryk(-3.0), 0.455625);
    EXPECT_DOUBLE_EQ(BasisVindtryk(kNaN), 0.455625);
}

// A vertical roof has no finite tangent; it is capped at a million.
TEST(Vinkelfunktioner, LodretTagGiverTangensEnMillion)
{
    EXPECT_EQ(TanGrad(90.0), 1000000.0);
    EXPECT_NEAR(TanGrad(89.9999), 572957.8, 0.5); // cos = 1.745e-6, above the cap's limit
}

TEST(Punktlast, PersonPaaTagetOgUgyldigPlaceringMeldes)
{
    test::OptagneMeddelelser m;
    EXPECT_EQ(Punktlast('A', m), 1.5);
    EXPECT_EQ(Punktlast('Z', m), 2.0);
    EXPECT_TRUE(m.liste.empty());
    // An unknown position is reported and loads the batten far beyond any person.
    EXPECT_EQ(Punktlast('B', m), 1000.0);
    EXPECT_EQ(m.liste, (std::vector<OptagetMeddelelse>{
                           {"fejl", "Ugyldig punktlastplacering: B. Skal være A eller Z."},
                       }));
}

} // namespace
} // namespace taglo
