#include "loads/afledte.h"

#include "navngivne_tilfaelde.h"
#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace taglo
{
namespace
{
using test::OptagetMeddelelse;
using test::PrintTo;

constexpr double kTol = 1e-12;

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

std::array<double, 23> ReelleFelter(const TAfledte& a)
{
    return {a.TanTagVink,  a.CosTagVink,   a.SinTagVink, a.TotalBr,       a.KipHjd,  a.TagfodHjd,
            a.GavlAfst,    a.VaegTykkelse, a.LegteMidtX, a.LegteEgenlast, a.WNormal, a.WParallel,
            a.StrimmelFra, a.StrimmelTil,  a.Personlast, a.QpKip,         a.QpKipN,  a.SneKarak,
            a.SneLast,     a.FmkGammaM,    a.KmodSoem,   a.Kmod9,         a.GammaM};
}

// Angles in degrees. Near 90 degrees the cosine vanishes: below 0.000001 the tangent is
// capped at a million, just above it is the quotient (cos 89.9999 degrees = 1.745e-6).
TEST(Vinkelfunktioner, RegnerIGraderOgTangensLoddretGiverEnMillion)
{
    EXPECT_NEAR(SinGrad(30.0), 0.5, kTol);
    EXPECT_NEAR(CosGrad(60.0), 0.5, kTol);
    EXPECT_NEAR(TanGrad(-45.0), -1.0, kTol);
    EXPECT_EQ(TanGrad(90.0), 1000000.0);
    EXPECT_EQ(TanGrad(-90.0), 1000000.0);
    EXPECT_EQ(TanGrad(89.99995), 1000000.0);
    EXPECT_NEAR(TanGrad(89.9999), 572957.8, 0.5);
}

struct BasisCase
{
    const char* navn;
    double afstand;   // km
    double forventet; // kN/m2
};

class Basisvindtryk : public ::testing::TestWithParam<BasisCase>
{};

TEST_P(Basisvindtryk, EfterAfstandTilVesterhavet)
{
    EXPECT_NEAR(BasisVindtryk(GetParam().afstand), GetParam().forventet, kTol);
}

// q_b = 0.625 v_b^2 / 1000 with v_b = 24 + (25 - d) 0.12 m/s.
INSTANTIATE_TEST_SUITE_P(
    DKNA, Basisvindtryk,
    ::testing::Values(BasisCase{"VedKysten27ms", 0.0, 0.625 * 27.0 * 27.0 / 1000.0},
                      BasisCase{"Indlandet24ms", 25.0, 0.36},
                      BasisCase{"LangtIndeErSomVed25", 60.0, 0.36},
                      BasisCase{"NegativAfstandErKysten", -3.0, 0.455625},
                      BasisCase{"Halvvejs25komma5ms", 12.5, 0.625 * 25.5 * 25.5 / 1000.0}));

// Below zmin the pressure at zmin applies; a height of zero or below never reaches the
// logarithm.
TEST(PeakHastTryk, UnderMindsteHoejdeGaelderVaerdienVedZmin)
{
    constexpr std::array<double, 4> zmin{1.0, 2.0, 5.0, 10.0};
    for (int terraen = 0; terraen < 4; ++terraen)
    {
        const double vedZmin =
            PeakHastTryk(terraen, 10.0, zmin.at(static_cast<std::size_t>(terraen)), 1.0, 3.5);
        for (const double z : {0.0, -4.0, 0.5 * zmin.at(static_cast<std::size_t>(terraen))})
        {
            EXPECT_EQ(PeakHastTryk(terraen, 10.0, z, 1.0, 3.5), vedZmin) << terraen << " " << z;
        }
    }
    EXPECT_EQ(PeakHastTryk(3, 25.0, 8.0, 1.0, 3.5), PeakHastTryk(3, 25.0, 10.0, 1.0, 3.5));
    EXPECT_TRUE(std::isfinite(PeakHastTryk(2, 0.0, std::nan(""), 1.0, 3.5)));
}

// Open heath (category I) gives the highest peak velocity pressure of all four categories
// at every height, and an unknown terrain index counts as heath.
TEST(PeakHastTryk, UkendtTerraenRegnesSomHedeDerGiverDetHoejesteTryk)
{
    for (const double z : {-1.0, 0.0, 3.0, 8.0, 15.0, 40.0, 120.0})
    {
        const double hede = PeakHastTryk(0, 5.0, z, 1.0, 3.5);
        EXPECT_TRUE(std::isfinite(hede));
        for (int terraen = 1; terraen < 4; ++terraen)
        {
            EXPECT_GT(hede, PeakHastTryk(terraen, 5.0, z, 1.0, 3.5)) << terraen << " " << z;
        }
        for (const int ukendt : {-1, 4, 100})
        {
            EXPECT_EQ(PeakHastTryk(ukendt, 5.0, z, 1.0, 3.5), hede) << ukendt << " " << z;
        }
    }
}

// One roof in each terrain category, by hand with EN 1991-1-4:
// v_b = 24 + (25 - d) 0.12, q_b = 0.625 v_b^2 / 1000, k_r = 0.19 (z0 / 0.05)^0.07,
// z = max(ridge height, zmin), q_p = q_b (k_r ln(z/z0))^2 (1 + 7 / ln(z/z0)).
struct TerraenCase
{
    const char* navn;
    int terraen;
    double afstand; // km to the North Sea
    double husbredde;
    double facadehoejde;
    double vinkel;
    double QpKip; // kN/m2
};

class PeakVedKip : public ::testing::TestWithParam<TerraenCase>
{};

TEST_P(PeakVedKip, HaandregnetForEtHusITerraenet)
{
    const TerraenCase& c = GetParam();
    TInddata ind = Garage();
    ind.TerrKat = c.terraen;
    ind.AfstVesterhav = c.afstand;
    ind.HusBr = c.husbredde;
    ind.FacHjd = c.facadehoejde;
    ind.TagVink = c.vinkel;
    test::OptagneMeddelelser m;
    EXPECT_NEAR(BeregnAfledte(ind, m).QpKip, c.QpKip, 5e-5);
    EXPECT_TRUE(m.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Terraenkategorier, PeakVedKip,
    ::testing::Values(
        // I: ridge 3 + 10/2 tan 45 = 8 m, v_b = 27 m/s.
        TerraenCase{"HedeVedKystenTagMed45Grader", 0, 0.0, 10.0, 3.0, 45.0, 1.2011},
        // II: ridge 2.5 + 4 tan 30 = 4.809 m, v_b = 24 + 15 x 0.12 = 25.8 m/s.
        TerraenCase{"LandTiKmIndeTagMed30Grader", 1, 10.0, 8.0, 2.5, 30.0, 0.7932},
        // III: ridge 2.8 + 6 tan 20 = 4.98 m, raised to zmin = 5 m; 40 km inland: 24 m/s.
        TerraenCase{"ForstadLavtHusHaevesTilZmin", 2, 40.0, 12.0, 2.8, 20.0, 0.4611},
        // IV: ridge 6 + 7 tan 35 = 10.90 m, above zmin = 10 m; v_b = 26.4 m/s.
        TerraenCase{"ByHoejtHus", 3, 5.0, 14.0, 6.0, 35.0, 0.5365}),
    [](const auto& info) { return std::string(info.param.navn); });

// The garage's strip and edges: roof width 8 + 2 x 0.3 m, the eaves drop by the overhang
// 0.3 tan 30, the anchored gable rafter 0.4 + 0.15 m from the gable edge, and the design
// batten's strip of 0.30 cos 30 m from the overhang's end.
TEST(BeregnAfledte, Geometri)
{
    test::OptagneMeddelelser m;
    const TAfledte a = BeregnAfledte(Garage(), m);
    EXPECT_NEAR(a.TotalBr, 8.6, kTol);
    EXPECT_NEAR(a.TagfodHjd, 2.5 - 0.3 / std::sqrt(3.0), kTol);
    EXPECT_NEAR(a.GavlAfst, 0.55, kTol);
    EXPECT_NEAR(a.StrimmelFra, 0.3, kTol);
    EXPECT_NEAR(a.StrimmelTil, 0.3 + 0.3 * std::sqrt(3.0) / 2.0, kTol);
    EXPECT_NEAR(a.LegteMidtX, 0.3 + 0.15 * std::sqrt(3.0) / 2.0, kTol);
}

struct StyrkeCase
{
    const char* navn;
    int styrkeKlasse;
    int kode;
    double fmkGammaM;
    double gammaM;
};

class AfledtStyrkeklasse : public ::testing::TestWithParam<StyrkeCase>
{};

TEST_P(AfledtStyrkeklasse, VaelgerTraeetsRegningsvaerdier)
{
    const auto& c = GetParam();
    for (const int sikkl : {0, 1})
    {
        TInddata ind = Garage();
        ind.StyrkeKlasse = c.styrkeKlasse;
        ind.Sikkl = sikkl;
        test::OptagneMeddelelser m;
        const TAfledte a = BeregnAfledte(ind, m);
        EXPECT_EQ(a.StyrkeKode, c.kode);
        EXPECT_NEAR(a.FmkGammaM, c.fmkGammaM, kTol);
        EXPECT_EQ(a.GammaM, c.gammaM);
        EXPECT_TRUE(m.liste.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    StyrkeKlasse, AfledtStyrkeklasse,
    ::testing::Values(StyrkeCase{"C18", 0, 1, 18.0 / 1.35, 1.35},
                      StyrkeCase{"GL24c", 1, 4, 24.0 / 1.3, 1.3},
                      StyrkeCase{"GL28c", 2, 5, 28.0 / 1.3, 1.3},
                      StyrkeCase{"UkendtGiverSvagesteKlasse", 3, 100, 14.0 / 1.35, 1.35},
                      StyrkeCase{"NegativtIndeksGiverSvagesteKlasse", -1, 100, 14.0 / 1.35, 1.35}),
    [](const auto& info) { return std::string(info.param.navn); });

// Values a project file can hold although the input checks refuse them: every derived
// value stays a finite number, and nothing is reported. Without a batten spacing there is
// no weight per m2 to speak of.
TEST(BeregnAfledte, UgyldigeInddataGiverAldrigUendeligeTal)
{
    const std::vector<std::function<void(TInddata&)>> aendringer{
        [](TInddata& i) { i.LegteAfst = 0.0; },
        [](TInddata& i) { i.LegteAfst = -0.3; },
        [](TInddata& i) { i.FacHjd = -5.0; }, // ridge below terrain
        [](TInddata& i) {
            i.HusBr = 0.0;
            i.FacHjd = 0.0;
            i.TagVink = 90.0;
        },
        [](TInddata& i) { i.TerrKat = i.StyrkeKlasse = i.Sikkl = -1; },
        [](TInddata& i) {
            i.TerrKat = 4;
            i.Sikkl = 5;
            i.LegteBredde = i.LegteHojde = 0.0;
        }};
    for (std::size_t i = 0; i < aendringer.size(); ++i)
    {
        TInddata ind = Garage();
        aendringer[i](ind);
        test::OptagneMeddelelser m;
        const TAfledte a = BeregnAfledte(ind, m);
        for (const double v : ReelleFelter(a))
        {
            EXPECT_TRUE(std::isfinite(v)) << "tilfaelde " << i;
        }
        EXPECT_GT(a.QpKip, 0.0) << "tilfaelde " << i;
        if (i < 2) // no batten spacing
        {
            EXPECT_EQ(a.LegteEgenlast, 0.0);
        }
        EXPECT_TRUE(m.liste.empty());
    }
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
