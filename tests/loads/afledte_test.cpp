// Derived values where no reference project reaches: the wind at heights below the terrain's
// minimum height and at or beyond the coast.
#include "loads/afledte.h"

#include <gtest/gtest.h>

#include <limits>

namespace taglo
{
namespace
{

// Peak velocity pressure q_p at height z, 25 km inland, kp = 3.5.
double Qp(int terraen, double z)
{
    return PeakHastTryk(terraen, 25.0, z, 1.0, 3.5);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Open heath (category I) gives the highest peak velocity pressure of the four categories.
// Below zmin (10 m in terrain IV) the pressure at zmin applies; a height of zero, below
// terrain or not a number never reaches the logarithm.
TEST(PeakHastTryk, HedeGiverDetHoejesteOgUnderZminGaelderZmin)
{
    for (const int terraen : {1, 2, 3})
    {
        EXPECT_GT(Qp(0, 8.0), Qp(terraen, 8.0)) << terraen;
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

} // namespace
} // namespace taglo
