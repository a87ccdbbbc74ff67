// The design loads on the batten per case, worked by hand for the example roof.
#include "engine/laster.h"

#include "eksempeltag.h"

#include <gtest/gtest.h>

namespace taglo
{
namespace
{

// The example roof: b = 0.40 x cos 30 = 0.346410 m of horizontal strip; CC2.
constexpr double kCos30 = 0.8660254037844387;
constexpr double kStrimmel = 0.4 * kCos30;

TEST(OpstilLaster, Snelastkombinationen)
{
    test::Trin trin(test::Eksempeltag());
    TLasttilfaelde t;
    OpstilLaster(t, 3, 'a', trin.koersel);
    // kmod 0.9 (short-term). Roofing: 0.10 x 1.0 / 0.9 = 0.111111 kN/m2 of roof, times
    // 0.40 m of spacing = 0.044444 kN/m; snow 2.0 x 1.5 / 0.9 = 3.333333 kN/m2 of plan,
    // times 0.346410 m = 1.154701 kN/m. Components: cos 30 = 0.866025, sin 30 = 0.5.
    EXPECT_DOUBLE_EQ(t.kmod, 0.9);
    EXPECT_NEAR(t.FzzEgen, -0.044444444444444 * kCos30, 1e-12);
    EXPECT_NEAR(t.FzzSne, -1.0, 1e-12);
    EXPECT_NEAR(t.FyySne, -3.333333333333333 * kStrimmel * 0.5, 1e-12);
    EXPECT_EQ(t.Pd, 0.0);
}

// Peak velocity pressures of the example roof (terrain IV, far inland, ridge 5.89 m
// raised to zmin = 10 m): k_r = 0.19 x 20^0.07 = 0.234329, c_r = k_r ln 10 = 0.539562,
// q_m = 0.36 x c_r^2 = 0.104806, I_v = 1 / ln 10 = 0.434294;
// QpKip = (1 + 7 I_v) q_m = 0.423422, QpKipN = (1 + 3 I_v) q_m = 0.241356.
constexpr double kQpKip = 0.42342182732957556;
constexpr double kQpKipN = 0.24135552077207353;

TEST(VindLinielast, ZonerneSkaeresTilStrimlenOgGavlpartiet)
{
    test::Trin trin(test::Eksempeltag());
    TLasttilfaelde t;
    OpstilLaster(t, 9, 'w', trin.koersel);
    // Wind from S with internal pressure +0.2. Zone N: x from the facade overhang 0.4 m
    // to 10.4 m covers the whole strip 0.4..0.746 m; y from the gable overhang 0.5 m,
    // cut at D = 0.5 + 0.3 + 0.6 = 1.4 m.
    // q = 1.5 / 1.1 x 0.241356 = 0.329121 kN/m2; Fzz = 0.329121 x 0.2 x 0.346410.
    const TVindLinielast n = VindLinielast(t, 'N', trin.koersel);
    EXPECT_NEAR(n.Fzz, 1.5 / 1.1 * kQpKipN * 0.2 * kStrimmel, 1e-9);
    EXPECT_NEAR(n.ystart, 0.5, 1e-12);
    EXPECT_NEAR(n.yslut, 1.4, 1e-12);
    // Along the ridge: e = min(2 x 5.887, 10.8) = 10.8, a1 = 1.08, a2 = 2.7. Zone F:
    // x 0..2.7, y 0..1.08, coefficient -1.1 (10 m2, 30 degrees), reversed to +1.1 so that
    // suction lifts: Fzz = 1.5 / 1.1 x 0.423422 x 1.1 x 0.346410 = 0.220014.
    const TVindLinielast f = VindLinielast(t, 'F', trin.koersel);
    EXPECT_NEAR(f.cv, 1.1, 1e-12);
    EXPECT_NEAR(f.Fzz, 1.5 / 1.1 * kQpKip * 1.1 * kStrimmel, 1e-9);
    EXPECT_NEAR(f.yslut, 1.08, 1e-12);
    // Zone B under the west facade overhang (x 0..0.4) only touches the strip at 0.4 m.
    const TVindLinielast b = VindLinielast(t, 'B', trin.koersel);
    EXPECT_EQ(b.bredde, 0.0);
    EXPECT_EQ(b.Fzz, 0.0);
}

struct Normalfagsvind
{
    const char* navn;
    char vindtilf;
    char omraade;
    double cvO; // upper side, + downward
    double cvU; // inside N
};

class VindNormalfagTest : public ::testing::TestWithParam<Normalfagsvind>
{};

TEST_P(VindNormalfagTest, FinderTagomraadetVedAndetNormalspaer)
{
    const Normalfagsvind& c = GetParam();
    test::Trin trin(test::Eksempeltag());
    TLasttilfaelde t;
    OpstilLaster(t, 9, c.vindtilf, trin.koersel);
    const TVindNormalfag v = VindNormalfag(t, trin.koersel);
    EXPECT_EQ(v.Omraade, c.omraade);
    EXPECT_NEAR(v.cvO, c.cvO, 1e-12);
    EXPECT_NEAR(v.cvU, c.cvU, 1e-12);
    EXPECT_NEAR(v.FO, 1.5 / 1.1 * kQpKip * c.cvO * kStrimmel, 1e-9);
    EXPECT_NEAR(v.FU, 1.5 / 1.1 * kQpKipN * c.cvU * kStrimmel, 1e-9);
}

// The point: y = D + 0.8 = 2.2 m from the south gable, x = 0.4 + 0.173205 = 0.573 m.
// From W: e = min(11.77, 21) = 11.77, a1 = 1.177, a2 = 2.943: corner zone K (F values).
// From E: the west slope is leeward, zone I. From S: e = 10.8, a1 = 1.08, a3 = 5.4: H.
INSTANTIATE_TEST_SUITE_P(Eksempeltag, VindNormalfagTest,
                         ::testing::Values(Normalfagsvind{"VestSugBeggeFlader", 'b', 'K', 0.5, 0.2},
                                           Normalfagsvind{"VestSugIndvendigt", 'i', 'K', 0.5, -0.3},
                                           Normalfagsvind{"OestSugBeggeFlader", 'n', 'I', 0.4, 0.2},
                                           Normalfagsvind{"OestTrykPaaVestfladen", 's', 'I', 0.0,
                                                          0.2},
                                           Normalfagsvind{"SydSugBeggeFlader", 'w', 'H', 0.8, 0.2}),
                         [](const ::testing::TestParamInfo<Normalfagsvind>& info) {
                             return std::string(info.param.navn);
                         });

TEST(VindNormalfag, UdenTagomraadeVedPunktetBrugesH)
{
    // A house 1 m long: the roof ends at y = 2 m, before the second normal rafter at 2.2 m.
    TInddata ind = test::Eksempeltag();
    ind.HusLn = 1.0;
    test::Trin trin(ind);
    TLasttilfaelde t;
    OpstilLaster(t, 9, 'b', trin.koersel);
    EXPECT_EQ(VindNormalfag(t, trin.koersel).Omraade, 'H');
}

} // namespace
} // namespace taglo
