// Timber values of a class code or load duration that is not in the table: never more
// than the weakest real case would give.
#include "loads/trae.h"

#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

namespace taglo
{
namespace
{

// f_m,k of C14, f_v,k of GL24c, E of C14 and the gamma_M of structural timber.
TEST(TraeVaerdier, UkendtKlassekodeGiverDeSvagesteVaerdier)
{
    test::OptagneMeddelelser m;
    for (const int kode : {100, 7, -1})
    {
        const TTraeVaerdier v = TraeVaerdier(kode, 1, m);
        EXPECT_EQ(v.fmk, 14.0) << kode;
        EXPECT_EQ(v.E0mean, 7000.0) << kode;
        EXPECT_EQ(v.GammaM, 1.35) << kode;
        EXPECT_DOUBLE_EQ(v.fmkGammaM, 14.0 / 1.35) << kode;
        EXPECT_DOUBLE_EQ(v.fvkGammaM, 2.2 / 1.35) << kode;
    }
    // An unknown consequence class keeps the class's own gamma_M: 1.3 for glulam.
    EXPECT_EQ(TraeVaerdier(4, -1, m).GammaM, 1.3);
    EXPECT_DOUBLE_EQ(TraeVaerdier(5, 7, m).fmkGammaM, 28.0 / 1.3);
    EXPECT_TRUE(m.liste.empty());
}

// An unknown combination counts as permanent load (0.6 in service classes 1 and 2) and an
// unknown service class as service class 3 (0.5 permanent, 0.7 short-term, 0.9
// instantaneous).
TEST(Kmod, UkendteArgumenterGiverDenMindsteKmod)
{
    test::OptagneMeddelelser m;
    EXPECT_EQ(Kmod(1, 0, m), 0.6);
    EXPECT_EQ(Kmod(1, 13, m), 0.6);
    EXPECT_EQ(Kmod(3, 9, m), 0.9);
    EXPECT_EQ(Kmod(-1, 3, m), 0.7);
    EXPECT_EQ(Kmod(7, 99, m), 0.5);
    EXPECT_TRUE(m.liste.empty());
}

} // namespace
} // namespace taglo
