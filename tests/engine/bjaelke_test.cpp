// The beam models checked against statics worked by hand.
#include "engine/bjaelke.h"

#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

namespace taglo
{
namespace
{
using test::PrintTo;

constexpr double kTol = 1e-12;

// A beam from the batten's end at 0 with a cantilever to the left support at x = 1 m and
// a span of L = 4 m to the right support at 5 m. Downward loads are negative; a reaction
// is the force on the support (negative when pressed down); hogging moments positive.
constexpr double x = 1.0;
constexpr double L = 4.0;

struct Belastning
{
    const char* navn;
    double a;
    double b;
    double w;
    double venstre; // left reaction, by moments about the right support
    double hoejre;  // right reaction, by moments about the left support
    double konsol;  // moment at the left support from the load left of it
    double felt;    // moment at x + 0.55 L = 3.2 m
};

class Bjaelke : public ::testing::TestWithParam<Belastning>
{};

TEST_P(Bjaelke, GiverStatikkensReaktionerOgMomenter)
{
    const Belastning& c = GetParam();
    EXPECT_NEAR(ReaktionVenstre(c.a, c.b, c.w, x, L), c.venstre, kTol);
    EXPECT_NEAR(ReaktionHoejre(c.a, c.b, c.w, x, L), c.hoejre, kTol);
    EXPECT_NEAR(MomentKonsol(c.a, c.b, c.w, x), c.konsol, kTol);
    EXPECT_NEAR(MomentFelt(c.a, c.b, c.w, x, L), c.felt, kTol);
    // The interval may be given either way round.
    EXPECT_NEAR(ReaktionVenstre(c.b, c.a, c.w, x, L), c.venstre, kTol);
    EXPECT_NEAR(MomentKonsol(c.b, c.a, c.w, x), c.konsol, kTol);
    EXPECT_NEAR(MomentFelt(c.b, c.a, c.w, x, L), c.felt, kTol);
}

INSTANTIATE_TEST_SUITE_P(
    HaandregnedeLaster, Bjaelke,
    ::testing::Values(
        // w = -2 kN/m on the whole beam 0..5: W = -10 kN at 2.5 m.
        // Right: R * 4 = W * (2.5 - 1) -> -3.75. Left: W - R = -6.25.
        // Cantilever: 2 * 1^2 / 2 = 1 kNm hogging.
        // At 3.2 m from the left: support force 6.25 up x 2.2 m - 2 x 3.2 m x 1.6 m
        // = 13.75 - 10.24 = 3.51 kNm sagging -> -3.51.
        Belastning{"JaevnLastMedUdkragning", 5.0, 0.0, -2.0, -6.25, -3.75, 1.0, -3.51},
        // w = -3 kN/m on 2..3 m: W = -3 kN at 2.5 m. Left: -3 x 2.5 / 4 = -1.875; right:
        // -3 x 1.5 / 4 = -1.125; nothing on the cantilever. At 3.2 m: 1.875 x 2.2 -
        // 3 x 0.7 = 2.025 sagging.
        Belastning{"DellastIFeltet", 3.0, 2.0, -3.0, -1.875, -1.125, 0.0, -2.025},
        // w = -3 kN/m on 3..4 m, across the field section: W = -3 kN at 3.5 m. Left:
        // -3 x 1.5 / 4 = -1.125; right: -3 x 2.5 / 4 = -1.875. At 3.2 m: 1.125 x 2.2 -
        // 3 x 0.2 x 0.1 = 2.415 sagging.
        Belastning{"DellastOverFeltsnittet", 4.0, 3.0, -3.0, -1.125, -1.875, 0.0, -2.415},
        // w = -2 kN/m on 4..7 m: only 4..5 m lies on the beam, W = -2 kN at 4.5 m. Left:
        // -2 x 0.5 / 4 = -0.25; right: -2 x 3.5 / 4 = -1.75. At 3.2 m: 0.25 x 2.2 = 0.55
        // sagging.
        Belastning{"LastDelvisUdOverBjaelken", 7.0, 4.0, -2.0, -0.25, -1.75, 0.0, -0.55},
        // A load wholly beyond the beam's end bears on nothing.
        Belastning{"LastUdenforBjaelken", 8.0, 6.0, -2.0, 0.0, 0.0, 0.0, 0.0},
        // w = -2 kN/m on -1..0.5 m: only 0..0.5 m is on the beam, W = -1 kN at 0.25 m.
        // Left: -1 x 4.75 / 4 = -1.1875; right: -1 x (0.25 - 1) / 4 = +0.1875 (lifts).
        // Cantilever: 2 x (1^2 - 0.5^2) / 2 = 0.75 hogging. At 3.2 m: the left support
        // carries 1.1875 up at 2.2 m, the load 1 kN at 2.95 m: 2.6125 - 2.95 = -0.3375
        // sagging, i.e. 0.3375 hogging.
        Belastning{"LastPaaUdkragningenFraBjaelkensEnde", 0.5, -1.0, -2.0, -1.1875, 0.1875, 0.75,
                   0.3375},
        // Suction +1.5 kN/m on 1..5 m (the span alone): each support is lifted by 3 kN.
        // At 3.2 m the left support holds the batten down with 3 kN at 2.2 m against the
        // suction 1.5 x 2.2 kN at 1.1 m: 6.6 - 3.63 = 2.97 kNm hogging.
        Belastning{"SugPaaSpaendet", 5.0, 1.0, 1.5, 3.0, 3.0, 0.0,
                   3.0 * 2.2 - 1.5 * 2.2 * 2.2 / 2.0}));

TEST(Bjaelke, TreFagsBjaelkeGiverDeKlassiskeKoefficienter)
{
    // Continuous beam over three equal spans L under a uniform load w. By the three-moment
    // equation with M_A = M_D = 0 and symmetry M_B = M_C = M:
    //   M L + 2 M (2 L) = -2 x w L^3 / 4  ->  5 M = -w L^2 / 2  ->  |M| = w L^2 / 10.
    // End reaction: w L / 2 - M / L = 0.4 w L; interior: 1.5 w L - 0.4 w L = 1.1 w L.
    // End span: zero shear at 0.4 L, maximum moment 0.4^2 / 2 = 0.08 w L^2. Middle span:
    // w L^2 / 8 - w L^2 / 10 = 0.025 w L^2.
    const double w = -2.0;
    const double Ln = 1.2;
    const TNormalBidrag n = NormalBidrag(w, Ln);
    EXPECT_NEAR(n.RE, 0.4 * w * Ln, kTol); // pressed down
    EXPECT_NEAR(n.RG, 1.1 * w * Ln, kTol);
    EXPECT_NEAR(n.MF, -0.08 * (-w) * Ln * Ln, kTol); // sagging
    EXPECT_NEAR(n.MG, 0.1 * (-w) * Ln * Ln, kTol);   // hogging over the support
    EXPECT_NEAR(n.MH, -0.025 * (-w) * Ln * Ln, kTol);
    // The four supports carry the whole load 3 w L.
    EXPECT_NEAR(2.0 * n.RE + 2.0 * n.RG, 3.0 * w * Ln, kTol);
}

// The gable part of the worked case below: batten end at 0, gable wall B2 at 0.5 m,
// anchored gable rafter B1 at 0.8 m, first normal rafter D at 1.4 m.
TGavlGeometri Gavl(double k)
{
    TGavlGeometri g;
    g.GavlUdh = 0.5;
    g.GavlspaerIndrykn = 0.3;
    g.GavlspaerAfst = 0.6;
    g.GavlAfst = 0.8;
    g.k = k;
    return g;
}

TEST(Gavlmodeller, ZoneUdOverForsteNormalspaerGiverIntet)
{
    // A wind zone that starts beyond D is cut at D: an empty or reversed interval.
    const TGavlBidrag g = GavlBidrag(1.4, 2.5, 0.8, Gavl(1.0));
    for (const double v : {g.RB2, g.RB1, g.RD, g.MB1, g.MB2, g.MC})
    {
        EXPECT_EQ(v, 0.0);
    }
}

// The worked case of the gable part: a uniform load w = -1 kN/m (zz) and -0.5 kN/m (yy)
// on 0..D, first the two models, then the gable wall's adjustment.
TEST(Gavlvaeg, JusteringFoelgerFormlerneIEtRegnetEksempel)
{
    TLasttilfaelde t;
    LaegGavlBidragTil(t, GavlBidrag(1.4, 0.0, -1.0, Gavl(1.0)), Retning::zz);
    LaegGavlBidragTil(t, GavlBidrag(1.4, 0.0, -0.5, Gavl(1.0)), Retning::yy);
    // Model 2: span B2..D = 0.9 m, cantilever 0.5 m: RB2 = w D^2 / (2 x 0.9) = -1.088889;
    //   MB2 = 0.5^2 / 2 = 0.125 (hogging).
    // Model 1: span B1..D = 0.6 m, cantilever 0.8 m: RB1 = w D^2 / (2 x 0.6) = -1.633333;
    //   RD = w D (D - 2 x 0.8) / 1.2 = +0.233333; MB1 = 0.8^2 / 2 = 0.32.
    //   At C = 0.8 + 0.55 x 0.6 = 1.13 m, from the left: B1 holds the batten up with
    //   1.633333 kN at 0.33 m, the load 1.13 kN acts at 0.565 m: 0.539 - 0.63845 = -0.09945
    //   sagging, i.e. 0.09945 kNm hogging.
    const double RB2 = -1.96 / 1.8;
    EXPECT_NEAR(t.RB1zz, -1.96 / 1.2, 1e-12);
    EXPECT_NEAR(t.RDzz, 1.4 * 0.2 / 1.2, 1e-12);
    EXPECT_NEAR(t.MB2xx, 0.125, 1e-12);
    EXPECT_NEAR(t.MCxx, 0.09945, 1e-12);
    JusterForGavlvaeg(t, Gavl(1.0));
    // RB2zz < 0 and the inset 0.3 m > 0.15 m, so the wall bears:
    //   f = min(2 x 0.5 / (0.6 + 0.3), 1) = min(1.1111, 1) = 1.
    //   RB2Just = RB2 = -1.088889 (zz), -0.544444 (yy).
    //   RB1 = -1.633333 - RB2Just x 0.9 / 0.6 = -1.633333 + 1.633333 = 0.
    //   RD = 0.233333 + RB2Just x 0.3 / 0.6 = 0.233333 - 0.544444 = -0.311111.
    //   MB1 = 0.32 + RB2Just x 0.3 = 0.32 - 0.326667 = -0.006667.
    //   MC = 0.09945 + 0.45 x RB2Just x 0.3 = 0.09945 - 0.147 = -0.04755.
    // The three supports still carry the whole load: -1.088889 + 0 - 0.311111 = -1.4.
    EXPECT_NEAR(t.RB2zz, RB2, 1e-12); // keeps its model-2 value
    EXPECT_NEAR(t.RB2Justzz, RB2, 1e-12);
    EXPECT_NEAR(t.RB2Justyy, RB2 / 2.0, 1e-12);
    EXPECT_NEAR(t.RB1zz, 0.0, 1e-12);
    EXPECT_NEAR(t.RDzz, 0.233333333333333 - 0.544444444444444, 1e-12);
    EXPECT_NEAR(t.MB1xx, 0.32 - 0.326666666666667, 1e-12);
    EXPECT_NEAR(t.MCxx, 0.09945 - 0.147, 1e-12);
    EXPECT_NEAR(t.MCzz, (0.09945 - 0.147) / 2.0, 1e-12);
}

TEST(Gavlvaeg, KortGavludhaengGiverDelvisStoette)
{
    // GavlUdh 0.2 m: f = 2 x 0.2 / 0.9 = 0.444444.
    TGavlGeometri g = Gavl(1.0);
    g.GavlUdh = 0.2;
    g.GavlAfst = 0.5;
    TLasttilfaelde t;
    LaegGavlBidragTil(t, GavlBidrag(1.1, 0.0, -1.0, g), Retning::zz);
    const TLasttilfaelde foer = t;
    JusterForGavlvaeg(t, g);
    const double f = 0.4 / 0.9;
    EXPECT_NEAR(t.RB2Justzz, f * foer.RB2zz, 1e-12);
    EXPECT_NEAR(t.RB1zz, foer.RB1zz - f * foer.RB2zz * 0.9 / 0.6, 1e-12);
}

struct Uden
{
    const char* navn;
    double indrykn;
    double wzz;
};

class GavlvaegUdenStoette : public ::testing::TestWithParam<Uden>
{};

TEST_P(GavlvaegUdenStoette, LaederModel1Uroert)
{
    const Uden& c = GetParam();
    TGavlGeometri g = Gavl(1.0);
    g.GavlspaerIndrykn = c.indrykn;
    g.GavlAfst = g.GavlUdh + c.indrykn;
    TLasttilfaelde t;
    LaegGavlBidragTil(t, GavlBidrag(g.D(), 0.0, c.wzz, g), Retning::zz);
    const TLasttilfaelde foer = t;
    JusterForGavlvaeg(t, g);
    EXPECT_EQ(t.RB2Justzz, 0.0);
    EXPECT_EQ(t.RB2zz, foer.RB2zz); // still reported
    EXPECT_EQ(t.RB1zz, foer.RB1zz);
    EXPECT_EQ(t.MCxx, foer.MCxx);
}

INSTANTIATE_TEST_SUITE_P(Gavlvaeg, GavlvaegUdenStoette,
                         ::testing::Values(Uden{"IndrykningPaa15cm", 0.15, -1.0},
                                           Uden{"IndrykningUnder15cm", 0.1, -1.0},
                                           Uden{"LaegtenLoefterSigFraVaeggen", 0.3, 1.0}));

} // namespace
} // namespace taglo
