// The nailed connection: nails needed, and capacities of the nailings no reference project
// reaches, worked by hand.
#include "engine/soem.h"

#include "motorbaenk.h"
#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace taglo
{
namespace
{
using test::PrintTo;

// n = nearest(T / R + 0.5), halves to the even neighbour, at least one nail; a count that
// cannot be made is not valid.
TEST(Soemantal, RundesTilLigeVedHalve)
{
    EXPECT_EQ(SoemantalFor(200.0, 100.0).antal, 2);  // 2.5 -> 2
    EXPECT_EQ(SoemantalFor(300.0, 100.0).antal, 4);  // 3.5 -> 4
    EXPECT_EQ(SoemantalFor(30.0, 100.0).antal, 1);   // 0.8 -> 1
    EXPECT_EQ(SoemantalFor(-400.0, 100.0).antal, 1); // pressed down
    EXPECT_FALSE(SoemantalFor(std::numeric_limits<double>::quiet_NaN(), 100.0).gyldigt);
    EXPECT_FALSE(SoemantalFor(100.0, std::numeric_limits<double>::infinity()).gyldigt);
    EXPECT_FALSE(SoemantalFor(1e300, 1.0).gyldigt);
}

struct Kapacitet
{
    const char* navn;
    int soem;       // index in the nail catalogue
    double afliste; // spacer, mm; the batten is 38 mm, no underlay
    bool direkte;
    double Lef; // mm, of the batten's own nailing (direct, or batten to spacer)
    double Fd;  // N per nail, the governing nailing
};

class SoemKapacitet : public ::testing::TestWithParam<Kapacitet>
{};

TEST_P(SoemKapacitet, EfterForankringOgHovedgennemtraek)
{
    const Kapacitet& c = GetParam();
    TInddata ind;
    VaelgSoem(ind, c.soem);
    ind.LegteHojde = 38.0;
    ind.AlisteTykkelse = c.afliste;
    TResultater r;
    BeregnSoemKapacitet(ind, 1.35, 1.1, r);
    ASSERT_EQ(r.DirekteFastgoerelse, c.direkte);
    const std::optional<TSoemKapacitet>& egen = c.direkte ? r.SoemDirekte : r.SoemLaegteAfliste;
    ASSERT_TRUE(egen.has_value());
    EXPECT_EQ(r.SoemAflisteSpaer.has_value(), !c.direkte);
    EXPECT_NEAR(egen->Lef, c.Lef, 1e-12);
    EXPECT_GE(egen->Til2, egen->Fra2); // never a negative interval
    EXPECT_NEAR(r.SoemBaereevne, c.Fd, 1e-3);
}

// f = 1.1 / 1.35, kmod for instantaneous load over gamma_M of structural timber.
INSTANTIATE_TEST_SUITE_P(
    Haandregnet, SoemKapacitet,
    ::testing::Values(
        // 3.4 x 90 smooth square nail on a 20 mm spacer: anchoring 58..90 = 32 mm < 12 d =
        // 40.8 mm carries nothing.
        Kapacitet{"GlatSoemMedForKortForankringBaererIntet", 7, 20.0, true, 0.0, 0.0},
        // 4.6 x 130 square nail on a 31.9 mm spacer: still direct, anchoring 69.9..130 =
        // 60.1 mm >= 12 d = 55.2 mm, withdrawal 2.45 x 4.6 x f x 60.1.
        Kapacitet{"AfstandslisteUnder32mmErDirekte", 9, 31.9, true, 60.1,
                  2.45 * 4.6 * 60.1 * 1.1 / 1.35},
        // 3.1 x 90 ringed (profiled to 85.35 mm) through a 38 mm batten into a 60 mm spacer:
        // the spacer interval ends at the tip, the rafter interval is empty: 47.35 mm. Both
        // nailings are held by the pull-through 14 x 6.2^2 x f = 438.501 N.
        Kapacitet{"AfstandslisteDybereEndSoemmet", 0, 60.0, false, 47.35, 438.501}));

// A 300 mm wide batten (room for 12 nails of 4.5 mm) on a 31 mm spacer and 10 mm
// underlay: the nail's profiled part reaches only 24.25 mm into the rafter (< 6 d = 27),
// so a nail carries nothing; a batten that is only ever pressed down holds all the same,
// with the largest count of nails (ten).
TEST(EvaluerSoem, SoemUdenBaereevneHolderEnLaegteDerIkkeLoeftes)
{
    TInddata ind = test::Eksempeltag();
    ind.LegteBredde = 300.0;
    ind.AlisteTykkelse = 31.0;
    ind.UtagTykkelse = 10.0;
    const test::Vurderet v(ind, {test::Tilfaelde(3, 'a', 0.1, -100.0, -100.0, -100.0)});
    ASSERT_EQ(v.r.SoemBaereevne, 0.0);
    ASSERT_EQ(v.r.SoemPlads, 12);
    EXPECT_EQ(v.r.SoemantalNormalspaer, 10);
    EXPECT_TRUE(v.r.NormalspaerSoemOK);
    EXPECT_TRUE(v.r.GavlspaerSoemOK);
}

} // namespace
} // namespace taglo
