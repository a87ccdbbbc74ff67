// Derived values for codes and numbers that the input checks refuse but a project file can
// hold: they fall back to the safe side. And the point load's message.
#include "loads/afledte.h"

#include "eksempeltag.h"
#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace taglo
{
namespace
{
using test::OptagetMeddelelse;

// Peak velocity pressure q_p at height z, 25 km inland, kp = 3.5.
double Qp(int terraen, double z)
{
    return PeakHastTryk(terraen, 25.0, z, 1.0, 3.5);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A timber class or consequence class not in the table gives the weakest values of any
// class (C14 over gamma_M 1.35), never a stronger timber than the roof has.
TEST(BeregnAfledte, UkendteKlasserGiverDeSvagesteTraevaerdier)
{
    for (const int klasse : {-1, 3})
    {
        TInddata ind = test::Eksempeltag();
        ind.StyrkeKlasse = ind.Sikkl = klasse;
        test::OptagneMeddelelser m;
        const TAfledte a = BeregnAfledte(ind, m);
        EXPECT_EQ(a.StyrkeKode, 100) << klasse;
        EXPECT_DOUBLE_EQ(a.FmkGammaM, 14.0 / 1.35) << klasse;
        EXPECT_TRUE(m.liste.empty());
    }
}

// Open heath (category I) gives the highest peak velocity pressure of the four categories,
// and an unknown category counts as heath, so the wind is never taken too low. Below zmin
// (10 m in terrain IV) the pressure at zmin applies; a height of zero, below terrain or not
// a number never reaches the logarithm.
TEST(PeakHastTryk, UkendtTerraenErHedeOgUnderZminGaelderZmin)
{
    for (const int terraen : {1, 2, 3})
    {
        EXPECT_GT(Qp(0, 8.0), Qp(terraen, 8.0)) << terraen;
    }
    for (const int ukendt : {-1, 4, 100})
    {
        EXPECT_EQ(Qp(ukendt, 8.0), Qp(0, 8.0)) << ukendt;
    }
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
